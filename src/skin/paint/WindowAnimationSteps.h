#pragma once
// The frames of the window animations: a form fading (or fading and
// zooming, "aero") in when shown, out when hidden, and a skin change
// blending the old picture into the new one. One frame every 12 ms.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/SkinManagerOptions.h"

namespace pp {

inline constexpr int WindowAnimationStepMs = 12;

// Time div 12: 0 steps plays nothing.
int AnimationStepCount(int timeMs);

struct TAnimationFrame {
    int Alpha = 0;        // the constant alpha the frame is pushed with
    TRect Picture;        // where the snapshot is stretched to, in the window
    bool Cleared = false; // the frame starts transparent black (aero)
};

// Frame i (0..steps) of a show animation of a window of `size`: the alpha
// rises by final / steps and stops at final; in aero mode the picture grows
// from an inset of an eighth of the size on each side to the whole window.
TAnimationFrame ShowAnimationFrame(int i, int steps, int finalAlpha, TSize size, TacAnimType mode);

// Frame i (0..steps) of a hide animation: the alpha falls by start / steps,
// not below 0; in aero mode the picture shrinks from the whole window by
// an eighth of the size per side over the steps.
TAnimationFrame HideAnimationFrame(int i, int steps, int startAlpha, TSize size, TacAnimType mode);

// The picture a frame pushes: the snapshot itself, or (aero) transparent
// black with the snapshot stretched into the frame's rectangle.
TBitmap AnimationFramePicture(const TBitmap& snapshot, const TAnimationFrame& frame);

// Frame i (0..steps) of the skin-change blend without layered windows:
// the old picture's weight c = 255 - i * (255 div steps).
int SkinChangeOldWeight(int i, int steps);

} // namespace pp
