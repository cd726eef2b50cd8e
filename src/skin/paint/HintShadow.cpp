#include "skin/paint/HintShadow.h"

#include "skin/paint/HintShape.h"
#include "skin/pixels/PixelMath.h"
#include "skin/pixels/RoundRect.h"
#include "skin/pixels/SoftShadow.h"

#include <algorithm>

namespace pp {

namespace {

// How much faster than the body the tail's base narrows ring by ring.
double TailNarrowing(TSize window, const TRect& body, THintTail tail)
{
    const double half = body.Height() / 2.0;
    if (IsTopTail(tail))
        return (half + body.Top) / (body.Top + 1.0);
    return (window.Height - (body.Bottom - half)) / (window.Height - body.Bottom + 1.0);
}

THintShape RingShape(TSize window, const THintLook& look, THintTail tail, int ring, double narrowing)
{
    THintShape shape = HintWindowShape(window, look, tail);
    const int baseHalfWidth = shape.Body.Width() / 8;
    const int centreX = shape.BaseCentreX;
    const TRect moved = shape.Body.Offset(look.ShadowOffset, look.ShadowOffset);
    shape.Body = moved.Inflate(-ring, -ring);
    shape.BaseCentreX = centreX + look.ShadowBlur;
    const double k = ring == 0 ? 0.0 : narrowing;
    shape.BaseHalfWidth = std::max(0, baseHalfWidth - RoundHalfEven(2 * ring * k));
    return shape;
}

void MultiplyInto(TBitmap& work, const TBitmap& rings)
{
    for (int y = 0; y < work.Height(); ++y) {
        TBGRA* p = work.Row32(y);
        const TBGRA* m = rings.Row32(y);
        for (int x = 0; x < work.Width(); ++x) {
            p[x].R = std::uint8_t(p[x].R * m[x].R / 255);
            p[x].G = std::uint8_t(p[x].G * m[x].G / 255);
            p[x].B = std::uint8_t(p[x].B * m[x].B / 255);
        }
    }
}

void DrawShadowRings(TBitmap& work, const THintLook& look, THintTail tail, int baseGrey)
{
    const int rings = std::max(0, look.ShadowBlur);
    const double step = (255.0 - baseGrey) / (rings + 1);
    const TRect moved = HintBodyRect(work.Size(), look, tail).Offset(look.ShadowOffset, look.ShadowOffset);
    const double narrowing = TailNarrowing(work.Size(), moved, tail);
    TBitmap mask(work.Width(), work.Height());
    FillRoundRect(mask, mask.Bounds(), 0, 0, TBGRA{255, 255, 255, 255});
    for (int e = 0; e <= rings; ++e) {
        const std::uint8_t grey = ClampByte(RoundHalfEven((rings - e) * step) + baseGrey);
        PaintHintShape(mask, RingShape(work.Size(), look, tail, e, narrowing), TBGRA{grey, grey, grey, 255});
    }
    MultiplyInto(work, mask);
}

} // namespace

int HintShadowTransparency(const THintLook& look)
{
    return RoundHalfEven((100 - look.ShadowTransparency) * std::max(look.Transparency, 0) / 100.0 +
                         look.ShadowTransparency);
}

void DrawHintShadow(TBitmap& work, const THintLook& look, THintTail tail)
{
    if (!Is32Bit(work))
        return;
    FillRoundRect(work, work.Bounds(), 0, 0, TBGRA{255, 255, 255, 255});
    if (!look.ShadowEnabled)
        return;
    const int transparency = HintShadowTransparency(look);
    if (IsShapedHintStyle(look.Style)) {
        DrawShadowRings(work, look, tail, transparency * 255 / 100);
        return;
    }
    const int s = HintShadowSize(look);
    DrawSoftShadow(work, work.Bounds().Offset(s, s), transparency, 0, look.ShadowBlur, clBlack);
}

} // namespace pp
