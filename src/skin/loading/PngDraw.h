#pragma once
// Drawing a decoded PNG onto a 32-bit bitmap (a canvas's pixels).
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/PngImage.h"

namespace pp {

// Draws `png` into `destRect` of `target` (32 bits), clipped to the target.
// A 32-bit image is composited with its alpha over what the target already
// holds; others are copied opaque. When destRect has another size than the
// image, it is scaled first, colour and alpha alike, with area averaging.
void DrawPngGraphic(const TPNGGraphic& png, TBitmap& target, const TRect& destRect);

} // namespace pp
