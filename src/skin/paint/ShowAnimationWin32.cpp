#include "skin/paint/ShowAnimationWin32.h"

#include "skin/paint/AnimationPlayerWin32.h"
#include "skin/paint/AnimationWindowWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/WindowAnimationSteps.h"
#include "skin/pixels/Fills.h"

#include <memory>

namespace pp {
namespace {

// 48 ms on a composing platform, in animation ticks.
constexpr int CompositionSettleTicks = 4;

TBitmap Opaque(TBitmap picture)
{
    picture.SetFormat(TPixelFormat::pf32bit);
    SetRectAlpha(picture, picture.Bounds(), 0xFF, clNoKeyColor);
    return picture;
}

void ShowRealWindowNow(const TFormShowRequest& request)
{
    if (request.ShowRealWindow)
        request.ShowRealWindow();
    RedrawWindow(request.Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FireAfterAnimation(const std::function<void(int)>& after)
{
    if (after)
        after(0);
}

class TShowAnimation : public TFramedAnimation {
public:
    explicit TShowAnimation(TFormShowRequest request)
        : request_(std::move(request)), steps_(AnimationStepCount(request_.TimeMs)), window_(request_.Window)
    {
        request_.Snapshot = Opaque(std::move(request_.Snapshot));
        window_.Push(request_.Snapshot, 0);
        // The first frame follows at once, the others 12 ms apart.
        PushFrame(step_++);
    }

    bool Tick() override
    {
        if (step_ <= steps_) {
            PushFrame(step_++);
            return false;
        }
        if (!realWindowShown_) {
            realWindowShown_ = true;
            settleTicks_ = request_.Composited ? CompositionSettleTicks : 0;
            ShowRealWindowNow(request_);
        }
        if (settleTicks_-- > 0)
            return false;
        window_.SendBehind(request_.Window);
        return true;
    }
    bool CoversWindow() const override { return !realWindowShown_; }
    std::function<void()> EndEvent() override
    {
        return [after = request_.AfterAnimation, window = request_.Window] {
            // The event belongs to the window's provider, which is gone with the window.
            if (IsWindow(window))
                FireAfterAnimation(after);
        };
    }

private:
    void PushFrame(int i)
    {
        const TAnimationFrame frame = ShowAnimationFrame(i, steps_, request_.FinalAlpha,
                                                         request_.Snapshot.Size(), request_.Mode);
        window_.Push(AnimationFramePicture(request_.Snapshot, frame), frame.Alpha);
    }

    TFormShowRequest request_;
    int steps_;
    int step_ = 0;
    int settleTicks_ = 0;
    bool realWindowShown_ = false;
    TacAnimationWindow window_;
};

} // namespace

void AnimateFormShow(TFormShowRequest request)
{
    const int steps = AnimationStepCount(request.TimeMs);
    if (steps == 0 || !LayeredWindowsAvailable() || !IsWindow(request.Window) || request.Snapshot.Empty()) {
        ShowRealWindowNow(request);
        FireAfterAnimation(request.AfterAnimation);
        return;
    }
    PlayAnimation(std::make_unique<TShowAnimation>(std::move(request)));
}

} // namespace pp
