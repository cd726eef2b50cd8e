// The caption buttons' mouse messages, the commands their clicks send, and
// the ways the system menu opens.
#include "skin/forms/CaptionButtons.h"

#include "skin/forms/FrameSkin.h"
#include "skin/forms/TitleButtonRules.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <windowsx.h>

namespace pp {
namespace {

// Alt+Space asks for the system menu with this key in lParam.
constexpr LPARAM SpaceKey = ' ';
// The taskbar's request for a window's system menu.
constexpr UINT TaskbarSystemMenu = 0x0313;
// A minimized form's menu opens this much higher.
constexpr int MinimizedMenuLift = 16;

TPoint CursorPoint()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

} // namespace

bool IsTitleElementCode(int code)
{
    return code == HitMinimize || code == HitMaximize || code == HitClose || code == HitHelp ||
           (code >= 101 && code <= 103) || (code >= HitUserButton && code <= HitUserButton + 100) ||
           (code >= HitTitleBarItem && code <= HitTitleBarItem + 100);
}

bool TCaptionButtons::HandleMessage(TMessage& message)
{
    if (!frame_.DrawNonClientArea)
        return false;
    switch (message.Msg) {
    case WM_NCHITTEST: {
        if (frame_.Measures().Caption <= 0)
            return false;
        const int code = HitTest(WindowPoint(message.LParam));
        if (code == HTSYSMENU || IsTitleElementCode(code)) {
            message.Result = code;
            return true;
        }
        return false;
    }
    case WM_NCMOUSEMOVE: return MouseMove(message);
    case WM_NCLBUTTONDOWN: return ButtonDown(message);
    case WM_NCLBUTTONUP: return ButtonUp(message);
    case WM_MOUSEMOVE: {
        TMessage screen = ScreenMessage(message);
        return pressedCode_ != 0 && MouseMove(screen);
    }
    case WM_LBUTTONUP: {
        TMessage screen = ScreenMessage(message);
        if (pressedCode_ != 0 && ButtonUp(screen))
            return true;
        TitleElementPressed = false;
        return false;
    }
    case WM_CAPTURECHANGED:
        if (pressedCode_ != 0 && reinterpret_cast<HWND>(message.LParam) != Window()) {
            pressedCode_ = 0;
            TitleElementPressed = false;
            SetHotCode(0, true);
        }
        return false;
    case WM_NCLBUTTONDBLCLK: return DoubleClick(message);
    case WM_NCRBUTTONDOWN: {
        const int code = HitTest(WindowPoint(message.LParam));
        return code == HTCAPTION || code == HTSYSMENU;
    }
    case WM_NCRBUTTONUP: return RightButtonUp(message);
    case TaskbarSystemMenu: ShowSystemMenuAt(CursorPoint()); return true;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE: MouseLeft(); return false;
    case WM_SYSCOMMAND: return SysCommand(message);
    case WM_MOVE: StopAnimations(); return false;
    case WM_STYLECHANGING: KeepSystemMenuStyleAway(message); return false;
    default: return false;
    }
}

void TCaptionButtons::TrackLeave()
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    track.hwndTrack = Window();
    TrackMouseEvent(&track);
}

bool TCaptionButtons::MouseMove(TMessage& message)
{
    if (!IsWindowEnabled(Window()))
        return false;
    if (TsSkinManager* manager = binding_.SkinManager())
        manager->SetHotWindow(Window());
    const int code = HitTest(WindowPoint(message.LParam));
    if (IsTitleElementCode(code)) {
        TrackLeave();
        SetHotCode(code, true);
        message.Result = 0;
        return true;
    }
    SetHotCode(0, true);
    return false;
}

bool TCaptionButtons::ButtonDown(TMessage& message)
{
    const int code = static_cast<int>(message.WParam);
    if (code == HitMinimize || code == HitMaximize || code == HitClose || code == HitHelp) {
        PressTitleElement(code);
        message.Result = 0;
        return true;
    }
    if (TsTitleButton* user = UserButtonOf(code)) {
        PressTitleElement(code);
        const TPoint cursor = CursorPoint();
        if (user->OnMouseDown)
            user->OnMouseDown(user, TMouseButton::mbLeft, 0, cursor.X, cursor.Y);
        message.Result = 0;
        return true;
    }
    if (code == HTSYSMENU) {
        SetHotCode(0, true);
        TitleElementPressed = false;
        ShowSystemMenuAt(BelowIcon());
        message.Result = 0;
        return true;
    }
    SetHotCode(0, true);
    if (IsIconic(Window()) && code == HTCAPTION) {
        SendMessageW(Window(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        message.Result = 0;
        return true;
    }
    return false;
}

// While a button is pressed the form holds the mouse, so that the release
// is seen wherever it happens (also over the fade's overlay or outside the
// window); its client-area messages are turned into screen points.
TMessage TCaptionButtons::ScreenMessage(const TMessage& message) const
{
    POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    ClientToScreen(Window(), &p);
    TMessage screen = message;
    screen.LParam = MAKELPARAM(p.x, p.y);
    return screen;
}

bool TCaptionButtons::ButtonUp(TMessage& message)
{
    const bool pressed = std::exchange(TitleElementPressed, false);
    const int pressedCode = std::exchange(pressedCode_, 0);
    if (GetCapture() == Window())
        ReleaseCapture();
    const TPoint p = WindowPoint(message.LParam);
    const int code = HitTest(p);
    if (TsTitleButton* user = UserButtonOf(pressedCode); user && pressed && user->OnMouseUp) {
        const TPoint cursor = CursorPoint();
        user->OnMouseUp(user, TMouseButton::mbLeft, 0, cursor.X, cursor.Y);
    }
    // A command needs the press and the release on the same button.
    if (!pressed || code != pressedCode || !IsTitleElementCode(code)) {
        SetHotCode(0, true);
        return false;
    }
    RunReleaseCommand(code, p);
    message.Result = 0;
    return true;
}

void TCaptionButtons::SendCommand(WPARAM command) { SendMessageW(Window(), WM_SYSCOMMAND, command, 0); }

void TCaptionButtons::RunReleaseCommand(int code, TPoint p)
{
    const std::shared_ptr<bool> alive = alive_;
    switch (code) {
    case HitMinimize:
        if (!slots_[csMinimize].Rect.Contains(p))
            return;
        SetHotCode(0, true);
        SendCommand(IsMinimizedSecondaryForm(form_) ? SC_RESTORE : SC_MINIMIZE);
        if (*alive)
            frame_.InvalidateFrame();
        return;
    case HitMaximize:
        if (!EnabledMaxButton(form_) && !(IsZoomed(Window()) && EnabledRestore(form_)))
            return;
        SetHotCode(0, true);
        SendCommand(IsZoomed(Window()) ? SC_RESTORE : SC_MAXIMIZE);
        return;
    case HitClose:
        if (!CloseEnabled(form_))
            return;
        slots_[csClose].State = tsNormal;
        SendCommand(SC_CLOSE);
        if (!*alive)
            return;
        StopAnimations();
        if (IsWindowVisible(Window())) {
            frame_.InvalidateFrame();
            SetHotCode(0, false);
        }
        return;
    case HitHelp:
        SendCommand(SC_CONTEXTHELP);
        if (!*alive)
            return;
        SetHotCode(0, true);
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    default:
        // A user button's release ran its event; nothing else goes out.
        SetHotCode(0, true);
        return;
    }
}

bool TCaptionButtons::DoubleClick(TMessage& message)
{
    TitleElementPressed = false;
    const int code = HitTest(WindowPoint(message.LParam));
    const HWND window = Window();
    if (code == HTCAPTION) {
        const bool noFrame = form_.BorderStyle() == TFormBorderStyle::bsNone;
        if ((HasSystemMenuIcon(form_) && (EnabledMaxButton(form_) || EnabledRestore(form_))) ||
            (noFrame && IsIconic(window)))
            SendCommand(IsZoomed(window) || IsIconic(window) ? SC_RESTORE : SC_MAXIMIZE);
        else if (IsIconic(window))
            SendCommand(SC_RESTORE);
        message.Result = 0;
        return true;
    }
    if (code == HTSYSMENU) {
        SendCommand(SC_CLOSE);
        message.Result = 0;
        return true;
    }
    return false;
}

bool TCaptionButtons::RightButtonUp(TMessage& message)
{
    if (form_.BorderStyle() == TFormBorderStyle::bsNone)
        return false;
    const int code = HitTest(WindowPoint(message.LParam));
    if (code == HTCAPTION || code == HTSYSMENU) {
        SetHotCode(0, true);
        TitleElementPressed = false;
        ShowSystemMenuAt({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    }
    message.Result = 0;
    return true;
}

// The overlay a fade shows over the hot button is a window of its own:
// some platforms report the pointer entering it as leaving the form, while
// it is still over the button. Such a notice is let pass; the fade watches
// the pointer itself and reports when it really goes.
bool TCaptionButtons::StillOverHotElement() const
{
    if (HotCode <= 0)
        return false;
    const TPoint cursor = CursorPoint();
    RECT window{};
    GetWindowRect(Window(), &window);
    const TPoint p{cursor.X - window.left, cursor.Y - window.top};
    return TRect{0, 0, window.right - window.left, window.bottom - window.top}.Contains(p) &&
           HitTestElement(p) == HotCode;
}

void TCaptionButtons::MouseLeft()
{
    if (StillOverHotElement())
        return;
    SetHotCode(-1, true);
    TitleElementPressed = false;
    pressedCode_ = 0;
}

bool TCaptionButtons::SysCommand(TMessage& message)
{
    if ((message.WParam & 0xFFF0) != SC_KEYMENU || message.LParam != SpaceKey ||
        form_.BorderStyle() == TFormBorderStyle::bsNone || !HasSystemMenuIcon(form_))
        return false;
    const int lift = IsIconic(Window()) ? MinimizedMenuLift : 0;
    const TPoint below = BelowIcon();
    ShowSystemMenuAt({below.X, below.Y - lift});
    message.Result = 0;
    return true;
}

// Under the caption icon: the frame's thickness in from the left, the icon's
// height below the caption's top frame twice.
TPoint TCaptionButtons::BelowIcon() const
{
    RECT window{};
    GetWindowRect(Window(), &window);
    const TFrameMeasures m = frame_.Measures();
    return {window.left + m.Frame, window.top + 2 * m.Frame + frame_.IconRect().Height()};
}

// The skin draws the caption buttons: a WS_SYSMENU coming back would let
// the platform hit-test, press and paint its own over them.
void TCaptionButtons::KeepSystemMenuStyleAway(TMessage& message)
{
    auto* change = reinterpret_cast<STYLESTRUCT*>(message.LParam);
    if (message.WParam == static_cast<WPARAM>(GWL_STYLE) && change)
        change->styleNew &= ~static_cast<DWORD>(WS_SYSMENU);
}

void TCaptionButtons::ShowSystemMenuAt(TPoint screen)
{
    if (OnShowSystemMenu)
        OnShowSystemMenu(screen);
}

} // namespace pp
