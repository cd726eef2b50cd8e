#include "skin/paint/TextOn32.h"

#include "skin/pixels/PixelMath.h"

namespace pp {
namespace {

// White where the platform drew nothing: it clears the alpha byte of what
// it draws on, or leaves the 255 the scratch was filled with.
bool IsUntouchedWhite(TBGRA p)
{
    return p.B == 0xFF && p.G == 0xFF && p.R == 0xFF && (p.A == 0 || p.A == 0xFF);
}

// With m at most 255 the sum color * 256 + (target - color) * m is at least
// color, never negative: the shift is a plain division rounding down.
TBGRA TextPixel(TBGRA target, TBGRA scratch, TBGRA color)
{
    return {MixChannel(target.B, color.B, scratch.B), MixChannel(target.G, color.G, scratch.G),
            MixChannel(target.R, color.R, scratch.R), 0xFF};
}

} // namespace

void ApplyTextScratch(TBitmap& target, TPoint at, const TBitmap& scratch, TColor color)
{
    if (target.Format() != TPixelFormat::pf32bit || scratch.Format() != TPixelFormat::pf32bit)
        return;
    const TRect placed = TRect::FromBounds(at.X, at.Y, scratch.Width(), scratch.Height());
    const TRect area = IntersectRect(placed, target.Bounds());
    if (area.IsEmpty())
        return;
    const TBGRA pen = PixelFromColor(color);
    for (int y = area.Top; y < area.Bottom; ++y) {
        TBGRA* row = target.Row32(y) + area.Left;
        const TBGRA* text = scratch.Row32(y - at.Y) + (area.Left - at.X);
        for (int x = 0; x < area.Width(); ++x)
            if (!IsUntouchedWhite(text[x]))
                row[x] = TextPixel(row[x], text[x], pen);
    }
}

} // namespace pp
