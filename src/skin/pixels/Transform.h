#pragma once
// Quarter turns, and 32-bit images with alpha made from a picture stacked
// above its mask.
#include "core/Bitmap.h"
#include "core/Geometry.h"

#include <memory>

namespace pp {

// A new bitmap of swapped size turned a quarter clockwise or counter-clockwise;
// none when the source is not 32-bit.
std::unique_ptr<TBitmap> RotateBitmap90(const TBitmap& source, bool clockwise);
// The same, and with `freeSource` the source is released afterwards.
std::unique_ptr<TBitmap> RotateBitmap90(std::unique_ptr<TBitmap>& source, bool clockwise, bool freeSource);

// `rect` (clipped to the image) holds the picture in its top half and the
// mask in its bottom half, black meaning opaque. The result has the
// picture's pixels with alpha 255 minus the mask's red; none when the
// rectangle's width or half height is 0.
std::unique_ptr<TBitmap> AlphaFromMaskedImage(const TBitmap& image, const TRect& rect);

} // namespace pp
