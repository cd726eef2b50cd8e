// Stored hint kinds can hold any numbers: the images must still be built
// without reading or writing outside them.
#include "skin/paint/HintBody.h"

#include <gtest/gtest.h>

#include <climits>

namespace pp {
namespace {

TEST(HintImages, OddKindsAndSizesStayInsideTheImages)
{
    struct Case {
        const char* What;
        TSize Size;
        void (*Change)(THintLook&);
    } cases[] = {
        {"one pixel", {1, 1}, [](THintLook&) {}},
        {"tail band taller than the window", {40, 20}, [](THintLook& l) { l.ExOffset = 500; }},
        {"negative tail band", {40, 30}, [](THintLook& l) { l.ExOffset = -50; }},
        {"negative blur and offset",
         {40, 30},
         [](THintLook& l) {
             l.ShadowBlur = -3;
             l.ShadowOffset = -9;
         }},
        {"huge blur", {40, 30}, [](THintLook& l) { l.ShadowBlur = 1000; }},
        {"huge radius", {40, 30}, [](THintLook& l) { l.Radius = INT_MAX / 4; }},
        {"negative radius", {40, 30}, [](THintLook& l) { l.Radius = -10; }},
        {"transparency beyond 100", {40, 30}, [](THintLook& l) { l.Transparency = 400; }},
        {"shares beyond 100",
         {40, 30},
         [](THintLook& l) {
             l.GradientPercent = 90;
             l.TexturePercent = 90;
         }},
        {"balloon", {60, 50}, [](THintLook& l) { l.Style = THintStyle::hsBalloon; }},
        {"plain with soft shadow", {40, 30}, [](THintLook& l) { l.Style = THintStyle::hsSimply; }},
    };
    for (const Case& c : cases)
        for (const THintTail tail :
             {THintTail::TopLeft, THintTail::BottomLeft, THintTail::TopRight, THintTail::BottomRight}) {
            THintLook look;
            ApplyHintPreset(look, THintPredefinitions::shComicsGradient);
            c.Change(look);
            THintImages images;
            BuildHintImages(images, c.Size, look, tail, nullptr, nullptr);
            EXPECT_EQ(images.Layered.Width(), c.Size.Width) << c.What;
        }
}

TEST(HintImages, EmptySizeMakesNothing)
{
    THintLook look;
    THintImages images;
    BuildHintImages(images, {0, 10}, look, THintTail::TopLeft, nullptr, nullptr);
    EXPECT_TRUE(images.Layered.Empty());
}

} // namespace
} // namespace pp
