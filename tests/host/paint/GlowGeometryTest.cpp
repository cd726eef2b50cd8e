// Glow window size, cuts and position, worked by hand for a 75 x 25 control
// at (100, 200) and a glow image with borders left 5, top 4, right 7,
// bottom 3.
#include "skin/paint/GlowGeometry.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

constexpr TRect Control = TRect::FromBounds(100, 200, 75, 25);
constexpr TGlowBorders Borders{5, 4, 7, 3};

struct TGlowCase {
    const char* Name;
    TRect Visible;
    int Margin;
    TRect Source; // in the full glow picture
    TRect Window; // on screen
};

class GlowPlacementTest : public testing::TestWithParam<TGlowCase> { };

TEST_P(GlowPlacementTest, CutsAndPlacesTheGlow)
{
    const TGlowCase& c = GetParam();
    const auto placement = PlaceGlow(Control, c.Visible, Borders, c.Margin);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->Source, c.Source);
    EXPECT_EQ(placement->Window, c.Window);
}

// Full picture without margin: 75 + 5 + 7 = 87 by 25 + 4 + 3 = 32, at
// (100 - 5, 200 - 4). With margin 2: 83 by 28 at (97, 198).
INSTANTIATE_TEST_SUITE_P(
    Cases, GlowPlacementTest,
    testing::Values(
        TGlowCase{"WholeControlSeen", {0, 0, 75, 25}, 0, {0, 0, 87, 32}, {95, 196, 182, 228}},
        TGlowCase{"MarginShrinksEverySide", {0, 0, 75, 25}, 2, {0, 0, 83, 28}, {97, 198, 180, 226}},
        // Right of x = 40 hidden: cut 75 + 7 - 40 = 42, width 45.
        TGlowCase{"RightHalfHidden", {0, 0, 40, 25}, 0, {0, 0, 45, 32}, {95, 196, 140, 228}},
        // Left of x = 35 hidden: cut 5 + 35 = 40, width 47, window at 100 + 40 - 5.
        TGlowCase{"LeftHalfHidden", {35, 0, 75, 25}, 0, {40, 0, 87, 32}, {135, 196, 182, 228}},
        // Above y = 10 hidden, margin 2: cut 4 + 10 - 2 = 12, height 28 - 12
        // = 16, window top 200 + 2 + 12 - 4 = 210 (the visible top).
        TGlowCase{"TopHiddenWithMargin", {0, 10, 75, 25}, 2, {0, 12, 83, 28}, {97, 210, 180, 226}},
        // Below y = 20 hidden: cut 25 + 3 - 20 = 8, height 24.
        TGlowCase{"BottomHidden", {0, 0, 75, 20}, 0, {0, 0, 87, 24}, {95, 196, 182, 220}},
        // Both sides of x hidden: left cut 5 + 10 = 15, right cut 82 - 60 = 22.
        TGlowCase{"BothSidesHidden", {10, 0, 60, 25}, 0, {15, 0, 65, 32}, {110, 196, 160, 228}}),
    [](const auto& info) { return info.param.Name; });

TEST(GlowPlacement, NothingToShowGivesNoGlow)
{
    EXPECT_FALSE(PlaceGlow(Control, {}, Borders, 0)) << "control fully hidden";
    EXPECT_FALSE(PlaceGlow(TRect::FromBounds(0, 0, 0, 25), {0, 0, 0, 25}, Borders, 0)) << "no width";
    // A margin that eats the borders and the control: 75 + 12 - 2 * 44 < 0.
    EXPECT_FALSE(PlaceGlow(Control, {0, 0, 75, 25}, Borders, 44));
}

TEST(GlowPlacement, MarginWiderThanTheBorderNeverGrowsThePicture)
{
    // Left cut 5 + 1 - 8 would be -2: the glow would reach past its picture.
    const auto placement = PlaceGlow(Control, {1, 0, 75, 25}, Borders, 8);
    ASSERT_TRUE(placement);
    EXPECT_GE(placement->Source.Left, 0);
    EXPECT_LE(placement->Source.Right, placement->FullSize.Width);
}

} // namespace
} // namespace pp
