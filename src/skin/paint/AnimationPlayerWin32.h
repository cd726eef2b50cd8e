#pragma once
// Plays window animations frame by frame on one 12 ms timer of the GUI
// thread. The animations of the show and the skin change could be played
// in a loop with sleeps, but that would hold the message loop for the whole
// animation; a port tool must keep its refresh, flasher and running light
// ticking while its windows animate.
#include <functional>
#include <memory>

namespace pp {

class TFramedAnimation {
public:
    virtual ~TFramedAnimation() = default;
    // One 12 ms step; true once the animation is over.
    virtual bool Tick() = 0;
    // Still covering its window: the process-wide form-animation flag stays set.
    virtual bool CoversWindow() const = 0;
    // Called once the animation has ended and its windows are gone.
    virtual std::function<void()> EndEvent() { return nullptr; }
};

// Starts playing; the first step comes at the next tick.
void PlayAnimation(std::unique_ptr<TFramedAnimation> animation);
// Animations not ended yet.
int RunningAnimations();

} // namespace pp
