#pragma once
// How decoded images are prepared for the skin engine.
#include "core/Bitmap.h"

namespace pp {

// Skins up to this version carry straight alpha in their PNG images; later
// ones are premultiplied when loaded.
inline constexpr double LastStraightAlphaSkinVersion = 7.45;

// For 32-bit images only (others are left alone): a fully transparent white
// pixel (0x00FFFFFF) becomes 0 in every skin; for skins newer than 7.45 every
// other pixel's colour is multiplied by its alpha (c * a / 256, rounded down).
void ApplySkinPngAlpha(TBitmap& image, double skinVersion);

// Only the first of those two steps (fully transparent white becomes 0).
void ClearTransparentWhite(TBitmap& image);

// Converts an image that is not 32 bits to 32 bits with alpha 255, except
// key-colour pixels (0xFF00FF), which get alpha 0. A 32-bit image is kept
// as it is, its alpha included.
void ConvertToSkin32(TBitmap& image);

} // namespace pp
