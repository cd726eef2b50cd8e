#include "skin/paint/HideTimerWin32.h"

#include "skin/paint/AnimationWindowWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/WindowAnimationSteps.h"
#include "toolkit/Application.h"

namespace pp {
namespace {

// Idle between animations: slow and without anything to do.
constexpr std::uint32_t IdleInterval = 65535;

TacHideTimer* hideTimer = nullptr;

bool ApplicationTerminating() { return Application && Application->Terminated(); }

} // namespace

TacHideTimer::TacHideTimer(TComponent* owner) : TacThreadedTimer(owner, true) { SetInterval(IdleInterval); }

TacHideTimer::~TacHideTimer()
{
    FireAfterAnimation();
    if (hideTimer == this)
        hideTimer = nullptr;
}

void TacHideTimer::Play(TWindowHideRequest request)
{
    // A hide still running is cut short; its window still hears that it ended.
    FireAfterAnimation();
    window_.reset();
    request_ = std::move(request);
    fired_ = false;
    steps_ = AnimationStepCount(request_.TimeMs);
    step_ = 0;
    window_ = std::make_unique<TacAnimationWindow>(request_.Window);
    window_->Push(request_.Snapshot, request_.StartAlpha);
    if (ApplicationTerminating()) {
        // The message loop has ended: no tick would come.
        while (Running()) {
            Sleep(WindowAnimationStepMs);
            Tick();
        }
        return;
    }
    SetInterval(WindowAnimationStepMs);
    SetEnabled(true);
}

void TacHideTimer::Tick()
{
    if (!window_)
        return;
    if (step_ > steps_) {
        Finish();
        return;
    }
    PushFrame();
    ++step_;
}

void TacHideTimer::PushFrame()
{
    const TAnimationFrame frame = HideAnimationFrame(step_, steps_, request_.StartAlpha,
                                                     request_.Snapshot.Size(), request_.Mode);
    window_->Push(AnimationFramePicture(request_.Snapshot, frame), frame.Alpha);
}

void TacHideTimer::Finish()
{
    SetEnabled(false);
    SetInterval(IdleInterval);
    window_.reset();
    request_.Snapshot = TBitmap();
    FireAfterAnimation();
}

void TacHideTimer::FireAfterAnimation()
{
    if (fired_)
        return;
    fired_ = true;
    const auto after = std::move(request_.AfterAnimation);
    request_.AfterAnimation = nullptr;
    // The event belongs to the hidden window's provider, which is gone
    // with the window.
    if (after && IsWindow(request_.Window))
        after(1);
}

void AnimateWindowHide(TWindowHideRequest request)
{
    if (AnimationStepCount(request.TimeMs) == 0 || !LayeredWindowsAvailable() || !IsWindow(request.Window) ||
        request.Snapshot.Empty()) {
        if (request.AfterAnimation)
            request.AfterAnimation(1);
        return;
    }
    if (!hideTimer)
        hideTimer = new TacHideTimer(Application);
    hideTimer->Play(std::move(request));
}

TacHideTimer* HideTimer() { return hideTimer; }

} // namespace pp
