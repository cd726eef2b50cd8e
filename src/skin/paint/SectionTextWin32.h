#pragma once
// Text in a skin section's colours on any canvas: menus, hints, captions
// and gauge bars, which have a section but no control binding.
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "toolkit/Canvas.h"

#include <windows.h>

#include <string>

namespace pp {

// Draws `text` (UTF-8) into `r` with the canvas's font and `format` (the
// platform's DT_ flags), on a transparent background. Enabled text gets the
// contours of the section's hot or normal look, then its font colour;
// disabled text is drawn once in 40 percent of the normal font colour over
// 60 percent of the section's normal colour. Without a skin or a valid
// section the text is drawn once in the canvas font's colour. The canvas's
// context is left as it was found.
void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, const TsLoadedSkin* skin,
                     bool hot, int sectionIndex, UINT format, const TRect& r);

} // namespace pp
