#pragma once
// What the animations share within the process. Everything runs on the GUI
// thread, so these are plain values.
namespace pp {

struct TAnimationState {
    // A show, hide-preparation, dialog or skin-change animation is playing:
    // skinned controls paint only into a print target meanwhile, and form
    // frames and regions are left alone.
    bool FormAnimation = false;
    // The session is ending: no fade starts and running fades draw nothing.
    bool ShutdownPending = false;
};

inline TAnimationState AnimationState;

} // namespace pp
