#include "skin/forms/FormMoving.h"

#include "skin/forms/FormGeometry.h"
#include "skin/forms/FormSnapshot.h"
#include "skin/forms/LayeredStyle.h"
#include "skin/forms/MoveTimer.h"
#include "skin/loading/DesktopCompositionWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/AnimationWindowWin32.h"

namespace pp {
namespace {

// The move the platform starts when its caption is pressed.
constexpr unsigned MoveByCaption = SC_MOVE | HTCAPTION;

TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The work area of the window's monitor; its whole area for a stay-on-top window.
MONITORINFO MonitorOf(HWND window)
{
    MONITORINFO info{sizeof(info), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

TRect SnapArea(HWND window)
{
    const MONITORINFO info = MonitorOf(window);
    const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    return ToRect(topmost ? info.rcMonitor : info.rcWork);
}

} // namespace

TFormMoving::TFormMoving(TCustomForm& form, TsFrameSkin& frame, TDefaultHandler callDefault)
    : form_(form), frame_(frame), callDefault_(std::move(callDefault))
{
}

TFormMoving::~TFormMoving() = default;

HWND TFormMoving::Window() const { return form_.HandleAllocated() ? form_.HandleValue() : nullptr; }

bool TFormMoving::IsTopLevelFramed() const
{
    const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
    return !(style & WS_CHILD) && (style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
}

bool TFormMoving::HandleMessage(TMessage& message, const TsSkinManager* manager)
{
    if (!Window())
        return false;
    if (outline_ && OutlineMouse(message))
        return true;
    switch (message.Msg) {
    case WM_GETMINMAXINFO:
        if (!frame_.DrawNonClientArea || !IsTopLevelFramed())
            return false;
        GetMinMaxInfo(message);
        return true;
    case WM_WINDOWPOSCHANGING:
        if (auto* position = reinterpret_cast<WINDOWPOS*>(message.LParam))
            Snap(*position);
        return false;
    case WM_SYSCOMMAND: {
        const auto command = static_cast<unsigned>(message.WParam);
        if ((command & 0xFFF0) == SC_MOVE || (command & 0xFFF0) == SC_SIZE)
            if (StartOutlineDrag(command))
                return true;
        if (command == MoveByCaption) {
            // The move loop shows the window as it is now: bring it up to date first.
            UpdateWindow(Window());
            if (manager && manager->AnimEffects.BlendOnMoving.Active && AllowBlendOnMoving) {
                MoveBlended(message, *manager);
                return true;
            }
        }
        return false;
    }
    default: return false;
    }
}

void TFormMoving::GetMinMaxInfo(TMessage& message)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    if (info) {
        const MONITORINFO monitor = MonitorOf(Window());
        const bool topmost = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        const TMaximizedPlacement placement = MaximizedPlacement(
            ToRect(monitor.rcMonitor), ToRect(topmost ? monitor.rcMonitor : monitor.rcWork),
            frame_.Measures().Frame, 0);
        info->ptMaxPosition = {placement.Position.X, placement.Position.Y};
        info->ptMaxSize = {placement.Size.Width, placement.Size.Height};
    }
    callDefault_(message);
}

void TFormMoving::Snap(WINDOWPOS& position)
{
    if (!ScreenSnap || (position.flags & SWP_NOMOVE) || IsZoomed(Window()) || IsIconic(Window()) ||
        !IsWindowVisible(Window()))
        return;
    TSize size{position.cx, position.cy};
    if (position.flags & SWP_NOSIZE) {
        RECT r{};
        GetWindowRect(Window(), &r);
        size = {r.right - r.left, r.bottom - r.top};
    }
    const TPoint snapped = SnapToEdges({position.x, position.y}, size, SnapArea(Window()), SnapBuffer);
    position.x = snapped.X;
    position.y = snapped.Y;
}

// With desktop composition the platform draws the dragged window itself,
// and an outline inverted on the desktop would not show: the mode falls back.
bool TFormMoving::StartOutlineDrag(unsigned command)
{
    if (ResizeMode != rmBorder || !form_.Enabled() || DesktopCompositionEnabled())
        return false;
    const bool sizing = (command & 0xFFF0) == SC_SIZE;
    outline_ = std::make_unique<TOutlineDrag>(Window(), sizing ? int(command & 0xF) : 0);
    return true;
}

bool TFormMoving::OutlineMouse(const TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE: {
        POINT p{};
        GetCursorPos(&p);
        outline_->MoveTo({p.x, p.y});
        return true;
    }
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK: {
        auto drag = std::move(outline_);
        drag->Finish();
        return true;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a switch to another program):
        // the drag ends where it began.
        outline_.reset();
        return false;
    default: return false;
    }
}

// Runs the platform's move loop with the window fading to BlendValue
// meanwhile; afterwards a picture of the window covers it while it becomes
// opaque again, so that it does not flash.
void TFormMoving::MoveBlended(TMessage& message, const TsSkinManager& manager)
{
    const TacBlendOnMoving& blend = manager.AnimEffects.BlendOnMoving;
    moveTimer_ = std::make_unique<TacMoveTimer>(nullptr, Window(), 255, blend.BlendValue, blend.Time);
    callDefault_(message);
    moveTimer_.reset();
    {
        TacAnimationWindow cover(Window());
        cover.Push(FormSnapshot(form_), 255);
        RemoveLayeredStyle(Window());
        RedrawWindow(Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

} // namespace pp
