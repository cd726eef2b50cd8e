#pragma once
// The glow around text: a coverage mask of the text, blurred, laid onto the
// target in the glow colour. Drawing the text into the mask needs the
// platform's text output; everything else is here.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

#include <functional>

namespace pp {

// Side bits: which one-pixel shifts of the text are drawn into the mask.
inline constexpr int glowLeft = 1, glowTop = 2, glowRight = 4, glowBottom = 8;

// Where the glow mask lies in target coordinates: the text rectangle moved
// by (1, 1) and grown by size + 4 on every side.
TRect GlowMaskRect(const TRect& textRect, int size);

// Draws the text in black onto the white mask, with its top-left at `at`
// (mask coordinates) and the text rectangle's size.
using TGlowTextPainter = std::function<void(TBitmap& mask, const TRect& at)>;

// Makes the mask in `holder` unless it already has exactly the glow's size:
// the text drawn once plain and once per side bit shifted by one pixel, then
// blurred with the glow size as radius.
void PrepareGlowMask(TBitmap& holder, const TRect& textRect, int size, int sides,
                     const TGlowTextPainter& paintText);

// Every mask byte m other than 255 pulls its target pixel toward the glow
// colour: c = glow + (c - glow) * m div 255, a += (255 - m) * (255 - a) div 255.
// Mask pixels outside the target are skipped.
void ApplyGlowMask(TBitmap& target, const TBitmap& mask, TPoint maskOrigin, TColor glow);

} // namespace pp
