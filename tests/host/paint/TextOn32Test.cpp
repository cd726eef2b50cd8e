// A text pass laid from its black-on-white scratch onto a bitmap with
// alpha: the mix per channel, its rounding, and the pixels left alone.
#include "PaintFixture.h"

#include "skin/paint/TextOn32.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// Colour red 200, green 100, blue 0.
const TColor Pen = MakeColor(200, 100, 0);

TEST(ApplyTextScratch, MixesEachChannelTowardTheColourByTheScratchValue)
{
    struct TCase {
        const char* Name;
        std::uint32_t Target, Scratch, Expected;
    } cases[] = {
        // m = 0 takes the colour and makes the pixel opaque.
        {"black", 0x071E140A, 0x00000000, 0xFFC86400},
        // m = 128: red (200 * 256 + (70 - 200) * 128) >> 8 = 34560 >> 8 = 135;
        // green (25600 - 40 * 128) >> 8 = 80; blue 50 * 128 >> 8 = 25.
        {"grey 128", 0x00463C32, 0x00808080, 0xFF875019},
        // Per channel m = 3, 3, 255. Red: target below the colour,
        // (51200 - 99 * 3) >> 8 = 50903 >> 8 = 198 (198.8 rounded down);
        // green: target above it, (25600 + 100 * 3) >> 8 = 25900 >> 8 = 101
        // (101.2 rounded down); blue: 255 * 255 >> 8 = 254.
        {"rounding down either way", 0x0065C8FF, 0x000303FF, 0xFFC665FE},
        // White that is not the scratch's untouched white (alpha neither 0
        // nor 255) is text too: m = 255 keeps 255/256 of the target.
        {"white with alpha 128", 0x10C80050, 0x80FFFFFF, 0xFFC8004F},
        {"untouched white, alpha 0", 0x21C80050, 0x00FFFFFF, 0x21C80050},
        {"untouched white, alpha 255", 0x21C80050, 0xFFFFFFFF, 0x21C80050},
    };
    for (const TCase& c : cases) {
        TBitmap target = Pixels(1, 1, {c.Target});
        ApplyTextScratch(target, {0, 0}, Pixels(1, 1, {c.Scratch}), Pen);
        EXPECT_EQ(At(target, 0, 0), c.Expected) << c.Name;
    }
}

TEST(ApplyTextScratch, PlacesTheScratchAtItsOriginAndSkipsWhatFallsOutside)
{
    const std::uint32_t blank = 0x40102030;
    TBitmap target = Pixels(3, 2, {blank, blank, blank, blank, blank, blank});
    // A 3 x 2 scratch with its top-left at (1, 1): only its first row's
    // first two pixels land (on (1, 1) and (2, 1)); the rest overhangs.
    const TBitmap scratch = Pixels(3, 2, {0, 0xFFFFFFFF, 0, 0, 0, 0});
    ApplyTextScratch(target, {1, 1}, scratch, Pen);
    const std::uint32_t expected[] = {blank, blank, blank, blank, 0xFFC86400, blank};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(At(target, i % 3, i / 3), expected[i]) << i;

    // Wholly left of and above the target: nothing.
    TBitmap untouched = Pixels(1, 1, {blank});
    ApplyTextScratch(untouched, {-3, -2}, scratch, Pen);
    EXPECT_EQ(At(untouched, 0, 0), blank);
}

} // namespace
} // namespace pp::test
