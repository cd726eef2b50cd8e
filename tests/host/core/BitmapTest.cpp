#include "core/Bitmap.h"
#include "core/Error.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TEST(BitmapTest, RowsArePaddedToFourBytes)
{
    struct Case {
        int width;
        TPixelFormat format;
        std::size_t stride;
    };
    const Case cases[] = {
        {1, TPixelFormat::pf1bit, 4},   {33, TPixelFormat::pf1bit, 8},  {9, TPixelFormat::pf4bit, 8},
        {5, TPixelFormat::pf8bit, 8},   {3, TPixelFormat::pf24bit, 12}, {5, TPixelFormat::pf24bit, 16},
        {7, TPixelFormat::pf32bit, 28},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowStride(c.width, c.format), c.stride) << c.width;
}

TEST(BitmapTest, PaletteImageSwitchedTo32BitsTakesPaletteColoursAndGivenAlpha)
{
    TBitmap bmp(10, 2, TPixelFormat::pf4bit);
    bmp.Palette = {0x000000, 0x0000FF, 0x00FF00};
    bmp.ScanLine(0)[0] = 0x12; // pixel 0 -> index 1, pixel 1 -> index 2
    bmp.ScanLine(1)[4] = 0x20; // pixel 8 -> index 2
    bmp.SetFormat(TPixelFormat::pf32bit, 0x80);
    EXPECT_EQ(bmp.Pixel32(0, 0), (TBGRA{0, 0, 0xFF, 0x80}));
    EXPECT_EQ(bmp.Pixel32(1, 0), (TBGRA{0, 0xFF, 0, 0x80}));
    EXPECT_EQ(bmp.Pixel32(8, 1), (TBGRA{0, 0xFF, 0, 0x80}));
    EXPECT_EQ(bmp.Pixel32(9, 1), (TBGRA{0, 0, 0, 0x80}));
}

TEST(BitmapTest, OneBitPixelsAreReadMostSignificantFirst)
{
    TBitmap bmp(9, 1, TPixelFormat::pf1bit);
    bmp.Palette = {clBlack, clWhite};
    bmp.ScanLine(0)[0] = 0x80;
    bmp.ScanLine(0)[1] = 0x80;
    EXPECT_EQ(bmp.PixelColor(0, 0), clWhite);
    EXPECT_EQ(bmp.PixelColor(1, 0), clBlack);
    EXPECT_EQ(bmp.PixelColor(8, 0), clWhite);
}

TEST(BitmapTest, OversizedBitmapsAreRefusedBeforeAllocation)
{
    EXPECT_THROW(TBitmap(MaxBitmapSide + 1, 1), EInvalidData);
    EXPECT_THROW(TBitmap(-1, 5), EInvalidData);
    EXPECT_THROW(TBitmap(MaxBitmapSide, MaxBitmapSide), EInvalidData); // 1 GiB of pixels
    EXPECT_NO_THROW(TBitmap(0, 100));
}

TEST(BitmapTest, CopiesAreDeepAndMovesLeaveAnEmptyBitmap)
{
    TBitmap a(2, 2);
    a.Pixel32(1, 1) = {1, 2, 3, 4};
    TBitmap b = a;
    b.Pixel32(1, 1) = {9, 9, 9, 9};
    EXPECT_EQ(a.Pixel32(1, 1), (TBGRA{1, 2, 3, 4}));
    TBitmap c = std::move(a);
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(c.Pixel32(1, 1), (TBGRA{1, 2, 3, 4}));
}

} // namespace
} // namespace pp

TEST(BitmapFill, PaletteFormatsFillTheirIndexWithoutLeavingTheRow)
{
    // Wide enough that one byte per pixel would run far past each row.
    for (const auto& [format, index] :
         {std::pair{pp::TPixelFormat::pf1bit, 1}, std::pair{pp::TPixelFormat::pf4bit, 9},
          std::pair{pp::TPixelFormat::pf8bit, 200}}) {
        pp::TBitmap b(100, 3, format);
        b.Palette.assign(256, pp::clBlack);
        b.Palette[index] = pp::clWhite;
        b.Fill(pp::TBGRA{0, 0, 0, static_cast<std::uint8_t>(index)});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 100; ++x)
                ASSERT_EQ(b.PixelColor(x, y), pp::clWhite) << x << "," << y;
    }
}
