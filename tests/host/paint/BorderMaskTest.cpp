// The nine-piece border: how pieces are cut and placed, what key pixels of
// corners turn into, and how masked pieces are composed. Expected pixels
// are worked out by hand from the rules, on images small enough to check.
#include "PaintFixture.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/BorderPieces.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr std::uint32_t Background = 0x11223344;

TBitmap Target(int width, int height)
{
    return PixelsBy(width, height, [](int, int) { return Background; });
}

// A pixel that tells where it came from: red = column, green = row.
std::uint32_t Where(int x, int y)
{
    return 0xFF000000u | (std::uint32_t(x) << 16) | (std::uint32_t(y) << 8) | 0x40;
}

BackdropInfo ColourBackdrop(TColor color)
{
    BackdropInfo b;
    b.BackColor = color;
    return b;
}

TEST(FitBorders, TakesTheExcessHalfFromEachSideAndTheOddPixelFromTheRight)
{
    struct TCase {
        int Left, Right, Width, FittedLeft, FittedRight;
    } cases[] = {
        {8, 7, 10, 6, 4}, // excess 5: each side loses 2, the right one more
        {5, 6, 10, 5, 5}, // excess 1 goes to the right
        {3, 3, 10, 3, 3}, // fits
        {0, 10, 4, 0, 7}, // neither goes below 0
    };
    for (const TCase& c : cases) {
        const TBorderWidths fitted = FitBorders({c.Left, c.Left, c.Right, c.Right}, c.Width, c.Width);
        EXPECT_EQ(fitted.Left, c.FittedLeft) << c.Left << "+" << c.Right << " in " << c.Width;
        EXPECT_EQ(fitted.Right, c.FittedRight);
        EXPECT_EQ(fitted.Top, c.FittedLeft);
        EXPECT_EQ(fitted.Bottom, c.FittedRight);
    }
}

TEST(DrawBorderMask, TenPixelItemWithBordersEightAndSevenShowsSixLeftAndFourRightColumns)
{
    TFixtureSkin fixture;
    const int border = fixture.AddImage(PixelsBy(20, 4, Where),
                                        {.Left = 8, .Top = 1, .Right = 7, .Bottom = 1});
    TBitmap target = Target(10, 4);
    DrawBorderMask(target, target.Bounds(), false, 0, fixture.Image(border), BackdropInfo{});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x) {
            const int sourceColumn = x < 6 ? x : x + 10; // columns 16..19 are the right border
            EXPECT_EQ(At(target, x, y), Where(sourceColumn, y)) << x << "," << y;
        }
}

TEST(DrawBorderMask, BitTwoHidesTheBorderInStateZeroOnly)
{
    TFixtureSkin fixture;
    const int border = fixture.AddImage(
        PixelsBy(6, 3, Where), {.Frames = 2, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .DrawMode = 2});
    TBitmap target = Target(3, 3);
    DrawBorderMask(target, target.Bounds(), true, 0, fixture.Image(border), BackdropInfo{});
    EXPECT_EQ(At(target, 0, 0), Background);
    DrawBorderMask(target, target.Bounds(), true, 1, fixture.Image(border), BackdropInfo{});
    EXPECT_EQ(At(target, 0, 0), Where(3, 0)); // state 1 starts at column 3
}

TEST(DrawBorderMask, DrawsNothingOnTinyRectanglesOrWithBordersWiderThanTheImage)
{
    TFixtureSkin fixture;
    const int fits = fixture.AddImage(PixelsBy(3, 3, Where), {.Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    const int tooWide = fixture.AddImage(PixelsBy(3, 3, Where),
                                         {.Left = 2, .Top = 1, .Right = 2, .Bottom = 1});
    TBitmap target = Target(6, 6);
    DrawBorderMask(target, {0, 0, 1, 6}, true, 0, fixture.Image(fits), BackdropInfo{});
    DrawBorderMask(target, {0, 0, 6, 1}, true, 0, fixture.Image(fits), BackdropInfo{});
    DrawBorderMask(target, target.Bounds(), true, 0, fixture.Image(tooWide), BackdropInfo{});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(At(target, x, y), Background);
}

// Top side of a 5 x 3 state image (borders 1): source columns 1..3.
struct TSideCase {
    const char* Name;
    int DrawMode;
    int TargetWidth;
    std::vector<int> SourceColumns; // for target columns 1 .. width - 2
};

TEST(DrawBorderMask, SidesAreTiledOrStretchedWithTheNearestPixelStretch)
{
    const TSideCase cases[] = {
        {"tiled", 0, 9, {1, 2, 3, 1, 2, 3, 1}},
        // 3 -> 7 columns: (i * 3 + 1) div 7 = 0 0 1 1 1 2 2
        {"stretched wider", 1, 9, {1, 1, 2, 2, 2, 3, 3}},
        // 3 -> 2 columns: (i * 3 + 2) div 2 = 1 2
        {"stretched narrower", 1, 4, {2, 3}},
    };
    for (const TSideCase& c : cases) {
        TFixtureSkin fixture;
        const int border = fixture.AddImage(
            PixelsBy(5, 3, Where), {.Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .DrawMode = c.DrawMode});
        TBitmap target = Target(c.TargetWidth, 3);
        DrawBorderMask(target, target.Bounds(), false, 0, fixture.Image(border), BackdropInfo{});
        for (std::size_t i = 0; i < c.SourceColumns.size(); ++i) {
            EXPECT_EQ(At(target, int(i) + 1, 0), Where(c.SourceColumns[i], 0))
                << c.Name << " column " << i + 1;
            EXPECT_EQ(At(target, int(i) + 1, 2), Where(c.SourceColumns[i], 2))
                << c.Name << " column " << i + 1;
        }
        EXPECT_EQ(At(target, c.TargetWidth - 1, 0), Where(4, 0)) << c.Name; // top-right corner
    }
}

TEST(DrawBorderMask, KeyColourSidesAreCopiedOpaqueKeyPixelsIncluded)
{
    TFixtureSkin fixture;
    const int border = fixture.AddImage(Pixels(3, 3,
                                               {0xFF000001, 0x00FF00FF, 0xFF000003, 0xFF000004, 0xFF000005,
                                                0xFF000006, 0xFF000007, 0xFF000008, 0xFF000009}),
                                        {.Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .CornerKey = 1});
    TBitmap target = Target(3, 3);
    DrawBorderMask(target, target.Bounds(), true, 0, fixture.Image(border), ColourBackdrop(0x0000FF));
    EXPECT_EQ(At(target, 1, 0), 0xFFFF00FFu);
}

// A 2 x 2 state image with 1-pixel borders: every pixel is a corner.
struct TCornerKeyCase {
    const char* Name;
    bool FillCorners;
    int CornerKey;
    enum { NoBackdrop, ImageBackdrop, ColourBackdrop } Behind;
    std::uint32_t Expected;
};

TEST(DrawBorderMask, KeyPixelsOfKeyColourCornersShowWhatLiesBehindOnlyWhenAsked)
{
    const TBitmap behind = PixelsBy(8, 8,
                                    [](int x, int y) { return 0x80000000u | (Where(x, y) & 0xFFFFFFu); });
    const TCornerKeyCase cases[] = {
        // Target (0, 0) plus offsets (3, 2): the backdrop's pixel (3, 2), made opaque.
        {"fill, key corners, image", true, 1, TCornerKeyCase::ImageBackdrop, Where(3, 2)},
        {"fill, key corners, colour", true, 1, TCornerKeyCase::ColourBackdrop, 0xFFFF0000},
        {"fill, key corners, nothing behind", true, 1, TCornerKeyCase::NoBackdrop, Background},
        {"no fill", false, 1, TCornerKeyCase::ImageBackdrop, Background},
        {"no key corners", true, 0, TCornerKeyCase::ImageBackdrop, Background},
    };
    for (const TCornerKeyCase& c : cases) {
        TFixtureSkin fixture;
        const int border = fixture.AddImage(
            Pixels(2, 2, {0x00FF00FF, 0x7F0000FF, 0xFF00FF00, 0xFF00FFFF}),
            {.Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .CornerKey = c.CornerKey});
        BackdropInfo backdrop = ColourBackdrop(clKeyColor);
        if (c.Behind == TCornerKeyCase::ImageBackdrop)
            backdrop = BackdropFromBitmap(&behind, 3, 2);
        if (c.Behind == TCornerKeyCase::ColourBackdrop)
            backdrop = ColourBackdrop(0x0000FF);
        TBitmap target = Target(2, 2);
        DrawBorderMask(target, target.Bounds(), c.FillCorners, 0, fixture.Image(border), backdrop);
        EXPECT_EQ(At(target, 0, 0), c.Expected) << c.Name;
        EXPECT_EQ(At(target, 1, 0), 0xFF0000FFu) << c.Name; // other pixels copied opaque
    }
}

// A masked 2 x 2 image (image band over mask band), 1-pixel borders.
TBitmap MaskedCorners(std::uint32_t image, std::uint32_t mask)
{
    return Pixels(2, 4, {image, image, image, image, mask, mask, mask, mask});
}

TEST(DrawBorderMask, MaskedPiecesAreComposedThroughTheirMaskOpaque)
{
    // Target R 100, G 200, B 250; image R 200, G 100, B 50; mask 64:
    // (64 * (D - S) + S * 256) >> 8 = R 175, G 125, B 100.
    TFixtureSkin fixture;
    const int border = fixture.AddImage(MaskedCorners(0xFFC86432, 0xFF404040),
                                        {.MaskBands = 1, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    TBitmap target = PixelsBy(2, 2, [](int, int) { return 0x4064C8FAu; });
    DrawBorderMask(target, target.Bounds(), false, 0, fixture.Image(border), BackdropInfo{});
    EXPECT_EQ(At(target, 0, 0), 0xFFAF7D64u);
    EXPECT_EQ(At(target, 1, 1), 0xFFAF7D64u);
}

TEST(DrawBorderMask, KeyPixelsOfMaskedCornersFollowTheCornerRule)
{
    const TBitmap behind = PixelsBy(4, 4, [](int x, int y) { return Where(x, y); });
    struct TCase {
        const char* Name;
        bool FillCorners;
        bool ImageBehind;
        std::uint32_t Expected;
    } cases[] = {
        {"fill over an image", true, true, Where(1, 1)},
        {"fill over a colour", true, false, 0xFF0000FF},
        // White mask over the target (R 100, G 200, B 250), magenta image:
        // R (255 * (100 - 255) + 255 * 256) >> 8 = 100, G 199, B 250.
        {"no fill over an image", false, true, 0xFF64C7FA},
        {"no fill, no image", false, false, 0x4064C8FA},
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        const int border = fixture.AddImage(
            MaskedCorners(0x00FF00FF, 0xFFFFFFFF),
            {.MaskBands = 1, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .CornerKey = 1});
        const BackdropInfo backdrop = c.ImageBehind ? BackdropFromBitmap(&behind, 1, 1)
                                                    : ColourBackdrop(0xFF0000);
        TBitmap target = PixelsBy(2, 2, [](int, int) { return 0x4064C8FAu; });
        DrawBorderMask(target, target.Bounds(), c.FillCorners, 0, fixture.Image(border), backdrop);
        EXPECT_EQ(At(target, 0, 0), c.Expected) << c.Name;
    }
}

TEST(DrawBorderMask, AOnePixelCentreIsAFlatColourThatAWhiteMaskLeaves)
{
    struct TCase {
        std::uint32_t Mask;
        std::uint32_t Expected;
    } cases[] = {
        {0xFFFFFFFF, 0x4064C8FA}, // white: the centre stays
        {0xFF000000, 0xFFC86432}, // black: the colour
        {0xFF404040, 0xFFAF7D64}, // 64: as any masked pixel
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        // 3 x 3 image whose only centre pixel carries the case's mask.
        const int border = fixture.AddImage(
            PixelsBy(3, 6,
                     [&](int x, int y) {
                         if (y < 3)
                             return 0xFFC86432u;
                         return x == 1 && y == 4 ? c.Mask : 0xFF000000u;
                     }),
            {.MaskBands = 1, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .DrawMode = 1 | 4});
        TBitmap target = PixelsBy(6, 6, [](int, int) { return 0x4064C8FAu; });
        DrawBorderMask(target, target.Bounds(), false, 0, fixture.Image(border), BackdropInfo{});
        for (const TPoint p : {TPoint{1, 1}, TPoint{4, 4}, TPoint{2, 3}})
            EXPECT_EQ(At(target, p.X, p.Y), c.Expected) << std::hex << c.Mask << " at " << p.X << "," << p.Y;
    }
}

TEST(DrawBorderMask, OnePixelWideSourcesThatTheKernelCannotTakeAreStretchedByNearestPixel)
{
    // The left side (1 x 3 source) shrinks to 1 x 2 in height only, which
    // asks for the resampling kernel; it cannot take a 1-pixel-wide source.
    // Rows 3 -> 2: (i * 3 + 1) div 2 = 0, 2, so source rows 1 and 3.
    TFixtureSkin fixture;
    const int border = fixture.AddImage(
        PixelsBy(5, 10, [](int x, int y) { return y < 5 ? Where(x, y) : 0xFF000000u; }),
        {.MaskBands = 1, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .DrawMode = 1});
    TBitmap target = Target(5, 4);
    ASSERT_NO_THROW(DrawBorderMask(target, target.Bounds(), false, 0, fixture.Image(border), BackdropInfo{}));
    EXPECT_EQ(At(target, 0, 1), Where(0, 1));
    EXPECT_EQ(At(target, 0, 2), Where(0, 3));
    EXPECT_EQ(At(target, 4, 2), Where(4, 3));
}

TEST(DrawBorderMaskKeepingAlpha, KeepsTheTargetAlphaValid)
{
    struct TCase {
        std::uint32_t Mask;
        std::uint32_t Expected;
    } cases[] = {
        {0xFF000000, 0xFFC86432}, // mask 0: the image, opaque
        {0xFFFFFFFF, 0x3C64C8FA}, // mask 255: the target as it was
        // mask 100 over alpha 60: h = 60, (60 * D + 195 * S) >> 8 =
        // R 175, G 123, B 96; alpha max(60, 155) = 155.
        {0xFF646464, 0x9BAF7B60},
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        const int border = fixture.AddImage(MaskedCorners(0xFFC86432, c.Mask),
                                            {.MaskBands = 1, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
        TBitmap target = PixelsBy(2, 2, [](int, int) { return 0x3C64C8FAu; });
        DrawBorderMaskKeepingAlpha(target, target.Bounds(), false, 0, fixture.Image(border), BackdropInfo{});
        EXPECT_EQ(At(target, 1, 0), c.Expected) << std::hex << c.Mask;
    }
}

} // namespace
} // namespace pp::test
