#include "PaintTestSupport.h"

#include "skin/pixels/KeyedPixels.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

TEST(RestoreKeyedPixels, ReplacesKeyColouredTargetPixelsFromTheSource)
{
    TBitmap target = test::Bitmap32(3, 2,
                                    {0xFFFF00FF, 0x00FF00FF, 0x00000001, //
                                     0x00FF00FF, 0x00000002, 0x00FF00FF});
    const TBitmap source = test::Bitmap32(3, 2, {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F});
    // A 2 x 2 block from target (1, 0), source from (1, 0): the source holds
    // only two columns there, so the block stays 2 wide.
    RestoreKeyedPixels(target, source, {1, 0, 3, 2}, {1, 0, 3, 2});
    EXPECT_EQ(At(target, 0, 0), 0xFFFF00FFu); // outside the block
    EXPECT_EQ(At(target, 1, 0), 0x0Bu);       // alpha does not take part in the test
    EXPECT_EQ(At(target, 2, 0), 0x01u);
    EXPECT_EQ(At(target, 2, 1), 0x0Fu);

    TBitmap cut = test::Filled32(3, 1, 0x00FF00FF);
    RestoreKeyedPixels(cut, source, {0, 0, 3, 1}, {2, 1, 5, 2});
    EXPECT_EQ(At(cut, 0, 0), 0x0Fu);
    EXPECT_EQ(At(cut, 1, 0), 0x00FF00FFu); // past the source's edge: left alone
}

TEST(RestoreKeyedPixels, CanTestTheKeyOnASkinImage)
{
    TBitmap target = test::Filled32(2, 1, 0x00000005);
    const TBitmap source = test::Filled32(2, 1, 0x00000009);
    const TBitmap skin = test::Bitmap32(3, 1, {0x00000000, 0x00FF00FF, 0x00000000});
    RestoreKeyedPixels(target, source, {0, 0, 2, 1}, {0, 0, 2, 1}, skin, {1, 0});
    EXPECT_EQ(At(target, 0, 0), 0x09u);
    EXPECT_EQ(At(target, 1, 0), 0x05u);
}

TEST(KeyCornerOrigin, PicksTheCornerOfTheFirstState)
{
    TMaskImageView mask;
    mask.SourceRect = {10, 20, 100, 100}; // three states of 30, two bands of 40
    mask.FrameCount = 3;
    mask.MaskBands = 1;
    mask.RightWidth = 5;
    mask.BottomWidth = 6;
    const struct {
        int Corner;
        TPoint Expected;
    } cases[] = {{kcTopLeft, {10, 20}},
                 {kcTopRight, {35, 20}},
                 {kcBottomLeft, {10, 54}},
                 {kcBottomRight, {35, 54}},
                 {99, {10, 20}}};
    for (const auto& c : cases)
        EXPECT_EQ(KeyCornerOrigin(mask, c.Corner), c.Expected) << c.Corner;
}

TEST(DimToBackground, GreysAndFadesTowardTheBackdrop)
{
    const TBitmap backdropImage = test::Bitmap32(3, 1, {0x00FF00FF, 0x00C8C8C8, 0x00C8C8C8});
    BackdropInfo backdrop;
    backdrop.Image = &backdropImage;
    backdrop.HasImage = true;
    backdrop.OffsetX = -2;
    TBitmap b = test::Bitmap32(3, 1, {0x7F646464, 0x7F646464, 0x7F646464});
    // Pixel x reads the backdrop at x + offset - 2 + rectangle left 2.
    DimToBackground(b, dimFade, 0, {2, 0, 5, 1}, backdrop);
    EXPECT_EQ(At(b, 0, 0), 0x7F646464u); // backdrop is the key: untouched
    EXPECT_EQ(At(b, 1, 0), 0x7FA0A0A0u); // 200 - 100 * 0.4 = 160
    EXPECT_EQ(At(b, 2, 0), 0x7FA0A0A0u);
}

TEST(DimToBackground, GreysFirstThenFades)
{
    // Red 31, green 61, blue 91 turn grey 61 first.
    const TBitmap backdropImage = test::Bitmap32(2, 1, {0x00C8C8C8, 0x00FF00FF});
    BackdropInfo backdrop;
    backdrop.Image = &backdropImage;
    backdrop.HasImage = true;
    TBitmap b = test::Filled32(2, 1, 0x7F1F3D5B);
    DimToBackground(b, dimGrey | dimFade, 0, {0, 0, 2, 1}, backdrop);
    EXPECT_EQ(At(b, 0, 0), 0x7F909090u); // 200 - (200 - 61) * 0.4 = 144.4
    EXPECT_EQ(At(b, 1, 0), 0x7F3D3D3Du); // over the key only grey

    BackdropInfo colour;
    colour.BackColor = 0x0000C8; // red 200
    TBitmap c = test::Filled32(1, 1, 0x101F3D5B);
    DimToBackground(c, dimGrey | dimFade, 0, {0, 0, 1, 1}, colour);
    // Halfway: red (61 + 200) / 2 = 130.5 -> 130, green and blue 30.5 -> 30.
    EXPECT_EQ(At(c, 0, 0), 0x10821E1Eu);
}

TEST(DimToBackground, WithoutAnImageFadesHalfwayToAColour)
{
    BackdropInfo colour;
    colour.BackColor = 0x0000C8; // red 200
    TBitmap b = test::Filled32(1, 1, 0x10000000);
    DimToBackground(b, dimFade, 0xFFFFFF, {0, 0, 1, 1}, colour);
    EXPECT_EQ(At(b, 0, 0), 0x10640000u);

    BackdropInfo none;
    none.BackColor = clKeyColor;
    TBitmap c = test::Filled32(1, 1, 0x10000000);
    DimToBackground(c, dimFade, 0x0A0000, {0, 0, 1, 1}, none); // the control's colour: blue 10
    EXPECT_EQ(At(c, 0, 0), 0x10000005u);

    TBitmap g = test::Filled32(1, 1, 0x10030609);
    DimToBackground(g, dimGrey, 0, {0, 0, 1, 1}, none);
    EXPECT_EQ(At(g, 0, 0), 0x10060606u);
}

} // namespace
} // namespace pp
