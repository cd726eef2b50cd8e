#include "PaintTestSupport.h"

#include "skin/pixels/Blend.h"
#include "skin/pixels/BlendRows.h"
#include "skin/pixels/PixelMath.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

TEST(BlendRectangle, MixesWithTheWeightOfWhatWasThere)
{
    struct Case {
        int Weight;
        std::uint8_t D, S, Expected;
    } cases[] = {
        {128, 100, 200, 150}, {128, 200, 100, 150}, {0, 17, 230, 230}, // weight 0 takes the new pixel exactly
        {255, 255, 0, 254},                                            // 255 keeps nearly all of the old one
        {255, 0, 1, 0},                                                // D - S negative: (-255 + 256) >> 8
        {1, 0, 255, 254},                                              // (-255 + 65280) >> 8
        {128, 0, 3, 1},                                                // 1.5 rounds down
    };
    for (const Case& c : cases) {
        TBitmap d = test::Filled32(1, 1, 0x7F000000u | c.D);
        const TBitmap s = test::Filled32(1, 1, 0x11000000u | c.S);
        BlendRectangle(d, s, c.Weight, {0, 0}, s.Bounds());
        EXPECT_EQ(At(d, 0, 0), 0x7F000000u | c.Expected) << c.Weight << " " << int(c.D) << " " << int(c.S);
    }
}

// S + (D - S) * w / 256 rounded down, in exact fractions: the blend as
// written, without the shift the code uses.
std::uint8_t ExactMix(int d, int s, int w)
{
    const int numerator = 256 * s + (d - s) * w; // never negative for bytes and w < 256
    return std::uint8_t(numerator / 256);
}

// Per-pixel reference: every source pixel of the rectangle that lands inside
// the destination, mixed by the formula above.
void ReferenceBlend(TBitmap& d, const TBitmap& s, int w, TPoint at, const TRect& r)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const int dx = at.X + x - r.Left, dy = at.Y + y - r.Top;
            if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height() || dx < 0 || dy < 0 || dx >= d.Width() ||
                dy >= d.Height())
                continue;
            TBGRA& p = d.Pixel32(dx, dy);
            const TBGRA q = s.Pixel32(x, y);
            p = TBGRA{ExactMix(p.B, q.B, w), ExactMix(p.G, q.G, w), ExactMix(p.R, q.R, w), p.A};
        }
}

TEST(BlendRectangle, MatchesTheReferenceWhereverItIsClipped)
{
    std::mt19937 rng(1234);
    const TBitmap s = test::Random32(13, 9, rng);
    const TBitmap d0 = test::Random32(11, 7, rng);
    const TPoint points[] = {{0, 0}, {-3, -2}, {5, 4}, {9, 6}, {-12, 0}, {10, -8}, {2, 1}};
    const TRect rects[] = {{0, 0, 13, 9}, {1, 2, 8, 5}, {-4, -1, 6, 4}, {7, 3, 20, 12}, {3, 3, 3, 8}};
    for (const TPoint at : points)
        for (const TRect& r : rects)
            for (const int w : {0, 1, 77, 128, 255}) {
                TBitmap fast = d0, slow = d0;
                BlendRectangle(fast, s, w, at, r);
                ReferenceBlend(slow, s, w, at, r);
                ASSERT_TRUE(test::SamePixels(fast, slow))
                    << at.X << "," << at.Y << " rect " << r.Left << "," << r.Top << " w " << w;
            }
}

TEST(BlendRows, FastPathMatchesThePortableLoop)
{
    if (!HaveSse2Rows())
        GTEST_SKIP() << "no SSE2 rows on this target";
    std::mt19937 rng(99);
    for (int width = 0; width <= 37; ++width) {
        const TBitmap s = test::Random32(width + 1, 2, rng);
        const TBitmap d = test::Random32(width + 1, 2, rng);
        for (int w = 0; w < 256; ++w) {
            TBitmap a = d, b = d;
            // Offset by one pixel so the rows are not 16-byte aligned.
            BlendRowSse2(a.Row32(1) + 1, s.Row32(0) + 1, width, w);
            BlendRowPortable(b.Row32(1) + 1, s.Row32(0) + 1, width, w);
            ASSERT_TRUE(test::SamePixels(a, b)) << width << " " << w;
        }
        TBitmap a = d, b = d, c = d;
        CompositeRowSse2(a.Row32(1) + 1, s.Row32(0) + 1, width);
        CompositeRowAvx2(c.Row32(1) + 1, s.Row32(0) + 1, width);
        CompositeRowPortable(b.Row32(1) + 1, s.Row32(0) + 1, width);
        ASSERT_TRUE(test::SamePixels(a, b)) << width;
        ASSERT_TRUE(test::SamePixels(c, b)) << width;
    }
}

TEST(BlendRows, FastCompositeMatchesForEveryAlphaPair)
{
    if (!HaveSse2Rows())
        GTEST_SKIP() << "no SSE2 rows on this target";
    // All 65536 (source alpha, destination alpha) pairs with random colours,
    // which covers the exact division by 255 of the alpha update.
    std::mt19937 rng(7);
    TBitmap s = test::Random32(256, 256, rng), d = test::Random32(256, 256, rng);
    for (int sa = 0; sa < 256; ++sa)
        for (int da = 0; da < 256; ++da) {
            s.Pixel32(da, sa).A = std::uint8_t(sa);
            d.Pixel32(da, sa).A = std::uint8_t(da);
        }
    TBitmap sse2 = d, avx2 = d, slow = d;
    for (int y = 0; y < 256; ++y) {
        CompositeRowSse2(sse2.Row32(y), s.Row32(y), 256);
        CompositeRowAvx2(avx2.Row32(y), s.Row32(y), 256);
        CompositeRowPortable(slow.Row32(y), s.Row32(y), 256);
    }
    EXPECT_TRUE(test::SamePixels(sse2, slow));
    EXPECT_TRUE(test::SamePixels(avx2, slow)) << (HaveAvx2Rows() ? "AVX2" : "no AVX2: SSE2 again");
}

TEST(MixChannel255, NearestOfTheWeightedMixAndFullWeightExact)
{
    struct Case {
        int A, B, Weight;
        std::uint8_t Expected;
    } cases[] = {
        {200, 100, 255, 200},                                         // full weight: a exactly
        {255, 0, 255, 255},   {200, 100, 0, 100}, {255, 0, 128, 128}, // 128.0
        {10, 0, 191, 7},                                              // 7.49
        {0, 10, 191, 3},                                              // 10 - 7.49 = 2.51
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixChannel255(c.A, c.B, c.Weight), c.Expected) << c.A << " " << c.B << " " << c.Weight;
}

TEST(BlendWholeBitmaps, NeedsTheSameSize)
{
    TBitmap d = test::Filled32(2, 2, 0x00646464);
    BlendWholeBitmaps(d, test::Filled32(2, 3, 0x00C8C8C8), 128);
    EXPECT_EQ(At(d, 1, 1), 0x00646464u);
    BlendWholeBitmaps(d, test::Filled32(2, 2, 0x00C8C8C8), 128);
    EXPECT_EQ(At(d, 1, 1), 0x00969696u);
}

TEST(BlendThroughWeights, WritesAThirdBitmapWithConstantOrPerChannelWeights)
{
    const TBitmap first = test::Filled32(2, 1, 0x00C8C8C8);  // 200
    const TBitmap second = test::Filled32(2, 1, 0x00646464); // 100
    TBitmap out = test::Filled32(2, 1, 0x5A000000);
    BlendThroughWeights(out, first, second, 128);
    EXPECT_EQ(At(out, 0, 0), 0x5A969696u);
    const TBitmap weights = test::Filled32(2, 1, 0x0000FF80); // red 0, green 255, blue 128
    BlendThroughWeights(out, first, second, weights);
    EXPECT_EQ(At(out, 1, 0), 0x5A64C796u);
    TBitmap small = test::Filled32(1, 1, 0);
    BlendThroughWeights(small, first, second, 128);
    EXPECT_EQ(At(small, 0, 0), 0u);
}

TEST(ColorizeByMask, BlackGivesTheColourWhiteKeepsThePixel)
{
    TBitmap b = test::Bitmap32(3, 1, {0x40C8C8C8, 0x40C8C8C8, 0x40006400});
    const TBitmap mask = test::Bitmap32(3, 1, {0xFF000000, 0xFF808080, 0xFFFFFFFF});
    ColorizeByMask(b, mask, 0x000000);
    EXPECT_EQ(At(b, 0, 0), 0x40000000u);
    EXPECT_EQ(At(b, 1, 0), 0x40646464u); // 200 * 128 / 256, red rounding its own way to the same
    EXPECT_EQ(At(b, 2, 0), 0x40006300u); // green (100 * 255) >> 8
    TBitmap red = test::Filled32(1, 1, 0x00000000);
    ColorizeByMask(red, test::Filled32(1, 1, 0x00808080), 0x0000FF);
    EXPECT_EQ(At(red, 0, 0), 0x007F0000u); // 255 - ((128 * 255 + 255) >> 8)
    TBitmap other = test::Filled32(1, 1, 0x11223344);
    ColorizeByMask(other, test::Filled32(2, 1, 0), 0xFFFFFF);
    EXPECT_EQ(At(other, 0, 0), 0x11223344u);
}

} // namespace
} // namespace pp
