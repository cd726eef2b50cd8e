#include "skin/loading/SkinImageAlpha.h"

#include <gtest/gtest.h>

using namespace pp;

namespace {

TBitmap Pixels(std::initializer_list<TBGRA> pixels)
{
    TBitmap b(static_cast<int>(pixels.size()), 1, TPixelFormat::pf32bit);
    int x = 0;
    for (const TBGRA& p : pixels)
        b.Pixel32(x++, 0) = p;
    return b;
}

} // namespace

TEST(SkinImageAlpha, TreatmentDependsOnTheSkinVersion)
{
    const TBGRA half{10, 20, 200, 128};
    const TBGRA clearWhite{0xFF, 0xFF, 0xFF, 0x00};
    const TBGRA opaque{255, 255, 255, 255};
    const struct {
        double version;
        TBGRA half, opaque;
    } cases[] = {
        {8.0, {5, 10, 100, 128}, {254, 254, 254, 255}},
        {7.46, {5, 10, 100, 128}, {254, 254, 254, 255}},
        {7.45, half, opaque},
        {7.0, half, opaque},
    };
    for (const auto& c : cases) {
        TBitmap b = Pixels({half, clearWhite, opaque, {0xFF, 0xFF, 0xFF, 0x01}});
        ApplySkinPngAlpha(b, c.version);
        EXPECT_EQ(b.Pixel32(0, 0), c.half) << c.version;
        EXPECT_EQ(b.Pixel32(1, 0), TBGRA{}) << c.version;
        EXPECT_EQ(b.Pixel32(2, 0), c.opaque) << c.version;
        EXPECT_EQ(b.Pixel32(3, 0).A, 1) << "only fully transparent white is cleared";
    }
}

TEST(SkinImageAlpha, OnlyThirtyTwoBitImagesAreTreated)
{
    TBitmap rgb(1, 1, TPixelFormat::pf24bit);
    rgb.ScanLine(0)[0] = 0xFF;
    ApplySkinPngAlpha(rgb, 8.0);
    EXPECT_EQ(rgb.ScanLine(0)[0], 0xFF);
}

TEST(SkinImageAlpha, ConversionToThirtyTwoBitsMakesTheKeyColourTransparent)
{
    TBitmap b(3, 1, TPixelFormat::pf8bit);
    b.Palette = {clKeyColor, MakeColor(1, 2, 3), MakeColor(0xFF, 0, 0xFE)};
    b.ScanLine(0)[0] = 0;
    b.ScanLine(0)[1] = 1;
    b.ScanLine(0)[2] = 2;
    ConvertToSkin32(b);
    ASSERT_EQ(b.Format(), TPixelFormat::pf32bit);
    EXPECT_EQ(b.Pixel32(0, 0), (TBGRA{0xFF, 0, 0xFF, 0}));
    EXPECT_EQ(b.Pixel32(1, 0), (TBGRA{3, 2, 1, 255}));
    EXPECT_EQ(b.Pixel32(2, 0).A, 255);

    TBitmap already = Pixels({{1, 2, 3, 4}});
    ConvertToSkin32(already);
    EXPECT_EQ(already.Pixel32(0, 0), (TBGRA{1, 2, 3, 4})) << "a 32-bit image keeps its alpha";
}
