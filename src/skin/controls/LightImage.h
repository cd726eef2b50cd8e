#pragma once
// The running light as the gauge draws it: the embedded light picture
// stretched to 300 pixels along the bar and to the bar's thickness, and
// its blend into the bar through the progress section's light mask.
#include "core/Bitmap.h"
#include "core/Geometry.h"

namespace pp {

// The light picture (32-bit with alpha) stretched to 300 x `thickness`.
// When the gauge is lower than the picture, rows are skipped at the top so
// that the brighter edge rows are not squeezed into a thin bar:
// ((picture height - thickness) div 2) + 1 of them, none when that would
// leave fewer rows than skipped. Empty for an empty picture or thickness.
TBitmap BuildLightImage(const TBitmap& picture, int thickness, int controlHeight);

// Rows of the picture skipped at the top for a bar of this thickness.
int LightRowsSkipped(int pictureHeight, int thickness, int controlHeight);

// Blends the light into `bar` inside `lightRect` (bar coordinates), pixel
// by pixel through `mask` (bar-sized, its red channel m): the light's alpha
// a weighs fully where m is 0, (255 - m) * a / 256 in between, not at all
// where m is 255; each colour channel moves toward the light by that
// weight / 256. The light pixel over bar column x is column x - position.
void BlendLightThroughMask(TBitmap& bar, const TRect& lightRect, const TBitmap& light, int position,
                           const TBitmap& mask);

} // namespace pp
