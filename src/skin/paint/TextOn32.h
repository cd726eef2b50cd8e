#pragma once
// Text on bitmaps that keep an alpha channel (the bitmaps of translucent
// windows): the platform draws each text pass black on white into a
// scratch bitmap, and the scratch is laid onto the target here, so that
// every pixel the text touched ends up opaque and every other pixel keeps
// its colour and alpha.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

namespace pp {

// Lays `scratch` (32 bits, text black on white) onto the 32-bit target with
// its top-left pixel at `at`, in `color` (an RGB colour value). Each scratch
// pixel that is not pure white gives per channel m = its own channel value,
// and the target channel becomes (color * 256 + (target - color) * m) >> 8:
// black takes the colour, lighter greys keep that much of the target. Such
// pixels get alpha 255. Pure white (0xFFFFFF with alpha 0 or 255) leaves
// the target pixel as it is. Scratch pixels outside the target are skipped.
void ApplyTextScratch(TBitmap& target, TPoint at, const TBitmap& scratch, TColor color);

} // namespace pp
