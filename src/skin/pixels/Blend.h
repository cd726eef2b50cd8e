#pragma once
// Blending one 32-bit bitmap onto another with a constant weight, a weight
// bitmap or a grey mask. The weight w is that of the pixel already there:
// out = (w * (D - S) + S * 256) >> 8, so 255 keeps nearly all of the old
// pixel and 0 takes the new one. Alpha bytes are not changed.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

namespace pp {

// `sourceRect` of `source` blended onto `dest` at `at`, clipped to both.
void BlendRectangle(TBitmap& dest, const TBitmap& source, int weight, TPoint at, const TRect& sourceRect);

// The whole source onto the destination; nothing when the sizes differ.
void BlendWholeBitmaps(TBitmap& dest, const TBitmap& source, int weight);

// output = second + (first - second) * w / 256 per channel; `output` may be
// one of the inputs or a third bitmap. Nothing unless all three are the same size.
void BlendThroughWeights(TBitmap& output, const TBitmap& first, const TBitmap& second, int weight);
// The same with the weight read per channel from a weight bitmap of that size.
void BlendThroughWeights(TBitmap& output, const TBitmap& first, const TBitmap& second,
                         const TBitmap& weights);

// Pulls the bitmap toward the colour where the mask (same size) is dark:
// a black mask gives the colour, a white one keeps the pixel.
void ColorizeByMask(TBitmap& bitmap, const TBitmap& mask, TColor color);

} // namespace pp
