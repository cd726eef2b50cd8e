#include "skin/paint/ShowAnimationWin32.h"

#include "skin/paint/AnimationState.h"
#include "skin/paint/AnimationWindowWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/ThreadedTimerWin32.h"
#include "skin/paint/WindowAnimationSteps.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace pp {
namespace {

// 48 ms on a composing platform, in animation ticks.
constexpr int CompositionSettleTicks = 4;

TBitmap Opaque(TBitmap picture)
{
    picture.SetFormat(TPixelFormat::pf32bit);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.Pixel32(x, y).A = 255;
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

class TShowAnimation {
public:
    explicit TShowAnimation(TFormShowRequest request)
        : request_(std::move(request)), steps_(AnimationStepCount(request_.TimeMs)), window_(request_.Window)
    {
        request_.Snapshot = Opaque(std::move(request_.Snapshot));
        window_.Push(request_.Snapshot, 0);
    }

    // One 12 ms tick; true once the animation is over.
    bool Tick()
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
    bool RealWindowShown() const { return realWindowShown_; }
    const std::function<void(int)>& AfterAnimation() const { return request_.AfterAnimation; }

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

// One timer plays every running show animation.
class TacShowTimer : public TacThreadedTimer {
public:
    TacShowTimer() : TacThreadedTimer(Application, true) { SetInterval(WindowAnimationStepMs); }
    ~TacShowTimer() override;

    void Add(std::unique_ptr<TShowAnimation> animation)
    {
        animations_.push_back(std::move(animation));
        UpdateFormAnimationFlag();
        SetEnabled(true);
    }
    int Running() const { return static_cast<int>(animations_.size()); }

protected:
    void Tick() override
    {
        std::vector<std::unique_ptr<TShowAnimation>> running;
        running.swap(animations_);
        // An animation's events may start another one: it lands in animations_.
        std::vector<std::function<void(int)>> ended;
        for (auto& animation : running) {
            if (!animation->Tick()) {
                animations_.push_back(std::move(animation));
                continue;
            }
            ended.push_back(animation->AfterAnimation());
            animation.reset();
        }
        UpdateFormAnimationFlag();
        SetEnabled(!animations_.empty());
        // Told once the temporary windows are gone.
        for (const auto& after : ended)
            FireAfterAnimation(after);
    }

private:
    void UpdateFormAnimationFlag()
    {
        AnimationState.FormAnimation = std::any_of(animations_.begin(), animations_.end(),
                                                   [](const auto& a) { return !a->RealWindowShown(); });
    }

    std::vector<std::unique_ptr<TShowAnimation>> animations_;
};

// Made on first use, owned by the application.
TacShowTimer* showTimer = nullptr;

TacShowTimer::~TacShowTimer() { showTimer = nullptr; }

TacShowTimer& ShowTimer()
{
    if (!showTimer)
        showTimer = new TacShowTimer();
    return *showTimer;
}

} // namespace

void AnimateFormShow(TFormShowRequest request)
{
    const int steps = AnimationStepCount(request.TimeMs);
    if (steps == 0 || !LayeredWindowsAvailable() || !IsWindow(request.Window) || request.Snapshot.Empty()) {
        ShowRealWindowNow(request);
        FireAfterAnimation(request.AfterAnimation);
        return;
    }
    ShowTimer().Add(std::make_unique<TShowAnimation>(std::move(request)));
}

int RunningShowAnimations() { return showTimer ? showTimer->Running() : 0; }

} // namespace pp
