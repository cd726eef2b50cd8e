#pragma once
// One frame of a button's fade from its old look to its new one.
#include "core/Bitmap.h"

namespace pp {

// The new look's share of frame `level` (counted from 1) of `iterations`:
// level * 255 div iterations, so the last frame is the new look alone. 255
// for a fade without iterations, which has no frames in between.
int FadeFrameWeight(int level, int iterations);

// A copy of the old look with the new one blended over it by that share.
// Looks of different sizes (the control was resized during the fade) give
// the new look alone.
TBitmap MakeFadeFrame(const TBitmap& oldLook, const TBitmap& newLook, int level, int iterations);

} // namespace pp
