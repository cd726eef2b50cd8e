#pragma once
// Where a button's fade stands: which way it runs, its current frame and
// how many frames it has. A control keeps one fade timer and reuses it for
// the next state change.
namespace pp {

// 0: no fade; 1 and 2: a fade running (toward the hot look and back).
enum TFadeDirection : int { fdNone = 0, fdIn = 1, fdOut = 2 };

struct TFadeProgress {
    int Direction = fdNone;
    int Level = 1; // the next frame, counted from 1
    int Iterations = 0;
};

// The progress of a (re)started fade. `reused` says the control's timer
// already existed: its level then stands at `fadingIterations` (the
// section's FADINGITERATIONS), and the iterations follow the direction the
// timer still holds from its last fade (1: that level, 2: what is left of
// the section's count). `halve` (press and release) halves them. A level
// that lies outside 1..iterations - 1 starts over at 1. The direction is
// left as it was; the caller sets the new one.
TFadeProgress RestartFade(TFadeProgress previous, bool reused, int fadingIterations, bool halve);

// The fade is over once its level has left 0..iterations.
bool FadeOver(const TFadeProgress& progress);

} // namespace pp
