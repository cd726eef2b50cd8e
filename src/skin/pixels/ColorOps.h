#pragma once
// Mixing, saturation and hue of single colours, and applying a colour
// function to every pixel of a bitmap (how a skin is recoloured).
#include "core/Bitmap.h"
#include "core/Color.h"

#include <cstdint>

namespace pp {

// Per channel nearest(w * a + (1 - w) * b); the top byte is a's.
TColor BlendColors(TColor a, TColor b, double weight);

// Moves the three low bytes away from their mean by `amount` percent
// (negative: toward it). Works in either channel order; the top byte stays.
std::uint32_t AdjustSaturation(int amount, std::uint32_t color);

// Rotates the hue of a pixel-order colour (0xAARRGGBB) by whole degrees.
std::uint32_t RotateHue(int degrees, std::uint32_t pixelColor);
// The same for a colour value with red in the low byte.
TColor RotateHueOfColor(int degrees, TColor color);

// A colour function as ApplyToPixels takes it: argument, pixel as 0xAARRGGBB.
using TPixelColorFunction = std::uint32_t (*)(int argument, std::uint32_t pixel);

// Applies `fn` to every pixel, rows top to bottom; with a key other than
// clNoKeyColor, pixels whose whole 32-bit value equals it are spared.
void ApplyToPixels(TBitmap& bitmap, TPixelColorFunction fn, int argument, TColor key);

// Red, green and blue become their mean (div 3); alpha stays. Pixels whose
// whole value equals the key are left alone.
void MakeGrey(TBitmap& bitmap, TColor key = clNoKeyColor);

} // namespace pp
