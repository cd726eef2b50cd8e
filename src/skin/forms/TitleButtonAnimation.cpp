#include "skin/forms/TitleButtonAnimation.h"

#include "skin/paint/EffectFormWin32.h"
#include "skin/paint/LayeredWindowWin32.h"

#include <algorithm>

namespace pp {

TitleButtonSlot::TitleButtonSlot() = default;
TitleButtonSlot::~TitleButtonSlot() = default;

TacSBAnimation::TacSBAnimation(TitleButtonSlot& slot, THooks hooks)
    : slot_(slot), hooks_(std::move(hooks)), timer_(nullptr)
{
    timer_.SetEnabled(false);
    timer_.SetInterval(TitleButtonFrameMs);
    timer_.SetOnTimer([this](TObject*) { Tick(); });
}

TacSBAnimation::~TacSBAnimation() { timer_.SetEnabled(false); }

HWND TacSBAnimation::OverlayWindow() const { return overlay_ ? overlay_->HandleValue() : nullptr; }

void TacSBAnimation::RunTimer(bool on) { timer_.SetEnabled(on); }

int TacSBAnimation::StepOpacity(int step) const
{
    const int steps = std::max(1, Steps);
    return std::clamp(std::min(step, steps) * (255 / steps), 0, 255);
}

void TacSBAnimation::FreeOverlay()
{
    overlay_.reset();
    picture_ = {};
    hasPicture_ = false;
}

void TacSBAnimation::Start(int state)
{
    const bool fromRest = !Active();
    const bool press = state == tsPressed;
    Target = state;
    Steps = press ? 1 : TitleButtonFadeSteps;
    if (press) {
        // The pressed look replaces whatever shows, at full opacity, in
        // the same window: the pointer that pressed may lie over it, and
        // destroying the window under a held button loses its release.
        hasPicture_ = false;
        Step = Steps;
    }
    if (state == tsNormal) {
        FadingIn = false;
        Step = std::min(Step, Steps + 1) - 1;
        Draw(StepOpacity(Step));
        --Step;
        RunTimer(true);
        return;
    }
    FadingIn = true;
    if (!fromRest && !press) {
        // A new look fades in from where the old one stood.
        hasPicture_ = false;
        Step = std::clamp(Step, 1, Steps);
    } else if (fromRest && !press) {
        Step = 1;
    }
    Draw(StepOpacity(Step));
    ++Step;
    RunTimer(Steps > 1 || !fromRest);
}

void TacSBAnimation::Tick()
{
    if (!FadingIn) {
        if (Step <= 0) {
            Stop();
            return;
        }
        Draw(StepOpacity(Step));
        --Step;
        return;
    }
    if (Step > Steps) {
        // Fully shown: from here on the fade only watches the cursor.
        if (hooks_.CursorInside && !hooks_.CursorInside()) {
            RunTimer(false);
            if (hooks_.Left)
                hooks_.Left();
            return;
        }
        if (Steps != -1) {
            Steps = -1;
            Draw(255);
        }
        return;
    }
    Draw(StepOpacity(Step));
    ++Step;
}

void TacSBAnimation::Stop()
{
    RunTimer(false);
    Target = -1;
    Step = 0;
    FreeOverlay();
}

void TacSBAnimation::Draw(int opacity)
{
    if (!hasPicture_ && hooks_.Picture) {
        picture_ = hooks_.Picture(Target);
        hasPicture_ = true;
    }
    if (picture_.Picture.Width() <= 0 || picture_.Screen.IsEmpty())
        return;
    if (!overlay_)
        overlay_ = std::make_unique<TacEffectForm>(nullptr, WS_EX_LAYERED | WS_EX_TRANSPARENT, true);
    const TRect& r = picture_.Screen;
    TLayeredPush push;
    push.Window = overlay_->Handle();
    push.Position = {r.Left, r.Top};
    push.Size = {r.Width(), r.Height()};
    push.Picture = &picture_.Picture;
    push.Alpha = opacity;
    PushLayeredWindow(push);
    if (!IsWindowVisible(push.Window))
        overlay_->ShowAbove(hooks_.Form, r);
}

} // namespace pp
