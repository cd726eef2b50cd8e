#pragma once
// Gaussian blur of one-byte coverage masks (255 = nothing there, 0 = covered).
#include "core/Bitmap.h"

#include <array>

namespace pp {

// Weights for offsets -HalfWidth..HalfWidth (stored from index 0), summing
// to 1; the tails that together stay under half a grey level are trimmed.
struct TGaussianKernel {
    static constexpr int MaxHalfWidth = 100;
    int HalfWidth = 0;
    std::array<float, 2 * MaxHalfWidth + 1> Weights{};
    float Weight(int offset) const { return Weights[std::size_t(offset + HalfWidth)]; }
};

// A radius of zero or less gives the identity kernel.
TGaussianKernel MakeGaussianKernel(double radius);

// Blurs rows, then columns, of a pfMask8 bitmap in place; edges repeat
// outward. Any other bitmap is left alone.
void BlurCoverageMask(TBitmap& mask, double radius);

} // namespace pp
