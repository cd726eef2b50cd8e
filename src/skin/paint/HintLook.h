#pragma once
// The look of the engine's own hint windows: the style, the sizes, colours
// and shadow values of a hint manager's hint kind, and the presets that set
// them all at once.
#include "core/Color.h"

#include <string>

namespace pp {

enum class THintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };

enum class THintPredefinitions {
    shSimply,
    shGradient,
    shTransparent,
    shEllipse,
    shBalloon,
    shComicsGradient,
    shComicsTransparent,
    shStandard,
    shNone,
    shCustom,
};

// Which corner of the hint lies at the mouse point.
enum class THintMousePos { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

// Everything of a hint kind but its font and texture picture; the values
// are the ones a new hint kind starts with.
struct THintLook {
    THintStyle Style = THintStyle::hsEllipse;
    int Radius = 20;
    int BevelWidth = 1;
    int ExOffset = 32;
    int MarginH = 15;
    int MarginV = 10;
    int MaxWidth = 200;
    TColor Color = 0;
    TColor ColorBorderTop = 0;
    TColor ColorBorderBottom = 0;
    std::string GradientData;
    int GradientPercent = 0;
    int TexturePercent = 0;
    int Transparency = 0;
    int Bevel = 0;
    bool ShadowEnabled = false;
    int ShadowBlur = 0;
    int ShadowOffset = 0;
    int ShadowTransparency = 0;
    // Accepted and stored; nothing draws with them.
    TColor ShadowColor = 0;
    int Blur = 0;
};

// Comics, ellipse and balloon: bodies with a tail band and a tail.
bool IsShapedHintStyle(THintStyle style);
// Balloon and ellipse: elliptic bodies that need extra room around the text.
bool IsEllipticHintStyle(THintStyle style);
// The shadow's displacement and extra window size: 0 without a shadow.
int HintShadowSize(const THintLook& look);

// Overwrites the look with a preset's values. True when the preset also
// gives the hint the system hint font (regular, black): every preset from
// shSimply to shComicsTransparent does; shStandard and shNone change only
// the style, shCustom nothing.
bool ApplyHintPreset(THintLook& look, THintPredefinitions preset);

} // namespace pp
