#pragma once
// Solid fills, fades and tints of rectangles of 32-bit bitmaps. Every
// rectangle is clipped to the bitmap; an empty result paints nothing, as
// does a bitmap that is not 32-bit.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <optional>

namespace pp {

// Every pixel of the rectangle becomes the colour (already resolved to RGB)
// with the given alpha.
void FillPixels32(TBitmap& bitmap, const TRect& rect, TColor color, std::uint8_t alpha);

// The rectangle's border strips: top (full width), left (below the top
// strip), bottom (right of the left strip), right (between top and bottom).
struct TFrameStrips {
    TRect Top, Left, Bottom, Right;
};
TFrameStrips FrameStrips(const TRect& rect, int left, int top, int right, int bottom);

// The four strips filled opaque; the colour may be a system colour.
void FillFrame32(TBitmap& bitmap, const TRect& rect, int left, TColor color, int bottom, int right, int top);

// Each pixel keeps `percent` of itself and takes the rest from the colour.
void FadeRectToColor(TBitmap& bitmap, const TRect& rect, int percent, TColor color);

// Each pixel moves `percent` of the way to the colour; its alpha is replaced.
void TintRectWithAlpha(TBitmap& bitmap, const TRect& rect, TColor color, std::uint8_t alpha, int percent);

// Sets the alpha byte; with a key other than clNoKeyColor, only on pixels
// whose whole 32-bit value differs from it.
void SetRectAlpha(TBitmap& bitmap, const TRect& rect, std::uint8_t alpha, TColor key);

// Every pixel other than exactly 0x00FF00FF keeps `keep` (0..1) of itself and
// takes the rest from the colour.
void TintImage(TBitmap& bitmap, TColor color, double keep);

// Colour channels scaled by alpha, for the layered-window update. A fully
// transparent white pixel becomes 0.
void PremultiplyPixels(TBitmap& bitmap, std::optional<TRect> rect = std::nullopt);

// Copies a 32- or 24-bit source to (x, y) except pixels equal to the key (red,
// green and blue compared); copied pixels become opaque. clNoKeyColor copies all.
void CopyImageWithKey(TBitmap& dest, const TBitmap& source, int x, int y, TColor key);

// Copies the 32-bit pixels of `sourceRect` in `source` to `at` in `dest`, as
// they are, clipped to both bitmaps.
void CopyBlock(TBitmap& dest, TPoint at, const TBitmap& source, const TRect& sourceRect);

} // namespace pp
