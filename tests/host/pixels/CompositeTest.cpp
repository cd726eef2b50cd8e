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

    // Without the fill flag a key pixel leaves the destination as it was,
    // while the pixel beside it is still composited: (255 * (0 - 17) + 17 * 256) >> 8 = 0.
    TBitmap kept = test::Filled32(2, 1, 0x22111111);
    CompositeAlphaEx({0, 0, 2, 1}, s.Bounds(), kept, false, 0, clNoKeyColor, false, backdrop, s);
    EXPECT_EQ(At(kept, 0, 0), 0x22111111u);
    EXPECT_EQ(At(kept, 1, 0), 0xFF000000u);
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

// One column of ten opaque rows, row r red 25 * r.
TBitmap RedRamp()
{
    TBitmap s(1, 10);
    for (int y = 0; y < 10; ++y)
        s.Pixel32(0, y) = TBGRA{0, 0, std::uint8_t(25 * y), 0xFF};
    return s;
}

TEST(CompositeAlphaEx, ReflectionHangsBelowTheDestinationRectangleAndMirrorsTheSourceBottom)
{
    // A source rectangle 8 rows high: q = 8 div 2 - 1 = 3, s drops by 255 div 8 = 31.
    // Weights: k = 1: (255 * 2 div 3 = 170) * 255 >> 10 = 42; k = 2: (85 * 224) >> 10 = 18;
    // k = 3: 0. Over black, a row of red v becomes (w * v) >> 8.
    struct Case {
        const char* Name;
        TRect Source, Dest;
        int FirstRow;         // the row just below the destination rectangle
        std::uint8_t Reds[3]; // rows FirstRow .. FirstRow + 2
    } cases[] = {
        // Source rows 2..9, taller than the destination (5 rows): the
        // reflection mirrors rows 8 (red 200) and 7 (175), not the drawn block's.
        {"taller source", {0, 2, 1, 10}, {0, 0, 1, 5}, 5, {32, 12, 0}},
        // Source rows 0..7 under a destination of 12 rows: the reflection
        // starts at row 12 with rows 6 (150) and 5 (125), and rows 8..11 of
        // the destination rectangle stay as they were.
        {"shorter source", {0, 0, 1, 8}, {0, 0, 1, 12}, 12, {24, 8, 0}},
    };
    const TBitmap s = RedRamp();
    for (const Case& c : cases) {
        TBitmap d = test::Filled32(1, 20, 0);
        CompositeAlphaEx(c.Dest, c.Source, d, true, 0, clNoKeyColor, false, BackdropInfo{}, s);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(At(d, 0, c.FirstRow + k), std::uint32_t(c.Reds[k]) << 16) << c.Name << " row " << k;
        for (int y = c.Source.Height(); y < c.Dest.Bottom; ++y)
            EXPECT_EQ(At(d, 0, y), 0u) << c.Name << " row " << y;
        EXPECT_EQ(At(d, 0, c.FirstRow + 3), 0u) << c.Name;
    }
}

TEST(CompositeAlphaEx, ReflectionWithTransparencyAndTintSkipsKeyPixels)
{
    // Grey mean of (30, 60, 90) is 60; tinted red gives (60, 0, 0).
    TBitmap s = test::Filled32(2, 8, 0xFF1E3C5A);
    s.Pixel32(1, 6) = TBGRA{0xFF, 0x00, 0xFF, 0xFF}; // key colour
    s.Pixel32(0, 5).A = 0x80;
    TBitmap d = test::Filled32(2, 16, 0x00646464);
    CompositeAlphaEx({0, 0, 2, 8}, s.Bounds(), d, true, 30, 0x0000FF, false, BackdropInfo{}, s);
    // The image: a' = 70 * 255 div 100 = 178; red (178 * (60 - 100) + 25600) >> 8 = 72,
    // green and blue (178 * -100 + 25600) >> 8 = 30; faded, so alpha stays.
    EXPECT_EQ(At(d, 0, 0), 0x00481E1Eu);
    // Without a backdrop image the key pixel is an ordinary one: its mean 170
    // gives red (178 * 70 + 25600) >> 8 = 148.
    EXPECT_EQ(At(d, 1, 6), 0x00941E1Eu);
    // Reflection, q = 3, s = 255 then 224:
    // row 8 from source row 6: w = 70 * (170 * 255 div 1024 = 42) div 100 = 29;
    // red (29 * -40 + 25600) >> 8 = 95, green (29 * -100 + 25600) >> 8 = 88.
    EXPECT_EQ(At(d, 0, 8), 0x005F5858u);
    EXPECT_EQ(At(d, 1, 8), 0x00646464u); // the key pixel is skipped
    // Row 9 from source row 5: alpha 128 gives 128 div 3 = 42, w = 70 * (42 * 224 div 1024 = 9)
    // div 100 = 6: red 99, green 97; alpha 255 gives 85, w = 70 * 18 div 100 = 12: red 98, green 95.
    EXPECT_EQ(At(d, 0, 9), 0x00636161u);
    EXPECT_EQ(At(d, 1, 9), 0x00625F5Fu);
    EXPECT_EQ(At(d, 0, 10), 0x00646464u); // k = q: weight 0
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
