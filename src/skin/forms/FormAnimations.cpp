#include "skin/forms/FormAnimations.h"

#include "skin/forms/FormSnapshot.h"
#include "skin/forms/FormStateBits.h"
#include "skin/forms/LayeredStyle.h"
#include "skin/forms/SystemAnimationGuard.h"
#include "skin/forms/TaskbarTarget.h"
#include "skin/loading/DesktopCompositionWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/HideTimerWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/ShowAnimationWin32.h"
#include "skin/paint/WindowAnimationSteps.h"
#include "toolkit/Application.h"

namespace pp {
namespace {

unsigned CommandOf(const TMessage& message) { return static_cast<unsigned>(message.WParam) & 0xFFF0; }

TRect WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

TFormAnimations::TFormAnimations(TCustomForm& form, TsCommonData& binding, TsFrameSkin& frame,
                                 TDefaultHandler callDefault)
    : form_(form),
      binding_(binding),
      frame_(frame),
      callDefault_(std::move(callDefault)),
      self_(std::make_shared<TFormAnimations*>(this))
{
}

TFormAnimations::~TFormAnimations()
{
    *self_ = nullptr;
    if (HWND window = Window(); window && (StateBits & fsMinimizeHid))
        RemoveLayeredStyle(window);
}

HWND TFormAnimations::Window() const { return form_.HandleAllocated() ? form_.HandleValue() : nullptr; }
const TsSkinManager* TFormAnimations::Manager() const { return binding_.SkinManager(); }
bool TFormAnimations::IsMainForm() const { return Application && Application->MainForm() == &form_; }

bool TFormAnimations::MinimizingActive() const
{
    const TsSkinManager* manager = Manager();
    return manager && binding_.IsSkinned() && manager->AnimEffects.Minimizing.Active &&
           LayeredWindowsAvailable() && Window();
}

bool TFormAnimations::HandleMessage(TMessage& message)
{
    if (!Window() && message.Msg != CM_VISIBLECHANGED)
        return false;
    switch (message.Msg) {
    case WM_SYSCOMMAND: return SystemCommand(message);
    case WM_SETTINGCHANGE:
        if (message.WParam == SPI_SETWORKAREA && minTimer_)
            Retarget();
        return false;
    case CM_VISIBLECHANGED: return message.WParam != 0 && ShowAnimated(message);
    case WM_WINDOWPOSCHANGING: WindowPosChanging(message); return false;
    case WM_WINDOWPOSCHANGED:
        if (!(StateBits & fsHideHoldsFrame))
            return false;
        WindowPosChanged(message);
        return true;
    default: return false;
    }
}

// The main form's minimize and restore are the application's (its
// window's hook plays them); other forms play their own here.
bool TFormAnimations::SystemCommand(TMessage& message)
{
    const unsigned command = CommandOf(message);
    if (IsMainForm() && (command == SC_MINIMIZE || command == SC_RESTORE))
        return false;
    switch (command) {
    case SC_MINIMIZE:
        if (!MinimizingActive() || IsIconic(Window()))
            return false;
        {
            const TSystemAnimationOff platformAnimationOff;
            StartMinimizing();
            callDefault_(message);
        }
        OwnAnimationRunning = false;
        return true;
    case SC_MAXIMIZE:
    case SC_RESTORE:
        if (IsIconic(Window()) && MinimizingActive() && minTimer_ && minTimer_->HasPicture()) {
            restoreMaximized_ = restoreMaximized_ || command == SC_MAXIMIZE;
            if (StartRestoring())
                return true;
        }
        {
            const TSystemAnimationOff platformAnimationOff;
            callDefault_(message);
        }
        frame_.RepaintFrame();
        return true;
    default: return false;
    }
}

void TFormAnimations::SetUpMinTimer()
{
    HWND window = Window();
    const TRect source = WindowRect(window);
    HWND owner = GetWindow(window, GW_OWNER);
    const TRect target = MinimizeTarget(source, {window, owner}, DesktopCompositionEnabled());
    minTimer_->SetUp(FormSnapshot(form_), source, target, Manager()->AnimEffects.Minimizing.Time, 255);
}

void TFormAnimations::StartMinimizing()
{
    if (!MinimizingActive())
        return;
    StateBits |= fsMinimizeHid;
    OwnAnimationRunning = true;
    const bool restorePending = (StateBits & fsRestorePending) != 0 && minTimer_ && minTimer_->Enabled();
    if (!minTimer_) {
        auto* self = self_.get();
        minTimer_ = std::make_unique<TacMinTimer>(nullptr, TMinimizeEvents{[self] {
                                                                               if (*self)
                                                                                   (*self)->Minimized();
                                                                           },
                                                                           [self] {
                                                                               if (*self)
                                                                                   (*self)->Restored();
                                                                           }});
    }
    // A minimize that catches a restore on its way keeps the path and the
    // picture it already has.
    if (!restorePending) {
        restoreMaximized_ = IsZoomed(Window()) != 0;
        SetUpMinTimer();
    }
    StateBits &= ~fsRestorePending;
    SetWindowOpacity(Window(), 0);
    minTimer_->StartMinimizing();
}

void TFormAnimations::Minimized()
{
    OwnAnimationRunning = false;
    StateBits &= ~fsMinimizeHid;
    RemoveLayeredStyle(Window());
    frame_.RepaintFrame();
}

bool TFormAnimations::StartRestoring()
{
    if ((StateBits & fsRestorePending) || !minTimer_ || !minTimer_->HasPicture() || !MinimizingActive())
        return false;
    StateBits |= fsRestorePending;
    OwnAnimationRunning = true;
    minTimer_->StartRestoring();
    return true;
}

// The picture stands where the window goes: the window appears under it,
// then comes above it.
void TFormAnimations::Restored()
{
    HWND window = Window();
    {
        const TSystemAnimationOff platformAnimationOff;
        ShowWindow(window, restoreMaximized_ ? SW_MAXIMIZE : SW_SHOWNOACTIVATE);
    }
    RemoveLayeredStyle(window);
    StateBits &= ~(fsRestorePending | fsMinimizeHid);
    OwnAnimationRunning = false;
    restoreMaximized_ = false;
    // Showing the window rebuilt its frame image for the restored size; the
    // repaint follows through the message loop, so that the port's refresh
    // gets its turn between the two.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow(window);
}

// The work area changed (the taskbar moved) while a picture is on its way.
void TFormAnimations::Retarget()
{
    HWND window = Window();
    minTimer_->Retarget(MinimizeTarget(minTimer_->Source(), {window, GetWindow(window, GW_OWNER)},
                                       DesktopCompositionEnabled()));
}

bool TFormAnimations::MinimizeMainForm()
{
    HWND window = Window();
    if (!window || IsIconic(window) || !IsWindowVisible(window))
        return false;
    if (!MinimizingActive() || !frame_.DrawNonClientArea)
        return false;
    SuppressOwnAnimations = true;
    StartMinimizing();
    // A composing platform runs its own transitions, which the provider has
    // switched off for this window; without composition its minimize
    // animation is the user's setting, switched off just for this.
    if (DesktopCompositionEnabled()) {
        SuppressOwnAnimations = false;
        return false;
    }
    {
        const TSystemAnimationOff platformAnimationOff;
        ShowWindow(window, SW_MINIMIZE);
    }
    SuppressOwnAnimations = false;
    return true;
}

bool TFormAnimations::RestoreMainForm()
{
    HWND window = Window();
    if (!window || !IsWindowVisible(window) || !frame_.DrawNonClientArea || !MinimizingActive())
        return false;
    if (IsIconic(window) && StartRestoring())
        return true;
    const TSystemAnimationOff platformAnimationOff;
    ShowWindow(window, SW_RESTORE);
    return true;
}

bool TFormAnimations::ShowAnimated(TMessage& message)
{
    const TsSkinManager* manager = Manager();
    if (!manager || !AllowAnimation || SuppressOwnAnimations || !frame_.DrawNonClientArea ||
        !frame_.DrawClientArea || form_.Parent() || !manager->AnimEffects.FormShow.Active ||
        AnimationStepCount(manager->AnimEffects.FormShow.Time) == 0 || !LayeredWindowsAvailable())
        return false;
    form_.HandleNeeded();
    HWND window = Window();
    OwnAnimationRunning = true;
    // Shown see-through, so that the platform's first showing does not
    // flash; the animation's own window shows it until the last frame.
    SetWindowOpacity(window, 1);
    callDefault_(message);
    RemoveLayeredStyle(window);
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) & ~WS_VISIBLE);
    TFormShowRequest request;
    request.Window = window;
    request.Snapshot = FormSnapshot(form_);
    request.TimeMs = manager->AnimEffects.FormShow.Time;
    request.Mode = manager->AnimEffects.FormShow.Mode;
    request.Composited = DesktopCompositionEnabled();
    request.ShowRealWindow = [window] {
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    };
    auto self = std::weak_ptr<TFormAnimations*>(self_);
    request.AfterAnimation = [self](int) {
        if (auto alive = self.lock(); alive && *alive)
            (*alive)->OwnAnimationRunning = false;
    };
    AnimateFormShow(std::move(request));
    return true;
}

// The picture of a window about to be hidden is taken while it still shows.
void TFormAnimations::WindowPosChanging(const TMessage& message)
{
    const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    const TsSkinManager* manager = Manager();
    if (!position || !(position->flags & SWP_HIDEWINDOW) || !manager || !AllowAnimation ||
        SuppressOwnAnimations || form_.Parent() || !manager->AnimEffects.FormHide.Active ||
        AnimationStepCount(manager->AnimEffects.FormHide.Time) == 0 || !IsWindowVisible(Window()) ||
        IsIconic(Window()) || !LayeredWindowsAvailable())
        return;
    StateBits |= fsHideHoldsFrame;
    hidePicture_ = FormSnapshot(form_);
}

void TFormAnimations::WindowPosChanged(TMessage& message)
{
    callDefault_(message);
    const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    if (!position || !(position->flags & SWP_HIDEWINDOW))
        return;
    StateBits &= ~fsHideHoldsFrame;
    const TsSkinManager* manager = Manager();
    if (!manager || hidePicture_.Empty())
        return;
    TWindowHideRequest request;
    request.Window = Window();
    request.Snapshot = std::move(hidePicture_);
    request.TimeMs = manager->AnimEffects.FormHide.Time;
    request.Mode = manager->AnimEffects.FormHide.Mode;
    hidePicture_ = TBitmap();
    AnimateWindowHide(std::move(request));
}

} // namespace pp
