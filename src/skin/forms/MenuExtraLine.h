#pragma once
// The text of a drop-down's vertical extra line: rotated to read upwards,
// centred across the strip, starting a little above its bottom.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinManagerOptions.h"

#include <string>

namespace pp {

// Shown until the application supplies a text of its own.
inline constexpr const char* DefaultExtraLineText = "Use OnGetExtraLineData event";
// Room kept below the text.
inline constexpr int ExtraLineTextBottom = 12;

// Draws `text` (its "&" marks removed) into `strip` of `image` in `font`,
// coloured as the skin's `section` says (the font's own colour without one).
void DrawExtraLineText(TBitmap& image, const TRect& strip, const std::string& text,
                       const TacMenuExtraLineFont& font, const TsLoadedSkin& skin,
                       const std::string& section);

} // namespace pp
