#include "PaintTestSupport.h"

#include "core/Error.h"
#include "skin/pixels/Resample.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

TEST(ResampleBitmap, RefusesSourcesNarrowerOrLowerThanTwo)
{
    for (const TSize size : {TSize{1, 5}, TSize{5, 1}}) {
        const TBitmap src = test::Filled32(size.Width, size.Height, 0xFF000000);
        TBitmap dest = test::Filled32(2, 2, 0x12345678);
        try {
            ResampleBitmap(src, dest, 4, rfMitchell, 4);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Source bitmap is too small");
        }
        EXPECT_EQ(dest.Size(), (TSize{2, 2}));
        EXPECT_EQ(At(dest, 1, 1), 0x12345678u);
    }
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
    const TBitmap src = test::Bitmap32(4, 2, {0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF000028,   //
                                              0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF000028});
    TBitmap dest;
    ResampleBitmap(src, dest, 2, rfBox, 2);
    // Destination column i is centred on source column 2i: column 0 takes
    // columns 0 and 1 (the one before 0 mirrors onto 1), column 1 takes 1 and 2.
    EXPECT_EQ(At(dest, 0, 0), 0xFF000032u);
    EXPECT_EQ(At(dest, 1, 1), 0xFF000096u);
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
                    ASSERT_NEAR(p.R, 0xC8, 2) << filter << " " << size.Width << "x" << size.Height << " " << x
                                              << "," << y;
                    ASSERT_NEAR(p.A, 0x80, 2) << filter;
                }
        }
}

TEST(ResampleBitmap, ClampsOvershootInsteadOfWrapping)
{
    // A hard edge through the windowed sine overshoots on both sides.
    const TBitmap src = test::Bitmap32(4, 2, {0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF,   //
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
}

TEST(FilterKernel, MatchesItsDefiningPoints)
{
    struct Case {
        int Filter;
        double X, Expected;
    } cases[] = {
        {rfBox, 0.5, 1.0},         {rfBox, -0.5, 0.0},        {rfTriangle, 0.25, 0.75},
        {rfHermite, 0.5, 0.5},     {rfBell, 1.0, 0.125},      {rfBSpline, 0.0, 2.0 / 3.0},
        {rfBSpline, 1.5, 1.0 / 48}, {rfWindowedSine, 0.0, 1.0}, {rfWindowedSine, 1.0, 0.0},
        {rfMitchell, 0.0, 8.0 / 9}, {rfMitchell, 1.0, 1.0 / 18}, {rfMitchell, 2.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(FilterKernel(c.Filter, c.X), c.Expected, 1e-12) << c.Filter << " at " << c.X;
}

} // namespace
} // namespace pp
