#include "skin/controls/BtnWndWin32.h"

#include "skin/controls/AdapterHotWindowWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/BindingHooksWin32.h"
#include "skin/paint/FocusDots.h"
#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/Blend.h"
#include "skin/pixels/Fills.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"
#include "win/PaintDC.h"
#include "win/Text.h"

#include <algorithm>
#include <optional>

namespace pp {
namespace {

constexpr UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
// A disabled button shows 40 percent of what lies behind it: the weight of
// the button's own pixels is 60 percent of 256.
constexpr int DisabledOwnWeight = 154;

TSize WindowSize(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// Keeps a window from drawing while a message that would draw it is handled.
class TRedrawOff {
public:
    explicit TRedrawOff(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    TRedrawOff(const TRedrawOff&) = delete;
    TRedrawOff& operator=(const TRedrawOff&) = delete;
    ~TRedrawOff() { SendMessageW(window_, WM_SETREDRAW, TRUE, 0); }

private:
    HWND window_;
};

} // namespace

TacBtnWnd::TacBtnWnd(HWND window, bool initialRepaint, const std::string& section, TsSkinManager* manager,
                     TsCommonData* binding)
    : TacMainWnd(window, initialRepaint, section.empty() ? "BUTTON" : section, manager, binding)
{
}

TacBtnWnd::~TacBtnWnd() { Release(); }

void TacBtnWnd::ReleaseHook()
{
    if (TsCommonData* binding = SkinData()) {
        RemoveControlGlow(*binding);
        binding->MouseInside = false;
    }
}

void TacBtnWnd::FirstPaint()
{
    TacMainWnd::FirstPaint();
    if (TsCommonData* binding = SkinData())
        binding->BackgroundStale = true;
}

bool TacBtnWnd::NativePushed() const { return (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

int TacBtnWnd::ButtonState()
{
    if (NativePushed()) {
        RemoveControlGlow(*SkinData());
        return 2;
    }
    const HWND window = Handle();
    if (!IsWindowEnabled(window))
        return 0;
    if (GetFocus() == window || AdapterHotWindow(SkinManager()) == window)
        return 1;
    return (GetWindowLongW(window, GWL_STYLE) & BS_DEFPUSHBUTTON) == BS_DEFPUSHBUTTON ? 1 : 0;
}

bool TacBtnWnd::IsMultiLine() const { return (GetWindowLongW(Handle(), GWL_STYLE) & BS_MULTILINE) != 0; }

unsigned TacBtnWnd::CaptionFlags() const
{
    unsigned flags = DT_CENTER | DT_EXPANDTABS;
    if (IsMultiLine())
        flags |= DT_WORDBREAK;
    if (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING)
        flags |= DT_RTLREADING;
    return flags;
}

void TacBtnWnd::SelectCaptionFont(TCanvas& canvas) const
{
    if (const TWinControl* control = Control())
        canvas.Font.Assign(control->Font());
}

int TacBtnWnd::CaptionWidth()
{
    if (WindowText().empty())
        return 0;
    const int width = WindowSize(Handle()).Width;
    const int glyph = GlyphSize().Width;
    return glyph == 0 ? width + 1 : std::max(0, width - glyph);
}

TSize TacBtnWnd::MeasureCaption(TCanvas& canvas)
{
    TRect r{0, 0, CaptionWidth() + 2, 0};
    unsigned flags = DT_CALCRECT | DT_NOPREFIX | DT_CENTER | DT_EXPANDTABS;
    if (IsMultiLine())
        flags |= DT_WORDBREAK;
    canvas.DrawText(Utf8FromWide(WindowText()), r, flags);
    return {r.Width(), r.Height()};
}

TRect TacBtnWnd::CaptionArea(TCanvas& canvas)
{
    const TSize size = WindowSize(Handle());
    const TSize text = MeasureCaption(canvas);
    const int q = (size.Width - text.Width) / 2;
    const int v = (size.Height - text.Height) / 2;
    const TRect area{q - 1, v, size.Width - q + 2, size.Height - v};
    return NativePushed() ? area.Offset(1, 1) : area;
}

void TacBtnWnd::WriteCaption(TCanvas& canvas, TRect rect, unsigned flags)
{
    TsCommonData& binding = *SkinData();
    const bool hot = ButtonState() != 0;
    DrawItemText(canvas, Utf8FromWide(WindowText()), IsWindowEnabled(Handle()) != FALSE, hot,
                 binding.TextSource(hot), flags, rect);
}

void TacBtnWnd::PaintCaption(TCanvas& canvas)
{
    SelectCaptionFont(canvas);
    const TRect area = CaptionArea(canvas);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    WriteCaption(canvas, area, CaptionFlags());
    DrawFocusFrame(area);
}

void TacBtnWnd::DrawFocusFrame(TRect rect)
{
    TsCommonData& binding = *SkinData();
    const TsGeneralData* section = binding.Section();
    const TsSkinManager* manager = binding.SkinManager();
    const HWND window = Handle();
    const bool nativeFocus = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
    if (!section || !manager || !IsWindowEnabled(window) || !manager->ButtonsOptions.ShowFocusRect ||
        !nativeFocus || WindowText().empty() || !section->ShowFocus)
        return;
    const int height = WindowSize(window).Height;
    rect = {rect.Left - 2, rect.Top - 1, rect.Right + 2, rect.Bottom + 1};
    rect.Top = std::max(rect.Top, 3);
    rect.Bottom = std::min(rect.Bottom, height - 3);
    const int look = std::min(1, section->States);
    DrawFocusDots(*binding.CacheBitmap, rect,
                  section->Props[static_cast<std::size_t>(look)].FontColor[fcMain], clNoKeyColor);
}

void TacBtnWnd::DimWhenDisabled(const BackdropInfo& backdrop)
{
    TBitmap& cache = *SkinData()->CacheBitmap;
    if (backdrop.HasImage && backdrop.Image) {
        BlendRectangle(cache, *backdrop.Image, DisabledOwnWeight, {0, 0},
                       {backdrop.OffsetX, backdrop.OffsetY, backdrop.OffsetX + cache.Width(),
                        backdrop.OffsetY + cache.Height()});
        return;
    }
    TBitmap colour(cache.Width(), cache.Height());
    FillPixels32(colour, colour.Bounds(), ColorToRGB(backdrop.BackColor), 0xFF);
    BlendWholeBitmaps(cache, colour, DisabledOwnWeight);
}

void TacBtnWnd::PrepareCache()
{
    TsCommonData& binding = *SkinData();
    binding.FitCacheBitmap();
    const BackdropInfo backdrop = binding.ParentBackdrop();
    TBitmap& cache = *binding.CacheBitmap;
    RenderItem(binding.ItemBinding(), backdrop, true, cache, {0, 0}, cache.Bounds(), ButtonState());
    {
        TBitmapCanvas canvas(cache);
        PaintCaption(canvas);
        PaintGlyph(canvas);
    }
    if (!IsWindowEnabled(Handle()))
        DimWhenDisabled(backdrop);
    binding.BackgroundStale = false;
}

void TacBtnWnd::Paint(HDC given)
{
    std::optional<TPaintDC> paint;
    if (!given)
        paint.emplace(Handle());
    const HDC dc = given ? given : paint->Get();
    TsCommonData& binding = *SkinData();
    binding.PaintSuspended = binding.MustWait(true);
    if (binding.PaintSuspended || !dc)
        return;
    if (!PaintedOnce)
        FirstPaint();
    binding.BackgroundStale = true;
    PrepareCache();
    const TBitmap& cache = *binding.CacheBitmap;
    if (!cache.NativeHandle())
        return;
    const TMemoryDCHandle cacheDC(CreateCompatibleDC(dc));
    const TSelectObject selected(cacheDC.Get(), static_cast<HGDIOBJ>(cache.NativeHandle()));
    BitBlt(dc, 0, 0, cache.Width(), cache.Height(), cacheDC.Get(), 0, 0, SRCCOPY);
}

void TacBtnWnd::RepaintNow() { RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void TacBtnWnd::HandleWithoutRedraw(TMessage& message)
{
    {
        const TRedrawOff off(Handle());
        CallPrevious(message);
    }
    RefreshTextCopy();
    SkinData()->BackgroundStale = true;
    RepaintNow();
}

bool TacBtnWnd::CursorInside() const
{
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT r{};
    GetWindowRect(Handle(), &r);
    return PtInRect(&r, cursor) != FALSE;
}

void TacBtnWnd::MouseEntered()
{
    TsCommonData& binding = *SkinData();
    if (binding.MouseInside || AdapterHotWindow(SkinManager()) != Handle() || !CursorInside())
        return;
    binding.MouseInside = true;
    binding.BackgroundStale = true;
    binding.PaintSuspended = false;
    RepaintNow();
    StartControlGlow(binding);
}

void TacBtnWnd::MouseLeft()
{
    TsCommonData& binding = *SkinData();
    if (!binding.MouseInside)
        return;
    RemoveControlGlow(binding);
    binding.MouseInside = false;
    binding.PaintSuspended = false;
    binding.BackgroundStale = true;
    RepaintNow();
}

void TacBtnWnd::FollowMouse()
{
    if (CursorInside())
        SetAdapterHotWindow(SkinManager(), Handle());
    else if (AdapterHotWindow(SkinManager()) == Handle())
        SetAdapterHotWindow(SkinManager(), nullptr);
}

// A move changes the look only when the button shows what lies behind it.
bool TacBtnWnd::MovesMatter() const
{
    const TsGeneralData* section = SkinData()->Section();
    return section && section->Props[0].Transparency > 0;
}

// The messages the button adapter answers itself; true when answered.
bool TacBtnWnd::HandleButtonMessage(TMessage& message)
{
    TsCommonData& binding = *SkinData();
    const HWND window = Handle();
    switch (message.Msg) {
    case WM_PAINT: Paint(reinterpret_cast<HDC>(message.WParam)); return true;
    // A picture of the form (its animations) asks the button to print itself whole.
    case WM_PRINT:
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(message.WParam)); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    case WM_NCPAINT:
    case WM_UPDATEUISTATE: message.Result = 0; return true;
    case WM_MOVE:
        CallPrevious(message);
        if (MovesMatter()) {
            binding.BackgroundStale = true;
            RepaintNow();
        }
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (!IsWindowEnabled(window))
            return false;
        {
            const TRedrawOff off(window);
            CallPrevious(message);
        }
        binding.HasFocus = message.Msg == WM_SETFOCUS;
        binding.BackgroundStale = true;
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        return true;
    case WM_ENABLE:
    case WM_SETTEXT:
        if (!IsWindowVisible(window))
            return false;
        HandleWithoutRedraw(message);
        return true;
    case BM_SETSTATE: HandleWithoutRedraw(message); return true;
    case WM_MOUSEHOVER:
        SendSkinCommandToWindow(window, SkinMsgMouseEnter, reinterpret_cast<LPARAM>(SkinManager()));
        return false;
    case WM_MOUSELEAVE:
        if (AdapterHotWindow(SkinManager()) == window)
            SetAdapterHotWindow(SkinManager(), nullptr);
        return false;
    case SM_SKINCOMMAND: break;
    default: return false;
    }
    switch (SkinCommandOf(message.WParam)) {
    case SkinMsgRepaintAfterUpdate:
        if (binding.PaintSuspended) {
            binding.PaintSuspended = false;
            if (!binding.MustWait(true))
                RedrawWindow(window, nullptr, nullptr, RedrawAll);
        }
        return true;
    case SkinMsgMouseEnter: MouseEntered(); return true;
    case SkinMsgMouseLeave: MouseLeft(); return true;
    default: return false;
    }
}

void TacBtnWnd::HandleAdapterMessage(TMessage& message)
{
    if (Released() || !SkinActive() || !SkinData()->IsSkinned() || !HandleButtonMessage(message))
        TacMainWnd::HandleAdapterMessage(message);
    if (message.Msg == WM_MOUSEMOVE && !Released())
        FollowMouse();
}

} // namespace pp
