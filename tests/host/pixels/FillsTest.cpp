#include "PaintTestSupport.h"

#include "skin/pixels/Fills.h"
#include "skin/pixels/PixelMath.h"

#include <gtest/gtest.h>

#include <string>

namespace pp {
namespace {

using test::At;

TEST(SwapChannelOrder, ExchangesRedAndBlueOnly)
{
    EXPECT_EQ(SwapChannelOrder(0x11223344u), 0x11443322u);
    EXPECT_EQ(SwapChannelOrder(SwapChannelOrder(0xA1B2C3D4u)), 0xA1B2C3D4u);
    EXPECT_EQ(SwapChannelOrder(clKeyColor), clKeyColor);
}

TEST(FillPixels32, WritesColourInPixelOrderWithAlpha)
{
    TBitmap b = test::Filled32(4, 2, 0);
    FillPixels32(b, {-3, 1, 2, 5}, 0x0000FF, 0x80);
    EXPECT_EQ(At(b, 0, 1), 0x80FF0000u);
    EXPECT_EQ(At(b, 1, 1), 0x80FF0000u);
    EXPECT_EQ(At(b, 2, 1), 0u);
    EXPECT_EQ(At(b, 0, 0), 0u);
}

TEST(FillPixels32, FullWidthBandsStopAtTheirFirstAndLastRow)
{
    // Rows that cover the whole width are filled as one run of pixels.
    for (int width = 1; width <= 9; ++width)
        for (int top = 0; top < 3; ++top)
            for (int bottom = top + 1; bottom <= 4; ++bottom) {
                TBitmap b = test::Filled32(width, 4, 0x01010101);
                FillPixels32(b, {-1, top, width + 3, bottom}, 0xABCDEF, 0x12);
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < width; ++x)
                        ASSERT_EQ(At(b, x, y), y >= top && y < bottom ? 0x12EFCDABu : 0x01010101u)
                            << width << " rows " << top << ".." << bottom << " at " << x << "," << y;
            }
}

TEST(FillPixels32, FillsEveryRectangleExactlyWhateverItsAlignment)
{
    // The row fill has aligned, block and tail parts: every start column and
    // width up to a few blocks must touch exactly the rectangle.
    for (int left = 0; left < 5; ++left)
        for (int width = 0; width <= 37; ++width) {
            TBitmap b = test::Filled32(45, 2, 0x01010101);
            FillPixels32(b, {left, 1, left + width, 2}, 0xABCDEF, 0x12);
            for (int x = 0; x < 45; ++x) {
                ASSERT_EQ(At(b, x, 0), 0x01010101u);
                ASSERT_EQ(At(b, x, 1), x >= left && x < left + width ? 0x12EFCDABu : 0x01010101u)
                    << left << " " << width << " " << x;
            }
        }
}

// Which pixels a frame fill touched, as text rows ('#' painted).
std::string Painted(const TBitmap& b)
{
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x)
            s += At(b, x, y) ? '#' : '.';
        s += '\n';
    }
    return s;
}

TEST(FillFrame32, FillsTheFourStripsOnly)
{
    TBitmap b = test::Filled32(7, 6, 0);
    FillFrame32(b, {1, 0, 7, 6}, /*left*/ 1, 0x00FF00, /*bottom*/ 2, /*right*/ 2, /*top*/ 1);
    EXPECT_EQ(Painted(b),
              ".######\n"
              ".#...##\n"
              ".#...##\n"
              ".#...##\n"
              ".######\n"
              ".######\n");
    EXPECT_EQ(At(b, 1, 0), 0xFF00FF00u);
}

TEST(FadeRectToColor, KeepsPercentOfEachChannel)
{
    struct Case {
        int Percent;
        std::uint32_t Pixel, Color, Expected;
    } cases[] = {
        {100, 0x7F123456, 0xFFFFFF, 0x7F123456}, // unchanged, alpha too
        {0, 0x7F123456, 0x0000FF, 0x7FFF0000},   // the colour; red is the low byte of a colour value
        {50, 0x00010301, 0x000000, 0x00000200},  // 0.5 -> 0 and 1.5 -> 2: halves to even
    };
    for (const Case& c : cases) {
        TBitmap b = test::Filled32(1, 1, c.Pixel);
        FadeRectToColor(b, b.Bounds(), c.Percent, c.Color);
        EXPECT_EQ(At(b, 0, 0), c.Expected) << c.Percent;
    }
}

TEST(TintRectWithAlpha, MovesTowardTheColourAndReplacesAlpha)
{
    TBitmap b = test::Filled32(2, 1, 0x100A0A0A);
    TintRectWithAlpha(b, {0, 0, 1, 1}, 0x000000, 0xC0, 25);
    // 10 - 25 * 10 / 100 = 7.5 -> 8
    EXPECT_EQ(At(b, 0, 0), 0xC0080808u);
    EXPECT_EQ(At(b, 1, 0), 0x100A0A0Au);
}

TEST(SetRectAlpha, SparesPixelsEqualToTheKeyInAllFourBytes)
{
    TBitmap b = test::Bitmap32(3, 1, {0x00FF00FF, 0xFFFF00FF, 0x00123456});
    SetRectAlpha(b, b.Bounds(), 0x80, clKeyColor);
    EXPECT_EQ(At(b, 0, 0), 0x00FF00FFu);
    EXPECT_EQ(At(b, 1, 0), 0x80FF00FFu);
    EXPECT_EQ(At(b, 2, 0), 0x80123456u);
    SetRectAlpha(b, b.Bounds(), 0x11, clNoKeyColor);
    EXPECT_EQ(At(b, 0, 0), 0x11FF00FFu);
}

TEST(TintImage, KeepsAFactorOfEachPixelExceptTheKey)
{
    TBitmap b = test::Bitmap32(2, 1, {0x00FF00FF, 0x40030303});
    TintImage(b, 0x000000, 0.5);
    EXPECT_EQ(At(b, 0, 0), 0x00FF00FFu);
    EXPECT_EQ(At(b, 1, 0), 0x40020202u); // 1.5 -> 2
}

TEST(PremultiplyPixels, ScalesByAlphaAndClearsTransparentWhite)
{
    TBitmap b = test::Bitmap32(4, 1, {0x00FFFFFF, 0x00808080, 0x80FFFFFF, 0xFFFFFFFF});
    PremultiplyPixels(b);
    EXPECT_EQ(At(b, 0, 0), 0u);
    EXPECT_EQ(At(b, 1, 0), 0u);          // alpha-0 grey: black, alpha 0
    EXPECT_EQ(At(b, 2, 0), 0x807F7F7Fu); // (255 * 128) >> 8
    EXPECT_EQ(At(b, 3, 0), 0xFFFEFEFEu); // (255 * 255) >> 8
    TBitmap part = test::Filled32(2, 1, 0x80FFFFFF);
    PremultiplyPixels(part, TRect{1, 0, 2, 1});
    EXPECT_EQ(At(part, 0, 0), 0x80FFFFFFu);
}

TEST(CopyImageWithKey, CopiesOpaqueExceptKeyPixelsAndClips)
{
    const TBitmap src = test::Bitmap32(3, 2,
                                       {0x10FF00FF, 0x10000001, 0x10000002, //
                                        0x10000003, 0x10FF00FF, 0x10000004});
    TBitmap dest = test::Filled32(3, 3, 0x0000AAAA);
    CopyImageWithKey(dest, src, -1, 1, clKeyColor);
    EXPECT_EQ(At(dest, 0, 1), 0xFF000001u);
    EXPECT_EQ(At(dest, 1, 1), 0xFF000002u);
    EXPECT_EQ(At(dest, 0, 2), 0x0000AAAAu); // key pixel: destination shows
    EXPECT_EQ(At(dest, 1, 2), 0xFF000004u);
    EXPECT_EQ(At(dest, 2, 1), 0x0000AAAAu);
    EXPECT_EQ(At(dest, 0, 0), 0x0000AAAAu);
}

TEST(CopyImageWithKey, ReadsTwentyFourBitSourcesAndHonoursNoKey)
{
    TBitmap src(2, 1, TPixelFormat::pf24bit);
    std::uint8_t* row = src.ScanLine(0);
    const std::uint8_t bytes[] = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03};
    std::copy(std::begin(bytes), std::end(bytes), row);
    TBitmap dest = test::Filled32(2, 1, 0);
    CopyImageWithKey(dest, src, 0, 0, 0xFFFFFF);
    EXPECT_EQ(At(dest, 0, 0), 0u);
    EXPECT_EQ(At(dest, 1, 0), 0xFF030201u);
    // Without a key every pixel is copied, white included.
    CopyImageWithKey(dest, src, 0, 0, clNoKeyColor);
    EXPECT_EQ(At(dest, 0, 0), 0xFFFFFFFFu);
}

} // namespace
} // namespace pp
