#include "PaintTestSupport.h"

#include "skin/pixels/KeyRegion.h"
#include "skin/pixels/Transform.h"
#include "skin/pixels/WorkBitmap.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

TEST(WorkBitmap, NewAndClonedShapes)
{
    const auto b = NewBitmap32(3, 2);
    EXPECT_EQ(b->Format(), TPixelFormat::pf32bit);
    EXPECT_EQ(b->Size(), (TSize{3, 2}));
    TBitmap mask(5, 4, TPixelFormat::pfMask8);
    mask.Fill(TBGRA{0, 0, 0, 9});
    const auto clone = CloneBitmapShape(mask);
    EXPECT_EQ(clone->Format(), TPixelFormat::pfMask8);
    EXPECT_EQ(clone->Size(), (TSize{5, 4}));
    EXPECT_EQ(clone->ScanLine(3)[4], 0);
}

TEST(RotateBitmap90, TurnsBothWays)
{
    // 1 2 3
    // 4 5 6
    const TBitmap src = test::Bitmap32(3, 2, {1, 2, 3, 4, 5, 6});
    const auto cw = RotateBitmap90(src, true);
    ASSERT_TRUE(cw);
    EXPECT_EQ(cw->Size(), (TSize{2, 3}));
    EXPECT_EQ(std::vector<std::uint32_t>({At(*cw, 0, 0), At(*cw, 1, 0), At(*cw, 0, 2), At(*cw, 1, 2)}),
              (std::vector<std::uint32_t>{4, 1, 6, 3}));
    const auto ccw = RotateBitmap90(src, false);
    EXPECT_EQ(std::vector<std::uint32_t>({At(*ccw, 0, 0), At(*ccw, 1, 0), At(*ccw, 0, 2), At(*ccw, 1, 2)}),
              (std::vector<std::uint32_t>{3, 6, 1, 4}));
    EXPECT_FALSE(RotateBitmap90(TBitmap(2, 2, TPixelFormat::pf24bit), true));

    auto owned = std::make_unique<TBitmap>(src);
    const auto turned = RotateBitmap90(owned, true, true);
    EXPECT_FALSE(owned);
    EXPECT_TRUE(test::SamePixels(*turned, *cw));
}

TEST(AlphaFromMaskedImage, TakesAlphaFromTheMaskHalf)
{
    const TBitmap image = test::Bitmap32(3, 5,
                                         {0, 0, 0,                   //
                                          0, 0x00ABCDEF, 0x00112233, //
                                          0, 0x00300000, 0x00200000, //
                                          0, 0x00000000, 0x00404040, //
                                          0, 0x00FF0000, 0x00200000});
    const auto result = AlphaFromMaskedImage(image, {1, 1, 3, 5});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Size(), (TSize{2, 2}));
    EXPECT_EQ(At(*result, 0, 0), 0xFFABCDEFu); // black mask: opaque
    EXPECT_EQ(At(*result, 1, 0), 0xBF112233u); // mask red 0x40
    EXPECT_EQ(At(*result, 0, 1), 0x00300000u); // white mask: transparent
    EXPECT_EQ(At(*result, 1, 1), 0xDF200000u);
    EXPECT_FALSE(AlphaFromMaskedImage(image, {1, 1, 3, 2}));
    EXPECT_FALSE(AlphaFromMaskedImage(image, {2, 1, 2, 5}));
}

TEST(KeyColorRuns, CollectsRunsOfTransparentKeyPixels)
{
    const TBitmap b = test::Bitmap32(5, 2,
                                     {0x00FF00FF, 0x00FF00FF, 0xFFFF00FF, 0x00FF00FF, 0, //
                                      0, 0, 0, 0, 0x00FF00FF});
    EXPECT_EQ(KeyColorRuns(b, clKeyColor), (TAOR{{0, 0, 2, 1}, {3, 0, 4, 1}, {4, 1, 5, 2}}));
    EXPECT_TRUE(KeyColorRuns(test::Filled32(4, 4, 0xFF00FF00), clKeyColor).empty());
}

TEST(CornerCutouts, FindsKeyPixelsInTheTwoCornersOfTheBorderBand)
{
    // One state 6 x 4: top band 2 rows, bottom band 1 row; corners 2 wide.
    const std::uint32_t K = 0x00FF00FF;
    const TBitmap image = test::Bitmap32(6, 4, {K, K, K, 0, K, K, //
                                                K, 0, 0, 0, 0, K, //
                                                0, 0, 0, 0, 0, 0, //
                                                K, 0, 0, 0, K, 0});
    TMaskImageView mask;
    mask.Image = &image;
    mask.SourceRect = {0, 0, 6, 4};
    mask.LeftWidth = mask.RightWidth = 2;
    mask.TopWidth = 2;
    mask.BottomWidth = 1;
    TAOR top;
    CornerCutouts(top, 20, mask, false, 0);
    EXPECT_EQ(top, (TAOR{{0, 0, 2, 1}, {18, 0, 20, 1}, {0, 1, 1, 2}, {19, 1, 20, 2}}));
    TAOR bottom{{1, 1, 2, 2}};
    CornerCutouts(bottom, 10, mask, true, 30);
    EXPECT_EQ(bottom, (TAOR{{1, 1, 2, 2}, {0, 30, 1, 31}, {8, 30, 9, 31}}));

    mask.TopWidth = 9; // the band is not in the image
    TAOR none;
    CornerCutouts(none, 20, mask, false, 0);
    EXPECT_TRUE(none.empty());
}

} // namespace
} // namespace pp
