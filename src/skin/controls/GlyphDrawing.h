#pragma once
// Drawing one image of a multi-image glyph into a 32-bit bitmap: palette and
// 24-bit glyphs with their key colour (the bottom-left pixel's, unless given)
// left out, 32-bit glyphs with their own alpha; optionally see-through or
// greyed.
#include "core/Bitmap.h"

namespace pp {

struct TGlyphLook {
    int Image = 0;
    int NumGlyphs = 1;
    int Transparency = 0; // percent: 0 opaque, 100 invisible
    bool Grayed = false;
    TColor Key = clNone; // left out of keyed glyphs; clNone: the bottom-left pixel's colour
};

// A 32-bit glyph whose alpha bytes are all 0 carries no alpha at all.
bool GlyphHasAlpha(const TBitmap& glyph);

void DrawGlyphImage(TBitmap& target, TPoint pos, const TBitmap& glyph, const TGlyphLook& look);

} // namespace pp
