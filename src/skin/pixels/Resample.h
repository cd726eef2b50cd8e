#pragma once
// Scaling bitmaps with one of seven filter kernels, in two separable passes
// with integer weights.
#include "core/Bitmap.h"

#include <vector>

namespace pp {

enum TResampleFilter : int {
    rfBox = 0,
    rfTriangle = 1,
    rfHermite = 2,
    rfBell = 3,
    rfBSpline = 4,
    rfWindowedSine = 5,
    rfMitchell = 6,
};

// k(x) for the signed distance x (the box kernel is half open: (-0.5, 0.5]).
double FilterKernel(int filter, double x);
double FilterSupport(int filter);

// One source sample's share in a destination sample; weights scaled by 65536.
struct TContribution {
    int Source = 0;
    int Weight = 0;
};
// For each of `newCount` destination samples the contributing source samples
// of `oldCount`, mirrored at the ends and kept inside the source.
std::vector<std::vector<TContribution>> ResampleContributions(int oldCount, int newCount, int filter);

// `dest` becomes `source` scaled to newWidth x newHeight. A 32-bit source
// filters all four channels; any other is read as 24-bit and gives 24-bit,
// also at the same size. A zero height does nothing at all; otherwise
// pp::Exception "Source bitmap is too small" is thrown when the source is
// narrower or lower than 2 pixels, `dest` then unchanged. After that check a
// negative size does nothing and a zero width gives an empty bitmap. An
// unknown filter number uses the Mitchell filter.
void ResampleBitmap(const TBitmap& source, TBitmap& dest, int newWidth, int filter, int newHeight);

} // namespace pp
