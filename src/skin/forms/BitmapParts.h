#pragma once
// Copies of rectangular parts of 32-bit bitmaps, and putting them back.
#include "core/Bitmap.h"
#include "core/Geometry.h"

namespace pp {

// The part `r` of `image` (which must lie inside it) as a bitmap of its own.
TBitmap CopyOfArea(const TBitmap& image, const TRect& r);
// Puts `part`, whose top-left pixel belongs at `at` in `image`, back into
// `image` where it meets `r`.
void PasteArea(TBitmap& image, const TBitmap& part, TPoint at, const TRect& r);

} // namespace pp
