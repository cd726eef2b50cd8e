#pragma once
// A control's caption in its skin's text colours, contour and glow.
#include "core/Geometry.h"
#include "skin/paint/ItemTextSource.h"
#include "toolkit/Canvas.h"

#include <windows.h>

#include <string>

namespace pp {

// Draws `text` (UTF-8) into `r` with the canvas's font and `format` (the
// platform's DT_ flags), clipped to `r`, on a transparent background; the
// canvas's context is left as it was found. A hot web button's text is
// underlined.
//
// Skinned (a valid section, no custom font), in the section's hot look when
// `hot` is set: first the look's glow into the source's glow target, when
// the look has one; then disabled text once in 40 percent of the normal
// font colour over 60 percent of the skin's global colour, or enabled text
// with its contours and then in its font colour, unclipped by `r`'s edges.
// Every colour takes the source's hue and saturation change.
//
// Otherwise the platform's look: enabled text in the canvas font's colour,
// disabled text embossed in the button highlight and shadow colours.
void DrawItemText(TCanvas& canvas, const std::string& text, bool enabled, bool hot,
                  const TItemTextSource& source, UINT format, const TRect& r);

} // namespace pp
