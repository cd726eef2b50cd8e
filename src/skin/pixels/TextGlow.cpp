#include "skin/pixels/TextGlow.h"

#include "skin/pixels/Blur.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {
namespace {

int Margin(int size) { return std::max(1, size) + 4; }

std::uint8_t TowardGlow(int c, int glow, int m) { return std::uint8_t(glow + (c - glow) * m / 255); }

} // namespace

TRect GlowMaskRect(const TRect& textRect, int size)
{
    const int m = Margin(size);
    return textRect.Offset(1, 1).Inflate(m, m);
}

void PrepareGlowMask(TBitmap& holder, const TRect& textRect, int size, int sides,
                     const TGlowTextPainter& paintText)
{
    const TRect g = GlowMaskRect(textRect, size);
    if (holder.Format() == TPixelFormat::pfMask8 && holder.Width() == g.Width() &&
        holder.Height() == g.Height() && !holder.Empty())
        return;
    holder = TBitmap(g.Width(), g.Height(), TPixelFormat::pfMask8);
    holder.Fill(TBGRA{0, 0, 0, 0xFF});
    const int m = Margin(size);
    const TRect at = TRect::FromBounds(m, m, textRect.Width(), textRect.Height());
    static constexpr struct {
        int Bit, Dx, Dy;
    } shifts[] = {{glowLeft, -1, 0}, {glowTop, 0, -1}, {glowRight, 1, 0}, {glowBottom, 0, 1}};
    for (const auto& s : shifts)
        if (sides & s.Bit)
            paintText(holder, at.Offset(s.Dx, s.Dy));
    paintText(holder, at);
    BlurCoverageMask(holder, std::max(1, size));
}

void ApplyGlowMask(TBitmap& target, const TBitmap& mask, TPoint maskOrigin, TColor glow)
{
    if (!Is32Bit(target) || mask.Format() != TPixelFormat::pfMask8)
        return;
    const TBGRA g = PixelFromColor(ColorToRGB(glow));
    const TRect area = IntersectRect(
        TRect::FromBounds(maskOrigin.X, maskOrigin.Y, mask.Width(), mask.Height()), target.Bounds());
    for (int y = area.Top; y < area.Bottom; ++y) {
        const std::uint8_t* m = mask.ScanLine(y - maskOrigin.Y);
        TBGRA* row = target.Row32(y);
        for (int x = area.Left; x < area.Right; ++x) {
            const int v = m[x - maskOrigin.X];
            if (v == 255)
                continue;
            TBGRA& p = row[x];
            p = TBGRA{TowardGlow(p.B, g.B, v), TowardGlow(p.G, g.G, v), TowardGlow(p.R, g.R, v),
                      std::uint8_t(p.A + (255 - v) * (255 - p.A) / 255)};
        }
    }
}

} // namespace pp
