#include "PaintTestSupport.h"

#include "core/Error.h"
#include "skin/pixels/Resample.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

TEST(ResampleBitmap, RefusesSourcesNarrowerOrLowerThanTwoForAnyTargetWithHeight)
{
    // Only a zero target height returns before the check; a zero or negative
    // target width does not.
    for (const TSize source : {TSize{1, 5}, TSize{5, 1}})
        for (const TSize target : {TSize{4, 4}, TSize{0, 4}, TSize{-3, 4}, TSize{4, -1}}) {
            const TBitmap src = test::Filled32(source.Width, source.Height, 0xFF000000);
            TBitmap dest = test::Filled32(2, 2, 0x12345678);
            try {
                ResampleBitmap(src, dest, target.Width, rfMitchell, target.Height);
                ADD_FAILURE() << "no exception for " << target.Width << "x" << target.Height;
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "Source bitmap is too small");
            }
            EXPECT_EQ(dest.Size(), (TSize{2, 2}));
            EXPECT_EQ(At(dest, 1, 1), 0x12345678u);
        }
}

TEST(ResampleBitmap, ZeroWidthGivesAnEmptyBitmap)
{
    const TBitmap src = test::Filled32(3, 3, 0xFF102030);
    TBitmap dest = test::Filled32(2, 2, 0x12345678);
    ResampleBitmap(src, dest, 0, rfMitchell, 5);
    EXPECT_TRUE(dest.Empty());
}

TEST(ResampleBitmap, ZeroHeightDoesNothingAndSameSizeCopies)
{
    std::mt19937 rng(3);
    const TBitmap src = test::Random32(5, 4, rng);
    TBitmap dest = test::Filled32(1, 1, 7);
    ResampleBitmap(src, dest, 3, rfMitchell, 0);
    EXPECT_EQ(At(dest, 0, 0), 7u);
    ResampleBitmap(src, dest, 5, rfBox, 4);
    EXPECT_TRUE(test::SamePixels(dest, src));
    TBitmap self = src;
    ResampleBitmap(self, self, 5, rfBox, 4);
    EXPECT_TRUE(test::SamePixels(self, src));
}

TEST(ResampleBitmap, BoxFromFourToTwoColumnsAveragesPairs)
{
    const auto table = ResampleContributions(4, 2, rfBox);
    ASSERT_EQ(table.size(), 2u);
    for (const auto& column : table) {
        ASSERT_EQ(column.size(), 2u);
        EXPECT_EQ(column[0].Weight, 32768);
        EXPECT_EQ(column[1].Weight, 32768);
    }
    const TBitmap src = test::Bitmap32(4, 2,
                                       {0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF000028, //
                                        0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF000028});
    TBitmap dest;
    ResampleBitmap(src, dest, 2, rfBox, 2);
    // Destination column i is centred on source column 2i: column 0 takes
    // columns 0 and 1 (the one before 0 mirrors onto 1), column 1 takes 1 and 2.
    EXPECT_EQ(At(dest, 0, 0), 0xFF000032u);
    EXPECT_EQ(At(dest, 1, 1), 0xFF000096u);
}

using TPairs = std::vector<std::pair<int, int>>; // (source, weight)

TPairs Pairs(const std::vector<TContribution>& list)
{
    TPairs pairs;
    for (const TContribution& c : list)
        pairs.emplace_back(c.Source, c.Weight);
    return pairs;
}

// Mitchell weights used below, times 65536: k(0) = 8/9 -> 58254.2,
// k(0.5) = 77/144 -> 35043.6, k(1) = 1/18 -> 3640.9, k(1.5) = -5/144 -> -2275.6;
// shrinking by half takes half of each: 29127.1, 17521.8, 1820.4, -1137.8.
TEST(ResampleContributions, MitchellTablesEnlargingAndShrinking)
{
    const auto up = ResampleContributions(4, 8, rfMitchell);
    ASSERT_EQ(up.size(), 8u);
    // Centre 0: sources -1 (mirrored to 1), 0, 1; distance 2 is outside the support.
    EXPECT_EQ(Pairs(up[0]), (TPairs{{1, 3641}, {0, 58254}, {1, 3641}}));
    // Centre 0.5: sources -1..2 at distances 1.5, 0.5, 0.5, 1.5.
    EXPECT_EQ(Pairs(up[1]), (TPairs{{1, -2276}, {0, 35044}, {1, 35044}, {2, -2276}}));

    const auto down = ResampleContributions(8, 4, rfMitchell);
    ASSERT_EQ(down.size(), 4u);
    // Scale 1/2, width 4; centre 2: sources -1..5 at distances 1.5 .. 0 .. 1.5.
    EXPECT_EQ(Pairs(down[1]),
              (TPairs{{1, -1138}, {0, 1820}, {1, 17522}, {2, 29127}, {3, 17522}, {4, 1820}, {5, -1138}}));
    // Centre 6: sources 8 and 9 mirror back onto 7 and 6.
    EXPECT_EQ(Pairs(down[3]),
              (TPairs{{3, -1138}, {4, 1820}, {5, 17522}, {6, 29127}, {7, 17522}, {7, 1820}, {6, -1138}}));
}

TEST(ResampleBitmap, ShrinksThroughTheMitchellTable)
{
    const std::uint8_t blues[8] = {0, 40, 80, 120, 160, 200, 240, 255};
    TBitmap src(8, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x)
            src.Pixel32(x, y) = TBGRA{blues[x], 0, 0, 0xFF};
    TBitmap dest;
    ResampleBitmap(src, dest, 4, rfMitchell, 2);
    ASSERT_EQ(dest.Size(), (TSize{4, 2}));
    // Column 1: -1138 * 40 + 1820 * 0 + 17522 * 40 + 29127 * 80 + 17522 * 120
    //           + 1820 * 160 - 1138 * 200 = 5151760, >> 16 = 78.
    // Column 3: -1138 * 120 + 1820 * 160 + 17522 * 200 + 29127 * 240 + 17522 * 255
    //           + 1820 * 255 - 1138 * 240 = 15308610, >> 16 = 233.
    // The two equal rows stay as they are: 3641 + 58254 + 3641 = 65536.
    // Alpha: the weights sum to 65535, so 255 * 65535 >> 16 = 254.
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(At(dest, 1, y), 0xFE00004Eu) << y;
        EXPECT_EQ(At(dest, 3, y), 0xFE0000E9u) << y;
    }
}

TEST(ResampleBitmap, KeepsAFlatImageFlatWithEveryKernel)
{
    const TBitmap src = test::Filled32(6, 5, 0x80C86432);
    for (int filter = rfBox; filter <= rfMitchell; ++filter)
        for (const TSize size : {TSize{13, 11}, TSize{3, 2}, TSize{6, 9}, TSize{12, 10}}) {
            // Weights are not renormalised: shrinking 5 rows to 2 through the
            // narrow box and triangle kernels sums to 1.2 and 1.04 of the
            // source, which stored skins were drawn with.
            if (filter <= rfTriangle && size.Height == 2)
                continue;
            TBitmap dest;
            ResampleBitmap(src, dest, size.Width, filter, size.Height);
            ASSERT_EQ(dest.Size(), size);
            for (int y = 0; y < size.Height; ++y)
                for (int x = 0; x < size.Width; ++x) {
                    const TBGRA p = dest.Pixel32(x, y);
                    ASSERT_NEAR(p.R, 0xC8, 2)
                        << filter << " " << size.Width << "x" << size.Height << " " << x << "," << y;
                    ASSERT_NEAR(p.A, 0x80, 2) << filter;
                }
        }
}

TEST(ResampleBitmap, ClampsOvershootInsteadOfWrapping)
{
    // A hard edge through the windowed sine overshoots on both sides.
    const TBitmap src = test::Bitmap32(4, 2,
                                       {0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, //
                                        0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF});
    TBitmap dest;
    ResampleBitmap(src, dest, 16, rfWindowedSine, 2);
    for (int x = 0; x < 16; ++x) {
        const int v = dest.Pixel32(x, 0).G;
        if (x <= 4) {
            EXPECT_LT(v, 40) << x;
        }
        if (x >= 10) {
            EXPECT_GT(v, 215) << x;
        }
    }
}

TEST(ResampleBitmap, WideKernelsOnTinySourcesStayInside)
{
    std::mt19937 rng(11);
    const TBitmap src = test::Random32(2, 2, rng);
    for (int filter = rfBox; filter <= rfMitchell; ++filter) {
        TBitmap up, down;
        ResampleBitmap(src, up, 9, filter, 9);
        EXPECT_EQ(up.Size(), (TSize{9, 9}));
        const TBitmap big = test::Random32(40, 3, rng);
        ResampleBitmap(big, down, 3, filter, 2);
        EXPECT_EQ(down.Size(), (TSize{3, 2}));
    }
    for (const auto& column : ResampleContributions(2, 9, rfWindowedSine))
        for (const TContribution& c : column) {
            EXPECT_GE(c.Source, 0);
            EXPECT_LT(c.Source, 2);
        }
}

TEST(ResampleBitmap, OtherFormatsAreFilteredAsTwentyFourBit)
{
    TBitmap src(3, 3, TPixelFormat::pf8bit);
    src.Palette = std::vector<TColor>(256, 0x0000FF);
    TBitmap dest;
    ResampleBitmap(src, dest, 6, rfTriangle, 6);
    EXPECT_EQ(dest.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(dest.PixelColor(3, 3), 0x0000FFu);

    // At the same size, into another bitmap or in place, the result is the
    // 24-bit image too.
    TBitmap copy;
    ResampleBitmap(src, copy, 3, rfTriangle, 3);
    EXPECT_EQ(copy.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(copy.PixelColor(2, 2), 0x0000FFu);
    TBitmap self = src;
    ResampleBitmap(self, self, 3, rfTriangle, 3);
    EXPECT_EQ(self.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(self.PixelColor(0, 1), 0x0000FFu);
}

TEST(FilterKernel, MatchesItsDefiningPoints)
{
    struct Case {
        int Filter;
        double X, Expected;
    } cases[] = {
        {rfBox, 0.5, 1.0},          {rfBox, -0.5, 0.0},          {rfTriangle, 0.25, 0.75},
        {rfHermite, 0.5, 0.5},      {rfBell, 1.0, 0.125},        {rfBSpline, 0.0, 2.0 / 3.0},
        {rfBSpline, 1.5, 1.0 / 48}, {rfWindowedSine, 0.0, 1.0},  {rfWindowedSine, 1.0, 0.0},
        {rfMitchell, 0.0, 8.0 / 9}, {rfMitchell, 1.0, 1.0 / 18}, {rfMitchell, 2.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(FilterKernel(c.Filter, c.X), c.Expected, 1e-12) << c.Filter << " at " << c.X;
}

} // namespace
} // namespace pp
