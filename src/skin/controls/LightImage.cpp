#include "skin/controls/LightImage.h"

#include "skin/controls/GaugeLight.h"
#include "skin/paint/NearestStretch.h"
#include "skin/pixels/PixelMath.h"

namespace pp {

int LightRowsSkipped(int pictureHeight, int thickness, int controlHeight)
{
    if (controlHeight >= pictureHeight)
        return 0;
    const int skip = (pictureHeight - thickness) / 2 + 1;
    return thickness < 2 * skip ? 0 : skip;
}

TBitmap BuildLightImage(const TBitmap& picture, int thickness, int controlHeight)
{
    if (!Is32Bit(picture) || thickness <= 0)
        return {};
    TBitmap light(GaugeLightLength, thickness);
    const int skip = LightRowsSkipped(picture.Height(), thickness, controlHeight);
    const TRect source{0, skip, picture.Width(), picture.Height()};
    StretchNearest(light, light.Bounds(), picture, source);
    return light;
}

namespace {

int LightWeight(int maskValue, int lightAlpha)
{
    if (maskValue == 0)
        return lightAlpha;
    if (maskValue == 255)
        return 0;
    return (255 - maskValue) * lightAlpha / 256;
}

} // namespace

void BlendLightThroughMask(TBitmap& bar, const TRect& lightRect, const TBitmap& light, int position,
                           const TBitmap& mask)
{
    TRect r = ClipToBitmap(lightRect, bar);
    r = IntersectRect(r, mask.Bounds());
    r = IntersectRect(r, light.Bounds().Offset(position, 0));
    if (r.IsEmpty() || !Is32Bit(light) || !Is32Bit(mask) || !Is32Bit(bar))
        return;
    for (int y = r.Top; y < r.Bottom; ++y) {
        TBGRA* b = bar.Row32(y);
        const TBGRA* l = light.Row32(y);
        const TBGRA* m = mask.Row32(y);
        for (int x = r.Left; x < r.Right; ++x) {
            const TBGRA lp = l[x - position];
            const int w = LightWeight(m[x].R, lp.A);
            b[x].B = MixChannel(lp.B, b[x].B, w);
            b[x].G = MixChannel(lp.G, b[x].G, w);
            b[x].R = MixChannel(lp.R, b[x].R, w);
        }
    }
}

} // namespace pp
