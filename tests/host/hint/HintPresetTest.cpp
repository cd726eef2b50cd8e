#include "skin/paint/HintLook.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

// Values no preset uses, as if stored with the form.
THintLook StoredLook()
{
    THintLook look;
    look.Style = THintStyle::hsBalloon;
    look.Radius = 3;
    look.BevelWidth = 4;
    look.ExOffset = 5;
    look.MarginH = 6;
    look.MarginV = 7;
    look.MaxWidth = 8;
    look.Color = 9;
    look.Transparency = 11;
    look.GradientData = "1;2;100;0;0";
    look.GradientPercent = 12;
    look.ShadowBlur = 13;
    look.ShadowOffset = 14;
    look.ShadowTransparency = 15;
    return look;
}

void ExpectSameLook(const THintLook& a, const THintLook& b)
{
    EXPECT_EQ(a.Style, b.Style);
    EXPECT_EQ(a.Radius, b.Radius);
    EXPECT_EQ(a.BevelWidth, b.BevelWidth);
    EXPECT_EQ(a.ExOffset, b.ExOffset);
    EXPECT_EQ(a.MarginH, b.MarginH);
    EXPECT_EQ(a.MarginV, b.MarginV);
    EXPECT_EQ(a.MaxWidth, b.MaxWidth);
    EXPECT_EQ(a.Color, b.Color);
    EXPECT_EQ(a.Transparency, b.Transparency);
    EXPECT_EQ(a.GradientData, b.GradientData);
    EXPECT_EQ(a.GradientPercent, b.GradientPercent);
    EXPECT_EQ(a.ShadowEnabled, b.ShadowEnabled);
    EXPECT_EQ(a.ShadowBlur, b.ShadowBlur);
    EXPECT_EQ(a.ShadowOffset, b.ShadowOffset);
    EXPECT_EQ(a.ShadowTransparency, b.ShadowTransparency);
}

TEST(ApplyHintPreset, CustomKeepsTheStoredValues)
{
    THintLook look = StoredLook();
    EXPECT_FALSE(ApplyHintPreset(look, THintPredefinitions::shCustom));
    ExpectSameLook(look, StoredLook());
}

TEST(ApplyHintPreset, ComicsGradientOverwritesTheStoredValues)
{
    THintLook look = StoredLook();
    EXPECT_TRUE(ApplyHintPreset(look, THintPredefinitions::shComicsGradient));
    THintLook expected = StoredLook();
    expected.Style = THintStyle::hsComics;
    expected.Radius = 21;
    expected.BevelWidth = 1;
    expected.ExOffset = 24;
    expected.MarginH = 15;
    expected.MarginV = 7;
    expected.MaxWidth = 180;
    expected.Color = 16757839;
    expected.Transparency = 8;
    expected.GradientData = "16753188;16777215;99;0;0;16777215;16777215;0;0;0";
    expected.GradientPercent = 100;
    expected.ShadowEnabled = true;
    expected.ShadowBlur = 10;
    expected.ShadowOffset = 7;
    expected.ShadowTransparency = 28;
    ExpectSameLook(look, expected);
    EXPECT_EQ(look.ColorBorderTop, 4194304u);
    EXPECT_EQ(look.ColorBorderBottom, 4194304u);
    EXPECT_EQ(look.Bevel, 1);
}

TEST(ApplyHintPreset, PresetsWithoutRadiusOrTailBandKeepThem)
{
    struct Case {
        THintPredefinitions Preset;
        int Radius, ExOffset;
    } cases[] = {
        {THintPredefinitions::shSimply, 3, 5},
        {THintPredefinitions::shEllipse, 3, 16},
        {THintPredefinitions::shBalloon, 3, 18},
        {THintPredefinitions::shComicsTransparent, 13, 19},
    };
    for (const Case& c : cases) {
        THintLook look = StoredLook();
        ApplyHintPreset(look, c.Preset);
        EXPECT_EQ(look.Radius, c.Radius) << int(c.Preset);
        EXPECT_EQ(look.ExOffset, c.ExOffset) << int(c.Preset);
    }
}

TEST(ApplyHintPreset, PresetsWithoutGradientEmptyIt)
{
    THintLook look = StoredLook();
    ApplyHintPreset(look, THintPredefinitions::shBalloon);
    EXPECT_EQ(look.GradientData, "");
    EXPECT_EQ(look.GradientPercent, 0);
}

TEST(ApplyHintPreset, StandardAndNoneChangeOnlyTheStyle)
{
    for (const auto& [preset, style] : {std::pair{THintPredefinitions::shStandard, THintStyle::hsStandard},
                                        std::pair{THintPredefinitions::shNone, THintStyle::hsNone}}) {
        THintLook look = StoredLook();
        EXPECT_FALSE(ApplyHintPreset(look, preset));
        THintLook expected = StoredLook();
        expected.Style = style;
        ExpectSameLook(look, expected);
    }
}

} // namespace
} // namespace pp
