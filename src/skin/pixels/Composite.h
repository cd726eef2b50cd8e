#pragma once
// Per-pixel alpha composites of 32-bit images onto 32-bit bitmaps, with the
// key colour standing for "show what lies behind".
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/pixels/BackdropInfo.h"

namespace pp {

// `sourceRect` of `source` composited onto `dest` at destRect's top-left,
// limited to destRect's size: out = D + (S - D) * Sa / 256, and the
// destination alpha grows by Sa * (255 - Da) div 255. When the backdrop has
// an image, key-coloured source pixels are not composited: with
// `fillKeyedPixels` the destination takes the backdrop pixel (opaque).
void CompositeAlpha(const TRect& destRect, TBitmap& dest, const TRect& sourceRect, const TBitmap& source,
                    const BackdropInfo& backdrop, bool fillKeyedPixels);

// Glyphs and images: `transparency` percent fades the source, a tint colour
// (or clNoKeyColor) recolours its grey values, and `reflection` draws a
// fading mirror image below the destination rectangle.
void CompositeAlphaEx(const TRect& destRect, const TRect& sourceRect, TBitmap& dest, bool reflection,
                      int transparency, TColor tint, bool fillKeyedPixels, const BackdropInfo& backdrop,
                      const TBitmap& source);

} // namespace pp
