#include "PaintTestSupport.h"

#include "skin/pixels/ColorOps.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace pp {
namespace {

using test::At;

TEST(BlendColors, RoundsHalvesToEvenAndKeepsTheFirstTopByte)
{
    EXPECT_EQ(BlendColors(0xAA010301, 0x00000000, 0.5), 0xAA000200u);
    EXPECT_EQ(BlendColors(0x00FFFFFF, 0x00000000, 0.4), 0x00666666u);
    EXPECT_EQ(BlendColors(0x00123456, 0x00ABCDEF, 1.0), 0x00123456u);
    EXPECT_EQ(BlendColors(0x00123456, 0x00ABCDEF, 0.0), 0x00ABCDEFu);
}

TEST(AdjustSaturation, MovesChannelsAroundTheirMean)
{
    struct Case {
        int Amount;
        std::uint32_t Color, Expected;
    } cases[] = {
        {0, 0xAB0A143C, 0xAB0A143C},   {-100, 0xAB0A143C, 0xAB1E1E1E}, // mean 30
        {100, 0xAB0A143C, 0xAB000A5A},                                 // 2b - m, clamped at 0
        {-50, 0x00000003, 0x00000002},                                 // m = 1: 0 -> 0.5 -> 0, 3 -> 2
        {400, 0x0000FF00, 0x0000FF00},                                 // clamps both ways
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustSaturation(c.Amount, c.Color), c.Expected) << c.Amount;
}

TEST(RotateHue, TurnsPrimariesAndSparesGreysAndWholeTurns)
{
    struct Case {
        int Degrees;
        std::uint32_t Pixel, Expected;
    } cases[] = {
        {120, 0x00FF0000, 0x0000FF00},  // red -> green (pixel order 0xAARRGGBB)
        {240, 0x00FF0000, 0x000000FF},  // red -> blue
        {-120, 0x00FF0000, 0x000000FF}, // negative turns wrap
        {60, 0x7FFF0000, 0x7FFFFF00},   // red -> yellow, top byte kept
        {360, 0x00FF6400, 0x00FF6400},  // hue 23.5 would round; a whole turn must not
        {720, 0x00FF6400, 0x00FF6400},  {90, 0x00808080, 0x00808080},
        {0, 0x12345678, 0x12345678},    {180, 0x00000000, 0x00000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RotateHue(c.Degrees, c.Pixel), c.Expected) << c.Degrees << " " << std::hex << c.Pixel;
}

TEST(RotateHue, RotatingByAThirdThreeTimesReturns)
{
    const std::uint32_t c = 0x00C83214;
    EXPECT_EQ(RotateHue(120, RotateHue(120, RotateHue(120, c))), c);
}

TEST(RotateHue, RoundsExactHalvesToEven)
{
    struct Case {
        int Degrees;
        std::uint32_t Pixel, Expected;
    } cases[] = {
        // r 129, g 82, b 211: V 211, delta 129, H = 240 + 60 * 47 / 129 = 261.86;
        // + 28 gives 290: sector 4, f = 50/60. t = 211 - 10/60 * 129 = 189.5 -> 190,
        // p = 82: (t, p, V).
        {28, 0x008152D3, 0x00BE52D3},
        // r 200, g 0, b 2: V 200, delta 200, H = 60 * -2 / 200 + 360 = 359.4;
        // + 2 gives 361.4 -> 361 -> 1: sector 0, f = 1/60. t = 200 - 59/60 * 200
        // = 3.33 -> 3, p = 0: (V, t, p).
        {2, 0x00C80002, 0x00C80300},
        // r 100, g 40, b 0: V 100, delta 100, H = 60 * 40 / 100 = 24; + 21 gives 45:
        // f = 45/60, t = 100 - 15/60 * 100 = 75 exactly; + 22 gives 46:
        // t = 100 - 14/60 * 100 = 76.67 -> 77.
        {21, 0x00642800, 0x00644B00},
        {22, 0x00642800, 0x00644D00},
        // r 255, g 6, b 0: H = 60 * 6 / 255 = 1.41; + 1 gives 2.41 -> 2:
        // t = 255 - 58/60 * 255 = 8.5 -> 8 (even).
        {1, 0x00FF0600, 0x00FF0800},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RotateHue(c.Degrees, c.Pixel), c.Expected) << c.Degrees << " " << std::hex << c.Pixel;
}

// A fraction in lowest terms with a positive denominator: the hue rotation
// done step by step as written, without the integer shortcuts of the code.
struct TFraction {
    long long Num = 0, Den = 1;
    TFraction(long long n = 0, long long d = 1)
    {
        const long long g = std::gcd(n, d) * (d < 0 ? -1 : 1);
        Num = n / g;
        Den = d / g;
    }
    friend TFraction operator+(TFraction a, TFraction b)
    {
        return {a.Num * b.Den + b.Num * a.Den, a.Den * b.Den};
    }
    friend TFraction operator-(TFraction a, TFraction b)
    {
        return {a.Num * b.Den - b.Num * a.Den, a.Den * b.Den};
    }
    friend TFraction operator*(TFraction a, TFraction b) { return {a.Num * b.Num, a.Den * b.Den}; }
    friend TFraction operator/(TFraction a, TFraction b) { return {a.Num * b.Den, a.Den * b.Num}; }
    long long Floor() const { return Num >= 0 ? Num / Den : -((-Num + Den - 1) / Den); }
    long long Nearest() const
    {
        const long long down = Floor();
        const TFraction rest = *this - TFraction(down);
        if (rest.Num * 2 > rest.Den || (rest.Num * 2 == rest.Den && down % 2 != 0))
            return down + 1;
        return down;
    }
};

std::uint32_t ExactRotateHue(int degrees, std::uint32_t c)
{
    if (degrees % 360 == 0)
        return c;
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    const int v = std::max({r, g, b});
    const TFraction delta(v - std::min({r, g, b}));
    const TFraction s = v == 0 ? TFraction(0) : delta / TFraction(v);
    if (s.Num == 0)
        return (c & 0xFF00FFFFu) | (std::uint32_t(v) << 16);
    TFraction hue = r == v   ? TFraction(60 * (g - b)) / delta
                    : g == v ? TFraction(120) + TFraction(60 * (b - r)) / delta
                             : TFraction(240) + TFraction(60 * (r - g)) / delta;
    if (hue.Num < 0)
        hue = hue + TFraction(360);
    const long long turned = ((hue + TFraction(degrees)).Nearest() % 360 + 360) % 360;
    const TFraction h = TFraction(turned, 60);
    const long long i = h.Floor();
    const TFraction f = h - TFraction(i), one(1), V(v);
    const auto byte = [](TFraction x) { return std::uint32_t(std::clamp<long long>(x.Nearest(), 0, 255)); };
    const std::uint32_t p = byte(V * (one - s)), q = byte(V * (one - f * s)),
                        t = byte(V * (one - (one - f) * s));
    const std::uint32_t vv = std::uint32_t(v);
    const std::uint32_t rgb[6][3] = {{vv, t, p}, {q, vv, p}, {p, vv, t}, {p, q, vv}, {t, p, vv}, {vv, p, q}};
    const auto& o = rgb[std::min<long long>(i, 5)];
    return (c & 0xFF000000u) | (o[0] << 16) | (o[1] << 8) | o[2];
}

TEST(RotateHue, AgreesWithExactArithmeticOnRandomColours)
{
    std::mt19937 rng(2718);
    std::uniform_int_distribution<int> degrees(-1000, 1000);
    int mismatches = 0;
    for (int n = 0; n < 300000; ++n) {
        const std::uint32_t c = rng();
        const int d = degrees(rng);
        const std::uint32_t expected = ExactRotateHue(d, c);
        if (RotateHue(d, c) != expected && ++mismatches <= 5)
            ADD_FAILURE() << d << " on " << std::hex << c << " gives " << RotateHue(d, c) << ", exact "
                          << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(RotateHueOfColor, WorksOnColourValues)
{
    EXPECT_EQ(RotateHueOfColor(120, 0x0000FF), 0x00FF00u);
    EXPECT_EQ(RotateHueOfColor(240, 0x0000FF), 0xFF0000u);
}

std::uint32_t Invert(int, std::uint32_t c) { return c ^ 0x00FFFFFFu; }

TEST(ApplyToPixels, SparesTheKeyComparedInAllFourBytes)
{
    TBitmap b = test::Bitmap32(3, 1, {0x00FF00FF, 0xFFFF00FF, 0x00000000});
    ApplyToPixels(b, &Invert, 0, clKeyColor);
    EXPECT_EQ(At(b, 0, 0), 0x00FF00FFu);
    EXPECT_EQ(At(b, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(At(b, 2, 0), 0x00FFFFFFu);
    ApplyToPixels(b, &RotateHue, 120, clNoKeyColor);
    EXPECT_EQ(At(b, 0, 0), 0x00FFFF00u); // magenta (hue 300) turned to yellow
}

TEST(MakeGrey, AveragesWithTruncationAndKeepsAlpha)
{
    TBitmap b = test::Bitmap32(2, 1, {0x7F010204, 0x00FF00FF});
    MakeGrey(b, clKeyColor);
    EXPECT_EQ(At(b, 0, 0), 0x7F020202u);
    EXPECT_EQ(At(b, 1, 0), 0x00FF00FFu);
    MakeGrey(b);
    EXPECT_EQ(At(b, 1, 0), 0x00AAAAAAu);
}

} // namespace
} // namespace pp
