#pragma once
// The drawings that make up one painted text: contour copies moved by a
// pixel, then the text itself. Every text painter (on a canvas, or blended
// into a 32-bit bitmap) draws the same sequence, so it is decided here once
// and the painters only carry each drawing out.
#include "core/Color.h"
#include "skin/loading/SkinSections.h"

#include <vector>

namespace pp {

// A contour colour of -1: that side has no contour.
inline constexpr TColor NoContourColor = 0xFFFFFFFF;

// One drawing of the text: in a colour (already resolved to RGB), moved by
// (DX, DY). Contour drawings come before the text drawing.
struct TTextPass {
    TColor Color = clBlack;
    int DX = 0;
    int DY = 0;
    bool IsContour = false;
    friend bool operator==(const TTextPass&, const TTextPass&) = default;
};

using TTextPasses = std::vector<TTextPass>;

// The colour changes a control's binding asks for: hue rotation in degrees,
// then saturation in percent.
struct TTextColorChange {
    int HueOffset = 0;
    int Saturation = 0;
};

// A colour resolved to RGB, hue-rotated, then saturation-adjusted.
TColor ChangedTextColor(TColor color, const TTextColorChange& change);

// Enabled text in a section's colours: with `withContour`, the left, top,
// right and bottom contours moved by (-1, 0), (0, -1), (+1, 0), (0, +1),
// each skipped when its colour is -1; then the font colour in place.
TTextPasses EnabledTextPasses(const TsFontColors& colors, bool withContour,
                              const TTextColorChange& change = {});

// Disabled text in a section's colours: drawn once in 40 percent of the
// normal font colour and 60 percent of the background behind it.
TTextPass DisabledTextPass(TColor fontColor, TColor background, const TTextColorChange& change = {});

// Text without a skin: enabled text once in the font's colour; disabled text
// embossed, in the button highlight colour moved by (+1, +1), then in the
// button shadow colour in place.
TTextPasses PlainTextPasses(TColor fontColor, bool enabled);

} // namespace pp
