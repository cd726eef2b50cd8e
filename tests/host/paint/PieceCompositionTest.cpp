// The machinery under the border painter: the vector row kernel against
// its portable loop, and the store of scaled pieces.
#include "PaintFixture.h"

#include "skin/paint/MaskRow.h"
#include "skin/paint/ScaledPieceCache.h"

#include <gtest/gtest.h>

#include <random>

namespace pp::test {
namespace {

TBitmap RandomRow(int width, std::mt19937& rng)
{
    return PixelsBy(width, 1, [&rng](int, int) { return std::uint32_t(rng()); });
}

TEST(ComposeRowThroughMask, GivesTheBytesOfThePortableLoopForEveryLength)
{
    std::mt19937 rng(3);
    for (int width = 1; width <= 37; ++width) {
        const TBitmap s = RandomRow(width, rng), m = RandomRow(width, rng);
        TBitmap fast = RandomRow(width, rng);
        TBitmap portable = fast;
        ComposeRowThroughMask(fast.Row32(0), s.Row32(0), m.Row32(0), width);
        ComposeRowThroughMaskPortable(portable.Row32(0), s.Row32(0), m.Row32(0), width);
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(At(fast, x, 0), At(portable, x, 0)) << width << " at " << x;
    }
}

// 0xAARRGGBB of a kept piece's pixel.
std::uint32_t At(const std::vector<TBGRA>& pixels, TSize size, int x, int y)
{
    const TBGRA p = pixels[std::size_t(y) * size.Width + x];
    return std::uint32_t(p.A) << 24 | std::uint32_t(p.R) << 16 | std::uint32_t(p.G) << 8 | p.B;
}

TEST(TScaledPieceCache, ReusesAPieceUntilItsPixelsChange)
{
    // A 2 x 2 image over its 2 x 2 mask, stretched to 4 x 2.
    TBitmap image = Pixels(
        2, 4,
        {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040});
    TScaledPieceCache cache;
    const TScaledPieceCache::TPiece* first = &cache.Scaled(image, {0, 0, 2, 2}, 2, {4, 2}, NearestPixels);
    // 2 -> 4 columns: (i * 2 + 0) div 4 = 0 0 1 1.
    EXPECT_EQ(At(first->Image, first->Size, 1, 0), 0xFF000001u);
    EXPECT_EQ(At(first->Image, first->Size, 2, 1), 0xFF000004u);
    EXPECT_EQ(At(first->Mask, first->Size, 3, 0), 0xFF202020u);
    EXPECT_EQ(&cache.Scaled(image, {0, 0, 2, 2}, 2, {4, 2}, NearestPixels), first);
    EXPECT_EQ(cache.Size(), 1u);

    image.Pixel32(1, 3) = TBGRA{0x99, 0x99, 0x99, 0xFF}; // the mask changes in place
    const TScaledPieceCache::TPiece& again = cache.Scaled(image, {0, 0, 2, 2}, 2, {4, 2}, NearestPixels);
    EXPECT_EQ(At(again.Mask, again.Size, 3, 1), 0xFF999999u);
    EXPECT_EQ(cache.Size(), 1u);
}

TEST(TScaledPieceCache, KeepsAtMostItsCapacity)
{
    const TBitmap image = PixelsBy(8, 8, [](int x, int y) { return 0xFF000000u | std::uint32_t(x * 8 + y); });
    TScaledPieceCache cache(2);
    for (int width = 3; width < 9; ++width) {
        const TScaledPieceCache::TPiece& piece = cache.Scaled(image, {0, 0, 2, 2}, 0, {width, 2},
                                                              NearestPixels);
        EXPECT_EQ(piece.Size.Width, width);
        EXPECT_EQ(piece.Image.size(), std::size_t(width) * 2);
        EXPECT_TRUE(piece.Mask.empty());
    }
    EXPECT_EQ(cache.Size(), 2u);
}

} // namespace
} // namespace pp::test
