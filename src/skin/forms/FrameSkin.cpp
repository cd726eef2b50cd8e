#include "skin/forms/FrameSkin.h"

#include "skin/forms/MenuItemOwnerDraw.h"
#include "skin/forms/sSkinableMenus.h"
#include "skin/paint/FadeTimerWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Menu.h"
#include "win/SavedDC.h"

#include <uxtheme.h>

namespace pp {
namespace {

constexpr LPARAM LeaveFrameAlone = -1;

// Clears WS_VISIBLE (without hiding the window) while the platform handles a
// message after which it would paint its own caption over the skin's.
class THiddenStyleScope {
public:
    explicit THiddenStyleScope(HWND window)
        : window_(window), wasVisible_((GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0)
    {
        if (wasVisible_)
            SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) & ~WS_VISIBLE);
    }
    THiddenStyleScope(const THiddenStyleScope&) = delete;
    THiddenStyleScope& operator=(const THiddenStyleScope&) = delete;
    ~THiddenStyleScope()
    {
        if (wasVisible_)
            SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | WS_VISIBLE);
    }

private:
    HWND window_;
    bool wasVisible_;
};

void ChangeStyle(HWND window, LONG add, LONG remove)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG changed = (style | add) & ~remove;
    if (changed == style)
        return;
    SetWindowLongW(window, GWL_STYLE, changed);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TsFrameSkin::TsFrameSkin(TCustomForm& form, TsCommonData& binding, TDefaultHandler callDefault)
    : form_(form),
      binding_(binding),
      callDefault_(std::move(callDefault)),
      captionButtons_(std::make_unique<TCaptionButtons>(form, binding, *this))
{
}

TsFrameSkin::~TsFrameSkin() = default;

TsFrameSkin::TSystemHeights TsFrameSkin::ReadSystemHeights()
{
    return {GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYMENU)};
}

HWND TsFrameSkin::Window() const { return form_.HandleAllocated() ? form_.HandleValue() : nullptr; }

bool TsFrameSkin::IsMaximized() const { return Window() && IsZoomed(Window()); }

void TsFrameSkin::Attach()
{
    const HWND window = Window();
    if (attached_ || !window)
        return;
    attached_ = true;
    // The skin draws the caption buttons; the platform must not. Without a
    // visual style on the frame the platform's activation handling honours
    // "leave the frame alone" (lParam -1).
    if (DrawNonClientArea) {
        SetWindowTheme(window, L"", L"");
        ChangeStyle(window, 0, WS_SYSMENU);
    }
    if (TMainMenu* menu = form_.Menu()) {
        PrepareMenuBar(*menu, DrawNonClientArea);
        DrawMenuBar(window);
    }
    InvalidateFrame();
    regionDirty_ = true;
}

void TsFrameSkin::Detach()
{
    if (!attached_)
        return;
    attached_ = false;
    imageCanvas_.reset();
    const HWND window = Window();
    if (!window)
        return;
    if (TMainMenu* menu = form_.Menu()) {
        PrepareMenuBar(*menu, false);
        MenuPainter().PrepareMenuItems(*menu, false);
    }
    SetWindowRgn(window, nullptr, FALSE);
    SetWindowTheme(window, nullptr, nullptr);
    ChangeStyle(window, (form_.BorderIcons() & biSystemMenu) ? WS_SYSMENU : 0, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool TsFrameSkin::HandleMessage(TMessage& message)
{
    // Whatever the skin's state, no fade may still paint into a closing session.
    if (message.Msg == WM_QUERYENDSESSION) {
        QueryEndSession(message);
        return true;
    }
    if (!attached_ || !binding_.IsSkinned())
        return false;
    if (captionButtons_->HandleMessage(message))
        return true;
    switch (message.Msg) {
    case WM_NCPAINT:
        if (!DrawNonClientArea)
            return false;
        PaintNonClient();
        message.Result = 0;
        return true;
    case WM_NCACTIVATE:
        if (!DrawNonClientArea)
            return false;
        Activate(message);
        return true;
    case WM_ERASEBKGND:
        if (!DrawClientArea)
            return false;
        EraseClient(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return true;
    case WM_SIZE: Resized(message); return true;
    case WM_PRINT: Print(message); return true;
    case WM_PRINTCLIENT: message.Result = 0; return true;
    case WM_SETREDRAW:
        redrawLock_ = message.WParam ? std::max(0, redrawLock_ - 1) : redrawLock_ + 1;
        return false;
    case WM_SETTEXT:
    case WM_SETICON: TextChanged(message); return true;
    case WM_ACTIVATE: menuLineCount_ = -1; return false;
    case WM_SETTINGCHANGE:
        heights_ = ReadSystemHeights();
        InvalidateFrame();
        return false;
    case WM_MEASUREITEM: return MeasureMenuItem(message);
    case WM_DRAWITEM: return DrawMenuItem(message);
    case WM_INITMENUPOPUP: PreparePopup(message); return false;
    default: return false;
    }
}

// Only skins whose form, title and caption sections have two looks need a
// new frame image when the form gains or loses activation.
bool TsFrameSkin::SectionsHaveOneLook() const
{
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin || binding_.SectionIndex < 0)
        return false;
    for (const char* name : {"FORMTITLE", "CAPTION", "MENULINE"}) {
        const int index = skin->GetSkinIndex(name);
        if (index >= 0 && skin->Sections()[static_cast<std::size_t>(index)].States > 1)
            return false;
    }
    const TsGeneralData& form = skin->Sections()[static_cast<std::size_t>(binding_.SectionIndex)];
    return form.States <= 1;
}

void TsFrameSkin::Activate(TMessage& message)
{
    const int look = message.WParam != 0 ? 1 : 0;
    if (look != ActiveLook && !SectionsHaveOneLook())
        InvalidateFrame();
    ActiveLook = look;
    // The default handling keeps the platform's activation state; -1 tells
    // it to leave the frame alone, which the skin paints next.
    TMessage quiet = message;
    quiet.LParam = LeaveFrameAlone;
    callDefault_(quiet);
    message.Result = quiet.Result;
    if (IsWindowVisible(Window()))
        PaintNonClient();
}

void TsFrameSkin::TextChanged(TMessage& message)
{
    InvalidateFrame();
    if (!IsWindowVisible(Window()) || !DrawNonClientArea || redrawLock_ > 0) {
        callDefault_(message);
        return;
    }
    {
        const THiddenStyleScope quiet(Window());
        callDefault_(message);
    }
    RepaintFrame();
}

// The image's border may reach into the client (a border mask wider than
// the platform's frame): a new client size repaints the whole client, not
// only what the platform exposed.
void TsFrameSkin::Resized(TMessage& message)
{
    callDefault_(message);
    menuLineCount_ = -1;
    RECT client{};
    GetClientRect(Window(), &client);
    const TSize size{client.right, client.bottom};
    if (size == clientSize_ || !IsWindowVisible(Window()))
        return;
    clientSize_ = size;
    const TFrameMeasures m = Measures();
    const TBitmap* image = FrameImage();
    if (!image || image->Size() != TSize{m.Width, m.Height}) {
        regionDirty_ = true;
        RepaintFrame();
    }
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TsFrameSkin::QueryEndSession(TMessage& message)
{
    EndFadesForSessionEnd();
    callDefault_(message);
}

namespace {
// Items of the bar itself; the others sit in drop-down and sub-menus.
bool IsMenuBarItem(const TMenuItem& item) { return item.ParentItem() && !item.ParentItem()->ParentItem(); }
} // namespace

bool TsFrameSkin::MeasureMenuItem(TMessage& message)
{
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (message.WParam != 0 || !measure || measure->CtlType != ODT_MENU || !measure->itemData)
        return false;
    const TMenuItem& item = *OwnerDrawnItem(measure->itemData);
    const TSize size = IsMenuBarItem(item) ? MeasureMenuBarItem(item) : MenuPainter().MeasurePopupItem(item);
    measure->itemWidth = static_cast<UINT>(size.Width);
    measure->itemHeight = static_cast<UINT>(size.Height);
    message.Result = TRUE;
    return true;
}

bool TsFrameSkin::DrawMenuItem(TMessage& message)
{
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (message.WParam != 0 || !draw || draw->CtlType != ODT_MENU || !draw->itemData)
        return false;
    const TMenuItem& item = *OwnerDrawnItem(draw->itemData);
    const TRect r{draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom};
    if (!IsMenuBarItem(item))
        MenuPainter().DrawPopupItem(item, draw->hDC, r, draw->itemState);
    else if (EnsureFrameImage())
        DrawMenuBarItem(MenuBarBackdrop(), item, draw->hDC, r, draw->itemState);
    else
        return false;
    message.Result = TRUE;
    return true;
}

// A drop-down or sub-menu of the form's menu is about to open: its items
// become owner-drawn (the platform menu is rebuilt whenever an item changes,
// so this is done at every opening). The system menu is not this painter's.
void TsFrameSkin::PreparePopup(const TMessage& message)
{
    TMainMenu* menu = form_.Menu();
    if (!menu || HIWORD(message.LParam) != 0)
        return;
    const auto popup = reinterpret_cast<HMENU>(message.WParam);
    if (const TMenuItem* parent = PopupMenuParent(*menu, popup))
        MenuPainter().PreparePopupMenu(popup, *parent, true);
}

void TsFrameSkin::EraseClient(HDC dc)
{
    if (!dc || !EnsureFrameImage())
        return;
    const TPoint offset = ClientOffset();
    RECT client{};
    GetClientRect(Window(), &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, ImageDC(), offset.X, offset.Y, SRCCOPY);
}

// A picture of the form (the window animations take one): the frame image
// holds frame and client background at their places, the form's windowless
// controls are painted over it at the client offset.
void TsFrameSkin::Print(TMessage& message)
{
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    message.Result = 0;
    if (message.LParam & PRF_ERASEBKGND) {
        EraseClient(dc);
        return;
    }
    if (!dc || !EnsureFrameImage())
        return;
    const TBitmap& image = *FrameImage();
    BitBlt(dc, 0, 0, image.Width(), image.Height(), ImageDC(), 0, 0, SRCCOPY);
    const TPoint offset = ClientOffset();
    const TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, offset.X, offset.Y, nullptr);
    form_.PaintControls(dc, form_.ClientRect());
}

void TsFrameSkin::AnswerBackdrop(BackdropRequest& request)
{
    EnsureFrameImage();
    const TPoint offset = ClientOffset();
    if (request.PaintNow) {
        request.OffsetX += offset.X;
        request.OffsetY += offset.Y;
    }
    const TsGeneralData* section = binding_.Section();
    binding_.AnswerBackdropRequest(request, section ? std::min(ActiveLook, section->States - 1) : 0);
    if (request.Kind == bkImage && !request.PaintNow && !request.Image)
        request.Image = FrameImage();
    if (request.PaintNow)
        return;
    request.OffsetX += offset.X;
    request.OffsetY += offset.Y;
    if (offset.X != 0)
        request.Margins[0] = std::max(0, request.Margins[0] - offset.X);
    if (offset.Y != 0)
        request.Margins[1] = std::max(0, request.Margins[1] - offset.Y);
}

} // namespace pp
