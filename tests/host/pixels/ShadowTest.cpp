#include "PaintTestSupport.h"

#include "skin/pixels/RoundRect.h"
#include "skin/pixels/SoftShadow.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

std::vector<int> GreenRow(const TBitmap& b, int y)
{
    std::vector<int> v;
    for (int x = 0; x < b.Width(); ++x)
        v.push_back(b.Pixel32(x, y).G);
    return v;
}

TEST(DrawSoftShadow, BlurZeroIsOneGreyRectangle)
{
    TBitmap b = test::Filled32(4, 3, 0x33C8C8C8);
    DrawSoftShadow(b, b.Bounds(), 50, 0, 0, 0x000000);
    // Grey 50 * 255 div 100 = 127: green (200 * 127) >> 8 = 99; red rounds
    // its own way: -((127 * -200 + 255) >> 8) = 99 as well.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(At(b, x, y), 0x33636363u) << x << "," << y;
}

TEST(DrawSoftShadow, FadesFromTheEdgeInward)
{
    TBitmap b = test::Filled32(10, 10, 0xFFFFFFFF);
    DrawSoftShadow(b, b.Bounds(), 50, 0, 2, 0x000000);
    // Rings: 255 at the edge, then 127 + nearest(128 / 3 * 2) = 212, and the
    // inner rectangle (2, 2, 8, 8) in 127.
    EXPECT_EQ(GreenRow(b, 5), (std::vector<int>{254, 211, 126, 126, 126, 126, 126, 126, 211, 254}));
    EXPECT_EQ(GreenRow(b, 0), std::vector<int>(10, 254));
}

TEST(DrawSoftShadow, KeepsItsShapeWhenPartlyOutsideTheBitmap)
{
    TBitmap b = test::Filled32(6, 6, 0xFFFFFFFF);
    DrawSoftShadow(b, {3, 3, 13, 13}, 50, 0, 2, 0x000000);
    // The bitmap's (3, 3) is the shadow's outer corner, (5, 5) its inner part.
    EXPECT_EQ(b.Pixel32(3, 3).G, 254);
    EXPECT_EQ(b.Pixel32(4, 4).G, 211);
    EXPECT_EQ(b.Pixel32(5, 5).G, 126);
    EXPECT_EQ(b.Pixel32(2, 2).G, 255);
    DrawSoftShadow(b, {-20, -20, -5, -5}, 50, 0, 2, 0x000000);
    DrawSoftShadow(b, {0, 0, 0, 0}, 50, 0, 2, 0x000000);
}

TEST(DrawSoftShadow, LeavesTheCornersOutsideTheRoundingLight)
{
    TBitmap b = test::Filled32(20, 12, 0xFFFFFFFF);
    DrawSoftShadow(b, b.Bounds(), 50, 8, 3, 0x000000);
    // The outermost corner lies outside every rounded ring: it is treated as
    // the white edge, not as full shadow.
    EXPECT_EQ(b.Pixel32(0, 0).G, 254);
    EXPECT_EQ(b.Pixel32(19, 11).G, 254);
    EXPECT_EQ(b.Pixel32(10, 6).G, 126);
}

TEST(FillRoundRect, CutsTheCornersOnly)
{
    TBitmap b = test::Filled32(8, 8, 0);
    FillRoundRect(b, {0, 0, 8, 8}, 6, 6, TBGRA{0, 0, 0, 1});
    EXPECT_EQ(At(b, 0, 0), 0u);
    EXPECT_EQ(At(b, 7, 7), 0u);
    EXPECT_EQ(At(b, 7, 0), 0u);
    EXPECT_EQ(At(b, 0, 4), 0x01000000u);
    EXPECT_EQ(At(b, 4, 0), 0x01000000u);
    EXPECT_EQ(At(b, 1, 1), 0x01000000u);
    // Symmetric left to right and top to bottom.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(At(b, x, y), At(b, 7 - x, 7 - y)) << x << "," << y;
}

} // namespace
} // namespace pp
