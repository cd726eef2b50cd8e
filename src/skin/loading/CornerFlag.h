#pragma once
// Whether the corner cells of a bordered image hold transparent (key-colour)
// pixels: the painter then has to cut the window's corners.
#include "core/Bitmap.h"
#include "skin/loading/SkinImages.h"

namespace pp {

// Scans the four corner cells of the first frame in the mask's own bitmap,
// or else in `master`. Cells are clipped to the bitmap; a mask without pixels
// has no key pixels.
std::int16_t ComputeCornerFlag(const TsMaskData& mask, const TBitmap& master);

} // namespace pp
