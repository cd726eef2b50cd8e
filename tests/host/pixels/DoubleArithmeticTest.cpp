// Colour operations whose exact result lies at a half: each step rounded to
// a 64-bit double lands on the half and nearest() takes the even neighbour,
// while intermediates carried wider (x87's 80-bit registers) keep the
// representation error of the weight and round the other way. These cases
// hold every build, 32-bit included, to double evaluation.
#include "PaintTestSupport.h"
#include "skin/pixels/ColorOps.h"
#include "skin/pixels/Fills.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp {
namespace {

struct TTintCase {
    double Keep;
    std::uint8_t Colour;  // grey colour value: the same byte in every channel
    std::uint8_t Channel; // grey pixel
    std::uint8_t Expected;
};

// nearest(keep * (channel - colour) + colour):
// - keep 0.54 is stored as 0.54000000000000003553; times -125 that is
//   -67.50000000000000444, 0.31 of an ulp (1.42e-14) from -67.5, so the
//   double product is -67.5; plus 125 gives 57.5, which rounds to even 58.
//   Kept wide, 57.4999999999999956 rounds to 57.
// - keep 0.55 is stored as 0.55000000000000004441; times -30 that is
//   -16.5000000000000013, within half an ulp (3.55e-15) of -16.5; plus 30
//   gives 13.5, which rounds to 14. Kept wide: 13.
// - keep 0.55, colour 70, channel 0: -38.5 exactly as a double, 31.5, 32.
TEST(DoubleArithmetic, TintImageRoundsTheDoubleResult)
{
    const TTintCase cases[] = {
        {0.54, 125, 0, 58},
        {0.55, 30, 0, 14},
        {0.55, 70, 0, 32},
    };
    for (const TTintCase& c : cases) {
        TBitmap bitmap = test::Filled32(1, 1, 0xFF000000u | (c.Channel * 0x010101u));
        TintImage(bitmap, c.Colour * 0x010101u, c.Keep);
        const TBGRA p = bitmap.Pixel32(0, 0);
        EXPECT_EQ((std::vector<int>{p.B, p.G, p.R, p.A}),
                  (std::vector<int>{c.Expected, c.Expected, c.Expected, 255}))
            << "keep " << c.Keep << ", colour " << int(c.Colour) << ", channel " << int(c.Channel);
    }
}

// nearest(w * A + (1 - w) * B) with w = 0.14, A = 79, B = 4: w is stored as
// 0.14000000000000001332, and w * 79 = 11.06000000000000105 rounds to the
// double 11.06000000000000049738; 1 - w = 0.85999999999999998668 exactly,
// times 4 exactly 3.43999999999999994671. Their sum 14.50000000000000044
// is a quarter of an ulp (1.78e-15) above 14.5, so the double sum is 14.5
// and rounds to even 14. Kept wide, 14.500000000000001 rounds to 15.
TEST(DoubleArithmetic, BlendColorsRoundsTheDoubleResult)
{
    const TColor blended = BlendColors(0x004F4F4F, 0x00040404, 0.14);
    EXPECT_EQ((std::vector<int>{RedOf(blended), GreenOf(blended), BlueOf(blended)}),
              (std::vector<int>{14, 14, 14}));
}

} // namespace
} // namespace pp
