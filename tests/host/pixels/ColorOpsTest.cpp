#include "PaintTestSupport.h"

#include "skin/pixels/ColorOps.h"

#include <gtest/gtest.h>

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
        {0, 0xAB0A143C, 0xAB0A143C},
        {-100, 0xAB0A143C, 0xAB1E1E1E}, // mean 30
        {100, 0xAB0A143C, 0xAB000A5A},  // 2b - m, clamped at 0
        {-50, 0x00000003, 0x00000002},  // m = 1: 0 -> 0.5 -> 0, 3 -> 2
        {400, 0x0000FF00, 0x0000FF00},  // clamps both ways
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
        {720, 0x00FF6400, 0x00FF6400},
        {90, 0x00808080, 0x00808080},
        {0, 0x12345678, 0x12345678},
        {180, 0x00000000, 0x00000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RotateHue(c.Degrees, c.Pixel), c.Expected) << c.Degrees << " " << std::hex << c.Pixel;
}

TEST(RotateHue, RotatingByAThirdThreeTimesReturns)
{
    const std::uint32_t c = 0x00C83214;
    EXPECT_EQ(RotateHue(120, RotateHue(120, RotateHue(120, c))), c);
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
