#include "skin/paint/HintShape.h"

#include "skin/pixels/PixelMath.h"
#include "skin/pixels/RoundRect.h"

#include <algorithm>

namespace pp {

namespace {

// Twice the signed area of (a, b, p) with p at a pixel centre.
double EdgeSide(TPoint a, TPoint b, double px, double py)
{
    return (b.X - a.X) * (py - a.Y) - (b.Y - a.Y) * (px - a.X);
}

// Balloon: five ellipses from the body towards the tip, each smaller.
void PaintBalloonTail(TBitmap& bitmap, const THintShape& shape, TBGRA color)
{
    const TPoint start{(shape.Body.Left + shape.Body.Right) / 2, (shape.Body.Top + shape.Body.Bottom) / 2};
    double w = shape.Body.Width() / 4.0;
    double h = shape.Body.Height() / 4.0;
    for (int i = 1; i <= 5; ++i) {
        const double t = 0.5 + i * 0.1;
        const int cx = RoundHalfEven(start.X + (shape.Tip.X - start.X) * t);
        const int cy = RoundHalfEven(start.Y + (shape.Tip.Y - start.Y) * t);
        const int rw = std::max(2, RoundHalfEven(w));
        const int rh = std::max(2, RoundHalfEven(h));
        FillRoundRect(bitmap, TRect::FromBounds(cx - rw / 2, cy - rh / 2, rw, rh), rw, rh, color);
        w *= 0.7;
        h *= 0.7;
    }
}

} // namespace

void FillTriangle(TBitmap& bitmap, TPoint a, TPoint b, TPoint c, TBGRA color)
{
    if (!Is32Bit(bitmap))
        return;
    const TRect box{std::min({a.X, b.X, c.X}), std::min({a.Y, b.Y, c.Y}), std::max({a.X, b.X, c.X}) + 1,
                    std::max({a.Y, b.Y, c.Y}) + 1};
    const TRect clip = ClipToBitmap(box, bitmap);
    const bool clockwise = EdgeSide(a, b, c.X, c.Y) >= 0;
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        TBGRA* row = bitmap.Row32(y);
        for (int x = clip.Left; x < clip.Right; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double e1 = EdgeSide(a, b, px, py), e2 = EdgeSide(b, c, px, py),
                         e3 = EdgeSide(c, a, px, py);
            const bool inside = clockwise ? (e1 >= 0 && e2 >= 0 && e3 >= 0) : (e1 <= 0 && e2 <= 0 && e3 <= 0);
            if (inside)
                row[x] = color;
        }
    }
}

void PaintHintShape(TBitmap& bitmap, const THintShape& shape, TBGRA color)
{
    const TRect outline{shape.Body.Left, shape.Body.Top, shape.Body.Right + 1, shape.Body.Bottom + 1};
    if (outline.IsEmpty())
        return;
    switch (shape.Style) {
    case THintStyle::hsComics: FillRoundRect(bitmap, outline, shape.Radius, shape.Radius, color); break;
    case THintStyle::hsEllipse:
    case THintStyle::hsBalloon:
        FillRoundRect(bitmap, outline, outline.Width(), outline.Height(), color);
        break;
    default: FillRoundRect(bitmap, shape.Body, 0, 0, color); return;
    }
    if (shape.Style == THintStyle::hsBalloon) {
        PaintBalloonTail(bitmap, shape, color);
        return;
    }
    const int baseY = (shape.Body.Top + shape.Body.Bottom) / 2;
    FillTriangle(bitmap, shape.Tip, {shape.BaseCentreX - shape.BaseHalfWidth, baseY},
                 {shape.BaseCentreX + shape.BaseHalfWidth, baseY}, color);
}

THintShape HintWindowShape(TSize window, const THintLook& look, THintTail tail)
{
    const TRect body = HintBodyRect(window, look, tail);
    return {look.Style,      body, look.Radius, HintTailTip(window, tail), (body.Left + body.Right) / 2,
            body.Width() / 8};
}

void PaintHintMask(TBitmap& mask, const THintLook& look, THintTail tail, std::uint8_t shapeGrey)
{
    FillRoundRect(mask, mask.Bounds(), 0, 0, TBGRA{255, 255, 255, 255});
    PaintHintShape(mask, HintWindowShape(mask.Size(), look, tail),
                   TBGRA{shapeGrey, shapeGrey, shapeGrey, 255});
}

} // namespace pp
