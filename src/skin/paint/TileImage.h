#pragma once
// Repeating an image over a rectangle with block copies.
#include "core/Bitmap.h"
#include "core/Geometry.h"

namespace pp {

// `sourceRect` of a 32-bit `source` (inside it) repeated in its own size
// from `origin`, drawn over `r` clipped to the target. Pixels are copied as
// they are.
void TileRect(TBitmap& target, const TRect& r, const TBitmap& source, const TRect& sourceRect, TPoint origin);

// A whole image (a plain picture or a decoded JPEG texture, in any format)
// repeated over `r` from its top-left corner, opaque.
void TileImage(TBitmap& canvas, const TRect& r, const TBitmap& image);

} // namespace pp
