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

// a / b rounded to the nearest integer, halves to even; a >= 0, b > 0.
int DivideHalfEven(int a, int b)
{
    const int q = a / b, twiceRest = 2 * (a % b);
    return (twiceRest > b || (twiceRest == b && q % 2 != 0)) ? q + 1 : q;
}

// The hue in degrees as a fraction over delta (may be negative): the sector
// of the largest channel plus 60 times the difference of the other two.
int HueOverDelta(int r, int g, int b, int v, int delta)
{
    if (r == v)
        return 60 * (g - b);
    if (g == v)
        return 120 * delta + 60 * (b - r);
    return 240 * delta + 60 * (r - g);
}

// nearest(hue + degrees) into 0..359. Two whole turns added keep the
// numerator positive (the hue is at least -60, the rest of the degrees above
// -360); an even number added does not change how a half rounds.
int RotatedHue(int r, int g, int b, int v, int delta, int degrees)
{
    const int numerator = HueOverDelta(r, g, b, v, delta) + (degrees % 360 + 720) * delta;
    return DivideHalfEven(numerator, delta) % 360;
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
    const int r = ByteAt(c, 16), g = ByteAt(c, 8), b = ByteAt(c, 0);
    const int v = std::max({r, g, b});
    const int delta = v - std::min({r, g, b});
    if (delta == 0)
        return c;
    // With S = delta / v and f = F / 60 the channels are exact fractions over
    // 60: p = v - delta, q = v - F * delta / 60, t = v - (60 - F) * delta / 60.
    // Integers round their halves to even on every build; doubles would
    // leave that to the evaluation order.
    const int hue = RotatedHue(r, g, b, v, delta, degrees);
    const int sector = hue / 60, within = hue % 60;
    const auto V = std::uint8_t(v);
    const auto p = std::uint8_t(v - delta);
    const auto q = std::uint8_t(DivideHalfEven(60 * v - within * delta, 60));
    const auto t = std::uint8_t(DivideHalfEven(60 * v - (60 - within) * delta, 60));
    switch (sector) {
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
