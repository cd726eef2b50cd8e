#include "skin/pixels/Blend.h"

#include "skin/pixels/BlendRows.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {
namespace {

bool SameSize32(const TBitmap& a, const TBitmap& b)
{
    return Is32Bit(a) && Is32Bit(b) && a.Size() == b.Size();
}

template <typename WeightOf>
void BlendThrough(TBitmap& output, const TBitmap& first, const TBitmap& second, WeightOf weightOf)
{
    for (int y = 0; y < output.Height(); ++y) {
        const TBGRA* f = first.Row32(y);
        const TBGRA* s = second.Row32(y);
        TBGRA* o = output.Row32(y);
        for (int x = 0; x < output.Width(); ++x) {
            const TBGRA w = weightOf(x, y);
            o[x] = TBGRA{MixChannel(f[x].B, s[x].B, w.B), MixChannel(f[x].G, s[x].G, w.G),
                         MixChannel(f[x].R, s[x].R, w.R), o[x].A};
        }
    }
}

} // namespace

void BlendRectangle(TBitmap& dest, const TBitmap& source, int weight, TPoint at, const TRect& sourceRect)
{
    if (!Is32Bit(dest) || !Is32Bit(source))
        return;
    const TBlitArea area = ClipBlit(dest, at, sourceRect, source);
    const int w = std::clamp(weight, 0, 255);
    for (int y = 0; y < area.Dest.Height(); ++y)
        BlendRow(dest.Row32(area.Dest.Top + y) + area.Dest.Left,
                 source.Row32(area.Source.Y + y) + area.Source.X, area.Dest.Width(), w);
}

void BlendWholeBitmaps(TBitmap& dest, const TBitmap& source, int weight)
{
    if (!SameSize32(dest, source))
        return;
    BlendRectangle(dest, source, weight, {0, 0}, source.Bounds());
}

void BlendThroughWeights(TBitmap& output, const TBitmap& first, const TBitmap& second, int weight)
{
    if (!SameSize32(output, first) || !SameSize32(first, second))
        return;
    const std::uint8_t w = std::uint8_t(std::clamp(weight, 0, 255));
    BlendThrough(output, first, second, [w](int, int) { return TBGRA{w, w, w, 0}; });
}

void BlendThroughWeights(TBitmap& output, const TBitmap& first, const TBitmap& second, const TBitmap& weights)
{
    if (!SameSize32(output, first) || !SameSize32(first, second) || !SameSize32(first, weights))
        return;
    BlendThrough(output, first, second, [&weights](int x, int y) { return weights.Row32(y)[x]; });
}

void ColorizeByMask(TBitmap& bitmap, const TBitmap& mask, TColor color)
{
    if (!SameSize32(bitmap, mask))
        return;
    const TBGRA c = PixelFromColor(ColorToRGB(color));
    for (int y = 0; y < bitmap.Height(); ++y) {
        TBGRA* p = bitmap.Row32(y);
        const TBGRA* m = mask.Row32(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            // Red rounds up where green and blue round down; skins were made
            // with this exact mix, so it is kept.
            p[x].R = std::uint8_t(c.R - ((m[x].R * (c.R - p[x].R) + 255) >> 8));
            p[x].G = std::uint8_t((c.G * 256 + (p[x].G - c.G) * m[x].G) >> 8);
            p[x].B = std::uint8_t((c.B * 256 + (p[x].B - c.B) * m[x].B) >> 8);
        }
    }
}

} // namespace pp
