#include "skin/paint/HintBody.h"
#include "skin/paint/HintShadow.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

// A small comics hint whose pixels can be worked by hand: 60 x 50, tail at
// the top left, square corners. Body (0, 10)-(56, 46) with both edges in; the
// tail from (3, 3) to (21, 28) and (35, 28). The shadow is moved by 4 with 2
// rings: t = 40, g0 = 102, step 51, greys 204, 153, 102 for the body
// rectangles (4..60, 14..50), (5..59, 15..49) and (6..58, 16..48).
THintLook FixtureLook()
{
    THintLook look;
    look.Style = THintStyle::hsComics;
    look.Radius = 0;
    look.ExOffset = 10;
    look.BevelWidth = 1;
    look.Color = 0x0000FF;                     // red: never seen under a gradient share of 100
    look.GradientData = "65280;65280;100;0;0"; // green all the way
    look.GradientPercent = 100;
    look.ColorBorderTop = 0x000080;
    look.ColorBorderBottom = 0x800000;
    look.ShadowEnabled = true;
    look.ShadowOffset = 4;
    look.ShadowBlur = 2;
    look.ShadowTransparency = 40;
    return look;
}

THintImages BuildFixture(THintLook look)
{
    THintImages images;
    BuildHintImages(images, {60, 50}, look, THintTail::TopLeft, nullptr, nullptr);
    return images;
}

TEST(HintLayeredImage, PixelsWorkedByHand)
{
    const THintImages images = BuildFixture(FixtureLook());
    const TBGRA green{0, 255, 0, 255}, top{0, 0, 0x80, 255}, bottom{0x80, 0, 0, 255};
    struct Case {
        const char* What;
        int X, Y;
        TBGRA Expected;
    } cases[] = {
        {"body from the gradient", 30, 30, green},
        {"body in the tail", 9, 9, green},
        {"tail tip: top outline", 3, 3, top},
        {"top edge", 30, 10, top},
        {"first column", 0, 30, top},
        {"bottom edge (included)", 30, 46, bottom},
        {"right edge (included)", 56, 30, bottom},
        {"innermost ring, right", 58, 30, {0, 0, 0, 255 - 102}},
        {"middle ring, right", 59, 30, {0, 0, 0, 255 - 153}},
        {"innermost ring, below", 30, 48, {0, 0, 0, 255 - 102}},
        {"outer ring only", 4, 49, {0, 0, 0, 255 - 204}},
        {"beside the tip", 2, 3, {0, 0, 0, 0}},
        {"outside shape and shadow", 59, 0, {0, 0, 0, 0}},
        {"above the shadow, right of the body", 58, 5, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(images.Layered.Pixel32(c.X, c.Y), c.Expected) << c.What;
}

TEST(HintLayeredImage, GradientThatDoesNotParseFallsBackToTheColour)
{
    THintLook look = FixtureLook();
    look.GradientData = "green;blue";
    THintImages images;
    BuildHintImages(images, {60, 50}, look, THintTail::TopLeft, nullptr, nullptr);
    EXPECT_EQ(look.GradientPercent, 0);
    EXPECT_EQ(images.Layered.Pixel32(30, 30), (TBGRA{0, 0, 255, 255}));
}

TEST(HintLayeredImage, NoShadowLeavesEverythingOutsideTransparent)
{
    THintLook look = FixtureLook();
    look.ShadowEnabled = false;
    const THintImages images = BuildFixture(look);
    // Without the shadow's room the body reaches to (60, 50) - 1.
    EXPECT_EQ(images.Layered.Pixel32(59, 30), (TBGRA{0x80, 0, 0, 255}));
    EXPECT_EQ(images.Layered.Pixel32(2, 3).A, 0);
}

TEST(HintShadowTransparency, HintTransparencyLightensTheShadow)
{
    // The program's comics hint: nearest(72 * 8 / 100 + 28) = 34.
    THintLook look;
    ApplyHintPreset(look, THintPredefinitions::shComicsGradient);
    EXPECT_EQ(HintShadowTransparency(look), 34);
    look.Transparency = -20; // a negative transparency counts as none
    EXPECT_EQ(HintShadowTransparency(look), 28);
}

TEST(HintLayeredImage, ProgramsComicsShadowCoreIsGrey86)
{
    THintLook look;
    ApplyHintPreset(look, THintPredefinitions::shComicsGradient);
    THintImages images;
    BuildHintImages(images, {89, 60}, look, THintTail::TopLeft, nullptr, nullptr);
    // Body (0, 24)-(82, 53); the shadow's body moved by 7 spans rows 31..60,
    // ring e rows 31 + e .. 60 - e. Row 55 below the body lies in rings 0..5:
    // grey nearest((10 - 5) * 169 / 11) + 86 = 163.
    EXPECT_EQ(images.Work.Pixel32(40, 55).R, 163);
    EXPECT_EQ(images.Layered.Pixel32(40, 55).A, 255 - 163);
}

} // namespace
} // namespace pp
