#include "skin/pixels/ColorOps.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {
namespace {

std::uint8_t ByteAt(std::uint32_t c, int shift) { return std::uint8_t(c >> shift); }

std::uint32_t WithLowBytes(std::uint32_t c, std::uint8_t b2, std::uint8_t b1, std::uint8_t b0)
{
    return (c & 0xFF000000u) | (std::uint32_t(b2) << 16) | (std::uint32_t(b1) << 8) | b0;
}


double HueOf(double r, double g, double b, double v, double delta)
{
    double h;
    if (r == v)
        h = 60.0 * (g - b) / delta;
    else if (g == v)
        h = 120.0 + 60.0 * (b - r) / delta;
    else
        h = 240.0 + 60.0 * (r - g) / delta;
    return h < 0 ? h + 360.0 : h;
}

} // namespace

TColor BlendColors(TColor a, TColor b, double weight)
{
    const auto mix = [weight](int ca, int cb) { return RoundToByte(weight * ca + (1.0 - weight) * cb); };
    return WithLowBytes(a, mix(BlueOf(a), BlueOf(b)), mix(GreenOf(a), GreenOf(b)), mix(RedOf(a), RedOf(b)));
}

std::uint32_t AdjustSaturation(int amount, std::uint32_t color)
{
    if (amount == 0)
        return color;
    const int b0 = ByteAt(color, 0), b1 = ByteAt(color, 8), b2 = ByteAt(color, 16);
    const double mean = (b0 + b1 + b2) / 3.0;
    const auto move = [&](int b) { return RoundToByte(b - (mean - b) * amount / 100.0); };
    return WithLowBytes(color, move(b2), move(b1), move(b0));
}

std::uint32_t RotateHue(int degrees, std::uint32_t c)
{
    // A whole turn is no change; rotating would only round the hue.
    if (degrees % 360 == 0)
        return c;
    const double r = ByteAt(c, 16), g = ByteAt(c, 8), b = ByteAt(c, 0);
    const double v = std::max({r, g, b});
    const double delta = v - std::min({r, g, b});
    const double s = v == 0 ? 0 : delta / v;
    if (s == 0)
        return (c & 0xFF00FFFFu) | (std::uint32_t(RoundToByte(v)) << 16);
    int rotated = RoundHalfEven(HueOf(r, g, b, v, delta) + degrees) % 360;
    if (rotated < 0)
        rotated += 360;
    const double h = rotated / 60.0;
    const int i = static_cast<int>(h);
    const double f = h - i;
    const std::uint8_t V = RoundToByte(v);
    const std::uint8_t p = RoundToByte(v * (1 - s));
    const std::uint8_t q = RoundToByte(v * (1 - f * s));
    const std::uint8_t t = RoundToByte(v * (1 - (1 - f) * s));
    switch (i) {
    case 0: return WithLowBytes(c, V, t, p);
    case 1: return WithLowBytes(c, q, V, p);
    case 2: return WithLowBytes(c, p, V, t);
    case 3: return WithLowBytes(c, p, q, V);
    case 4: return WithLowBytes(c, t, p, V);
    default: return WithLowBytes(c, V, p, q);
    }
}

TColor RotateHueOfColor(int degrees, TColor color)
{
    return SwapChannelOrder(RotateHue(degrees, SwapChannelOrder(color)));
}

void ApplyToPixels(TBitmap& bitmap, TPixelColorFunction fn, int argument, TColor key)
{
    if (fn == nullptr)
        return;
    const bool keyed = key != clNoKeyColor;
    ForEachPixelIn(bitmap, bitmap.Bounds(), [&](TBGRA& p) {
        const std::uint32_t v = PixelValue(p);
        if (!keyed || v != key)
            p = PixelFromValue(fn(argument, v));
    });
}

void MakeGrey(TBitmap& bitmap, TColor key)
{
    const bool keyed = key != clNoKeyColor;
    ForEachPixelIn(bitmap, bitmap.Bounds(), [&](TBGRA& p) {
        if (keyed && PixelValue(p) == key)
            return;
        const std::uint8_t grey = std::uint8_t((p.R + p.G + p.B) / 3);
        p = TBGRA{grey, grey, grey, p.A};
    });
}

} // namespace pp
