// One state image of a skin image drawn at a point: masked images through
// their mask (normal and faint), key-colour images copied or mixed.
#include "PaintFixture.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/MaskImage.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// Target R 100, G 200, B 250, alpha 64.
constexpr std::uint32_t Behind = 0x4064C8FA;

TBitmap Target(int width, int height)
{
    return PixelsBy(width, height, [](int, int) { return Behind; });
}

TEST(DrawMaskImage, MaskedImagesComposeThroughTheMaskAndRaiseTheAlpha)
{
    struct TCase {
        int Mode;
        std::uint32_t Expected;
    } cases[] = {
        // m = 64: colour (64 * (D - S) + S * 256) >> 8 = 175, 125, 100;
        // alpha 64 + (191 * 191) >> 8 = 206.
        {mmNormal, 0xCEAF7D64},
        // Faint: m = 164: 135, 164, 178; alpha 64 + (191 * 91) >> 8 = 131.
        {mmFaint, 0x8387A4B2},
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        // Two states of 3 x 1: a colour, a key pixel, a colour under a white mask.
        const int image = fixture.AddImage(
            Pixels(6, 2,
                   {0xFF000000, 0xFF000000, 0xFF000000, 0xFFC86432, 0x00FF00FF, 0xFFC86432, 0xFF000000,
                    0xFF000000, 0xFF000000, 0xFF404040, 0xFF404040, 0xFFFFFFFF}),
            {.Frames = 2, .MaskBands = 1});
        TBitmap target = Target(4, 2);
        DrawMaskImage(target, {1, 1}, 7, BackdropInfo{}, fixture.Image(image), c.Mode);
        EXPECT_EQ(At(target, 1, 1), c.Expected) << c.Mode;
        EXPECT_EQ(At(target, 2, 1), Behind) << c.Mode; // key pixel
        EXPECT_EQ(At(target, 3, 1), Behind) << c.Mode; // white mask
        EXPECT_EQ(At(target, 1, 0), Behind) << c.Mode;
    }
}

TEST(DrawMaskImage, KeyColourImagesAreCopiedInModeOneAndMixedHalfInOthers)
{
    const TBitmap parent = PixelsBy(
        4, 4, [](int x, int y) { return 0x80000000u | std::uint32_t(x) << 16 | std::uint32_t(y) << 8; });
    TFixtureSkin fixture;
    const int image = fixture.AddImage(Pixels(2, 1, {0x00FF00FF, 0x22C96435}), {.CornerKey = 1});

    TBitmap copied = Target(2, 1);
    DrawMaskImage(copied, {0, 0}, 0, BackdropFromBitmap(&parent, 2, 3), fixture.Image(image), mmNormal);
    EXPECT_EQ(At(copied, 0, 0), 0xFF020300u); // the parent behind, opaque
    EXPECT_EQ(At(copied, 1, 0), 0xFFC96435u);

    // nearest((S + D) / 2), halves to even: 301 -> 150, 300 -> 150, 303 -> 152.
    TBitmap mixed = Target(2, 1);
    DrawMaskImage(mixed, {0, 0}, 0, BackdropFromBitmap(&parent, 2, 3), fixture.Image(image), mmFaint);
    EXPECT_EQ(At(mixed, 0, 0), Behind);
    EXPECT_EQ(At(mixed, 1, 0), 0x40969698u);
}

TEST(DrawMaskImage, SkipsWhatFallsOutsideTheTarget)
{
    TFixtureSkin fixture;
    const int image = fixture.AddImage(Pixels(2, 2, {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004}), {});
    TBitmap target = Target(2, 2);
    DrawMaskImage(target, {-1, -1}, 0, BackdropInfo{}, fixture.Image(image), mmNormal);
    EXPECT_EQ(At(target, 0, 0), 0xFF000004u);
    EXPECT_EQ(At(target, 1, 0), Behind);
    EXPECT_EQ(At(target, 0, 1), Behind);
}

} // namespace
} // namespace pp::test
