#include "skin/paint/AnimationPlayerWin32.h"

#include "skin/paint/AnimationState.h"
#include "skin/paint/ThreadedTimerWin32.h"
#include "skin/paint/WindowAnimationSteps.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <vector>

namespace pp {
namespace {

class TacAnimationPlayer : public TacThreadedTimer {
public:
    TacAnimationPlayer() : TacThreadedTimer(Application, true) { SetInterval(WindowAnimationStepMs); }
    ~TacAnimationPlayer() override;

    void Add(std::unique_ptr<TFramedAnimation> animation)
    {
        animations_.push_back(std::move(animation));
        UpdateFormAnimationFlag();
        SetEnabled(true);
    }
    int Running() const { return static_cast<int>(animations_.size()); }

protected:
    void Tick() override
    {
        // An animation's events may start another one: it lands in animations_.
        std::vector<std::unique_ptr<TFramedAnimation>> running;
        running.swap(animations_);
        std::vector<std::function<void()>> ended;
        for (auto& animation : running) {
            if (!animation->Tick()) {
                animations_.push_back(std::move(animation));
                continue;
            }
            ended.push_back(animation->EndEvent());
            animation.reset();
        }
        UpdateFormAnimationFlag();
        SetEnabled(!animations_.empty());
        for (const auto& event : ended)
            if (event)
                event();
    }

private:
    void UpdateFormAnimationFlag()
    {
        AnimationState.FormAnimation = std::any_of(animations_.begin(), animations_.end(),
                                                   [](const auto& a) { return a->CoversWindow(); });
    }

    std::vector<std::unique_ptr<TFramedAnimation>> animations_;
};

// Made on first use, owned by the application.
TacAnimationPlayer* player = nullptr;

TacAnimationPlayer::~TacAnimationPlayer() { player = nullptr; }

} // namespace

void PlayAnimation(std::unique_ptr<TFramedAnimation> animation)
{
    if (!player)
        player = new TacAnimationPlayer();
    player->Add(std::move(animation));
}

int RunningAnimations() { return player ? player->Running() : 0; }

} // namespace pp
