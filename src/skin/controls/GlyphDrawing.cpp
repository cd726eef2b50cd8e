#include "skin/controls/GlyphDrawing.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {

namespace {

TColor Grey(TColor c)
{
    const int level = (RedOf(c) * 77 + GreenOf(c) * 151 + BlueOf(c) * 28) >> 8;
    return MakeColor(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(level),
                     static_cast<std::uint8_t>(level));
}

} // namespace

bool GlyphHasAlpha(const TBitmap& glyph)
{
    if (glyph.Format() != TPixelFormat::pf32bit)
        return false;
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (glyph.Pixel32(x, y).A != 0)
                return true;
    return false;
}

void DrawGlyphImage(TBitmap& target, TPoint pos, const TBitmap& glyph, const TGlyphLook& look)
{
    if (glyph.Empty() || target.Empty() || target.Format() != TPixelFormat::pf32bit)
        return;
    const int count = std::max(look.NumGlyphs, 1);
    const int width = glyph.Width() / count;
    const int image = std::clamp(look.Image, 0, count - 1);
    const bool alpha = GlyphHasAlpha(glyph);
    const TColor key = look.Key == clNone ? glyph.PixelColor(0, glyph.Height() - 1) : look.Key;
    const int opacity = 255 * (100 - std::clamp(look.Transparency, 0, 100)) / 100;

    for (int y = 0; y < glyph.Height(); ++y) {
        const int ty = pos.Y + y;
        if (ty < 0 || ty >= target.Height())
            continue;
        for (int x = 0; x < width; ++x) {
            const int tx = pos.X + x;
            if (tx < 0 || tx >= target.Width())
                continue;
            const int sx = image * width + x;
            TColor color = glyph.PixelColor(sx, y);
            int pixelOpacity = opacity;
            if (alpha)
                pixelOpacity = pixelOpacity * glyph.Pixel32(sx, y).A / 255;
            else if (color == key)
                continue;
            if (look.Grayed)
                color = Grey(color);
            TBGRA& under = target.Pixel32(tx, ty);
            under.R = MixChannel255(RedOf(color), under.R, pixelOpacity);
            under.G = MixChannel255(GreenOf(color), under.G, pixelOpacity);
            under.B = MixChannel255(BlueOf(color), under.B, pixelOpacity);
        }
    }
}

} // namespace pp
