#include "skin/paint/HintLook.h"

#include <array>
#include <optional>

namespace pp {

namespace {

struct THintPreset {
    THintStyle Style;
    int BevelWidth;
    std::optional<int> ExOffset;
    int MarginH, MarginV, MaxWidth;
    std::optional<int> Radius;
    TColor Color;
    int Transparency;
    TColor ColorBorderTop, ColorBorderBottom;
    int GradientPercent, ShadowBlur, ShadowOffset, ShadowTransparency;
    const char* GradientData;
};

constexpr TColor clInfoBk = SystemColorFlag | COLOR_INFOBK_INDEX;

// shSimply to shComicsTransparent, in the order of THintPredefinitions.
const std::array<THintPreset, 7> LookPresets{{
    {THintStyle::hsSimply, 1, {}, 4, 2, 240, {}, clInfoBk, 0, 0, 0, 0, 3, 6, 40, ""},
    {THintStyle::hsSimply,
     1,
     {},
     6,
     3,
     240,
     {},
     11992314,
     10,
     16777215,
     32896,
     100,
     5,
     6,
     50,
     "167827;6865090;24;2;0;6865090;6865090;24;2;0;6865090;15400959;24;2;0;15400959;6865090;24;2;0;"
     "6865090;6865090;0;2;0"},
    {THintStyle::hsSimply, 0, {}, 13, 5, 240, {}, 11992314, 20, 16777215, 32896, 0, 3, 10, 70, ""},
    {THintStyle::hsEllipse,
     1,
     16,
     6,
     12,
     240,
     {},
     12778748,
     5,
     32896,
     0,
     100,
     4,
     16,
     75,
     "7728127;16777215;99;0;0;16777215;16777215;0;0;0"},
    {THintStyle::hsBalloon, 6, 18, 6, 6, 240, {}, 12778748, 10, 4227200, 4227200, 0, 6, 8, 70, ""},
    {THintStyle::hsComics, 1, 24, 15, 7, 180, 21, 16757839, 8, 4194304, 4194304, 100, 10, 7, 28,
     "16753188;16777215;99;0;0;16777215;16777215;0;0;0"},
    {THintStyle::hsComics, 1, 19, 15, 8, 180, 13, 12778748, 10, 0, 0, 0, 4, 7, 45, ""},
}};

void Apply(THintLook& look, const THintPreset& preset)
{
    look.Style = preset.Style;
    look.BevelWidth = preset.BevelWidth;
    look.ExOffset = preset.ExOffset.value_or(look.ExOffset);
    look.MarginH = preset.MarginH;
    look.MarginV = preset.MarginV;
    look.MaxWidth = preset.MaxWidth;
    look.Radius = preset.Radius.value_or(look.Radius);
    look.Color = preset.Color;
    look.Transparency = preset.Transparency;
    look.ColorBorderTop = preset.ColorBorderTop;
    look.ColorBorderBottom = preset.ColorBorderBottom;
    look.GradientPercent = preset.GradientPercent;
    look.GradientData = preset.GradientData;
    look.ShadowBlur = preset.ShadowBlur;
    look.ShadowOffset = preset.ShadowOffset;
    look.ShadowTransparency = preset.ShadowTransparency;
    look.Bevel = 1;
    look.ShadowEnabled = true;
}

} // namespace

bool IsShapedHintStyle(THintStyle style)
{
    return style == THintStyle::hsComics || IsEllipticHintStyle(style);
}

bool IsEllipticHintStyle(THintStyle style)
{
    return style == THintStyle::hsEllipse || style == THintStyle::hsBalloon;
}

int HintShadowSize(const THintLook& look) { return look.ShadowEnabled ? look.ShadowOffset : 0; }

bool ApplyHintPreset(THintLook& look, THintPredefinitions preset)
{
    switch (preset) {
    case THintPredefinitions::shStandard: look.Style = THintStyle::hsStandard; return false;
    case THintPredefinitions::shNone: look.Style = THintStyle::hsNone; return false;
    case THintPredefinitions::shCustom: return false;
    default: Apply(look, LookPresets.at(static_cast<std::size_t>(preset))); return true;
    }
}

} // namespace pp
