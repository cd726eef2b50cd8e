#include "PaintTestSupport.h"

#include "skin/pixels/Composite.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

TEST(CompositeAlpha, MixesBySourceAlphaAndGrowsDestinationAlpha)
{
    struct Case {
        std::uint32_t D, S, Expected;
    } cases[] = {
        {0x00640064, 0x80C800C8, 0x80960096}, // Sa 128: 150; Da 0 -> 128
        {0x64640064, 0x80C800C8, 0xB1960096}, // Da 100 + 128 * 155 div 255 = 177
        {0x7F123456, 0x00FFFFFF, 0x7F123456}, // Sa 0 changes nothing
        {0x00000000, 0xFFFFFFFF, 0xFFFEFEFE}, // (255 * 255) >> 8
        {0xFF0000FF, 0x80000000, 0xFF00007F}, // negative S - D: (-255 * 128 + 65280) >> 8
    };
    for (const Case& c : cases) {
        TBitmap d = test::Filled32(1, 1, c.D);
        const TBitmap s = test::Filled32(1, 1, c.S);
        CompositeAlpha({0, 0, 1, 1}, d, s.Bounds(), s, BackdropInfo{}, false);
        EXPECT_EQ(At(d, 0, 0), c.Expected) << std::hex << c.D << " " << c.S;
    }
}

TEST(CompositeAlpha, KeyPixelsShowTheBackdropOnlyWhenAsked)
{
    const TBitmap backdropImage = test::Bitmap32(3, 1, {0x00010101, 0x00020202, 0x00030303});
    BackdropInfo backdrop;
    backdrop.Image = &backdropImage;
    backdrop.HasImage = true;
    backdrop.OffsetX = 1;
    const TBitmap s = test::Bitmap32(3, 1, {0xFFFF00FF, 0x00FF00FF, 0xFFFF00FF});
    TBitmap d = test::Filled32(3, 1, 0x11000000);
    CompositeAlpha({0, 0, 3, 1}, d, s.Bounds(), s, backdrop, true);
    EXPECT_EQ(At(d, 0, 0), 0xFF020202u);
    EXPECT_EQ(At(d, 1, 0), 0xFF030303u);
    EXPECT_EQ(At(d, 2, 0), 0x11000000u); // outside the backdrop image: unchanged

    TBitmap kept = test::Filled32(3, 1, 0x11000000);
    CompositeAlpha({0, 0, 3, 1}, kept, s.Bounds(), s, backdrop, false);
    EXPECT_EQ(At(kept, 0, 0), 0x11000000u);

    // Without a backdrop image key pixels are ordinary pixels.
    TBitmap plain = test::Filled32(3, 1, 0x11000000);
    CompositeAlpha({0, 0, 3, 1}, plain, s.Bounds(), s, BackdropInfo{}, true);
    EXPECT_EQ(At(plain, 0, 0), 0xFFFE00FEu);
    EXPECT_EQ(At(plain, 1, 0), 0x11000000u);
}

TEST(CompositeAlpha, PlacesAndClipsTheSourceRectangle)
{
    std::mt19937 rng(5);
    TBitmap s = test::Random32(4, 4, rng);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            s.Pixel32(x, y).A = 255;
    TBitmap d = test::Filled32(3, 3, 0);
    CompositeAlpha({-1, 1, 5, 5}, d, {1, 0, 4, 4}, s, BackdropInfo{}, false);
    // Source (2, 0) lands on (0, 1); the destination rectangle's left column is cut.
    EXPECT_EQ(d.Pixel32(0, 1).A, 255);
    EXPECT_EQ(d.Pixel32(0, 0).A, 0);
    EXPECT_EQ(d.Pixel32(0, 1).R, (s.Pixel32(2, 0).R * 255) >> 8);
    EXPECT_EQ(d.Pixel32(1, 2).G, (s.Pixel32(3, 1).G * 255) >> 8);
}

TEST(CompositeAlphaEx, TransparencyScalesTheSourceAlpha)
{
    TBitmap d = test::Filled32(1, 1, 0x40000000);
    const TBitmap s = test::Filled32(1, 1, 0xC8FFFFFF);
    CompositeAlphaEx({0, 0, 1, 1}, s.Bounds(), d, false, 50, clNoKeyColor, false, BackdropInfo{}, s);
    // a' = 50 * 200 div 100 = 100; (100 * 255) >> 8 = 99; alpha unchanged when faded.
    EXPECT_EQ(At(d, 0, 0), 0x40636363u);
    TBitmap opaque = test::Filled32(1, 1, 0x40000000);
    CompositeAlphaEx({0, 0, 1, 1}, s.Bounds(), opaque, false, 0, clNoKeyColor, false, BackdropInfo{}, s);
    EXPECT_EQ(At(opaque, 0, 0), 0xC8C7C7C7u); // alpha max(64, 200)
}

TEST(CompositeAlphaEx, TintScalesTheGreyMean)
{
    TBitmap d = test::Filled32(1, 1, 0);
    const TBitmap s = test::Filled32(1, 1, 0xFF1E3C5A); // mean of 30, 60, 90 is 60
    CompositeAlphaEx({0, 0, 1, 1}, s.Bounds(), d, false, 0, 0x0000FF, false, BackdropInfo{}, s);
    EXPECT_EQ(At(d, 0, 0), 0xFF3B0000u); // red nearest(60) = 60, then (60 * 255) >> 8
}

TEST(CompositeAlphaEx, KeyPixelsTakeTheBackdropColourButKeepAlpha)
{
    const TBitmap backdropImage = test::Filled32(2, 1, 0x00ABCDEF);
    BackdropInfo backdrop;
    backdrop.Image = &backdropImage;
    backdrop.HasImage = true;
    const TBitmap s = test::Bitmap32(2, 1, {0xFFFF00FF, 0xFF000000});
    TBitmap d = test::Filled32(2, 1, 0x22111111);
    CompositeAlphaEx({0, 0, 2, 1}, s.Bounds(), d, false, 0, clNoKeyColor, true, backdrop, s);
    EXPECT_EQ(At(d, 0, 0), 0x22ABCDEFu);
    EXPECT_EQ(At(d, 1, 0), 0xFF000000u);
}

TEST(CompositeAlphaEx, ReflectionFadesBelowTheImage)
{
    const TBitmap s = test::Filled32(1, 8, 0xFFFFFFFF);
    TBitmap d = test::Filled32(1, 16, 0);
    CompositeAlphaEx({0, 0, 1, 8}, s.Bounds(), d, true, 0, clNoKeyColor, false, BackdropInfo{}, s);
    // q = min(8 div 2 - 1, 8) = 3: weights (170 * 255) >> 10 = 42, then
    // (85 * 224) >> 10 = 18, then 0.
    EXPECT_EQ(d.Pixel32(0, 7).R, 254);
    EXPECT_EQ(d.Pixel32(0, 8).R, 41);
    EXPECT_EQ(d.Pixel32(0, 9).R, 17);
    EXPECT_EQ(d.Pixel32(0, 10).R, 0);
    EXPECT_EQ(d.Pixel32(0, 11).R, 0);
    EXPECT_EQ(d.Pixel32(0, 8).A, 0);

    // No room below: nothing more is drawn, nothing is read or written out of bounds.
    TBitmap tight = test::Filled32(1, 8, 0);
    CompositeAlphaEx({0, 0, 1, 8}, s.Bounds(), tight, true, 30, 0x00FF00, false, BackdropInfo{}, s);
    EXPECT_EQ(tight.Pixel32(0, 7).G, 177);
}

TEST(CompositeAlphaEx, ConvertsSourcesThatAreNot32Bit)
{
    TBitmap s(1, 1, TPixelFormat::pf24bit);
    s.ScanLine(0)[2] = 0xFF; // red
    TBitmap d = test::Filled32(1, 1, 0);
    CompositeAlphaEx({0, 0, 1, 1}, s.Bounds(), d, false, 0, clNoKeyColor, false, BackdropInfo{}, s);
    EXPECT_EQ(At(d, 0, 0), 0xFFFE0000u);
}

} // namespace
} // namespace pp
