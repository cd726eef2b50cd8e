// The bitmap button's state rules: the look each combination of press,
// hover, focus and default role gives, the skin image for each look, and
// when the border cuts the window region.
#include "skin/controls/ButtonSkinState.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using S = TButtonPaintState;

TEST(ButtonSkinState, EachCombinationGivesTheFirstLookThatHolds)
{
    struct TCase {
        const char* Name;
        TButtonStateInput Input;
        S Expected;
    } cases[] = {
        {"nothing", {}, S::Normal},
        {"default button", {.Default = true}, S::Default},
        {"hot (hover or focus)", {.Hot = true}, S::Hot},
        {"hot default button", {.Hot = true, .Default = true}, S::Hot},
        {"hot in the designer", {.Designing = true, .Hot = true, .Default = true}, S::Default},
        {"pushed by the keyboard", {.NativePushed = true}, S::Pressed},
        {"pushed, mouse held inside",
         {.NativePushed = true, .MouseInside = true, .LeftButtonHeld = true},
         S::Pressed},
        {"pushed, mouse held outside", {.NativePushed = true, .LeftButtonHeld = true, .Hot = true}, S::Hot},
        {"forced pressed on release", {.ForcePressed = true, .Hot = true}, S::Pressed},
        {"held down", {.Down = true, .Hot = true, .Default = true}, S::Pressed},
        {"held down, mouse held outside", {.LeftButtonHeld = true, .Down = true}, S::Pressed},
        {"disabled: not hot", {.MouseInside = true, .Hot = false}, S::Normal},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ChooseButtonState(c.Input), c.Expected) << c.Name;
}

TEST(ButtonSkinState, TheDefaultLookUsesTheHotImageInSectionsOfFewerThanFourStates)
{
    struct TCase {
        S State;
        int SectionStates;
        int Image;
    } cases[] = {
        {S::Default, 3, 1}, {S::Default, 2, 1}, {S::Default, 4, 3}, {S::Default, 6, 3}, {S::Pressed, 3, 2},
        {S::Pressed, 2, 1}, {S::Hot, 1, 0},     {S::Normal, 4, 0},  {S::Normal, 0, 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SkinImageForState(c.State, c.SectionStates), c.Image)
            << int(c.State) << " of " << c.SectionStates;
}

TEST(ButtonSkinState, FocusDotsTakeTheHotTextColourWhereTheSectionHasStates)
{
    EXPECT_EQ(FocusDotsImage(0), 0);
    EXPECT_EQ(FocusDotsImage(1), 1);
    EXPECT_EQ(FocusDotsImage(5), 1);
}

TEST(ButtonSkinState, OnlyABorderWithCornerFlagTwoCutsTheRegionAndOnlyWhenItChanged)
{
    const TRegionInput wanted{.RegionChanged = true, .CornerFlag = 2};
    EXPECT_TRUE(WantsWindowRegion(wanted));
    struct TCase {
        const char* Name;
        TRegionInput Input;
    } refused[] = {
        {"corner flag 0", {.RegionChanged = true, .CornerFlag = 0}},
        {"corner flag 1", {.RegionChanged = true, .CornerFlag = 1}},
        {"unchanged", {.RegionChanged = false, .CornerFlag = 2}},
        {"designing", {.RegionChanged = true, .CornerFlag = 2, .Designing = true}},
        {"printing", {.RegionChanged = true, .CornerFlag = 2, .Printing = true}},
        {"fading", {.RegionChanged = true, .CornerFlag = 2, .Fading = true}},
    };
    for (const TCase& c : refused)
        EXPECT_FALSE(WantsWindowRegion(c.Input)) << c.Name;
}

} // namespace
} // namespace pp
