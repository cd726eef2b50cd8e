#pragma once
// Recolouring a loaded skin by the manager's hue offset and saturation: the
// master bitmap, every image with a bitmap of its own, the section colours
// and gradients, the shadow colour and the skin-wide colour table.
#include "skin/loading/LoadedSkin.h"

#include <string>
#include <vector>

namespace pp {

// The title-button glyphs whose colours a skin keeps under a hue offset,
// by its "BIKEEPHUE": none for 0 or less, the close, maximize, minimize,
// restore and help glyphs for 1, only the close glyphs otherwise.
std::vector<std::string> HueKeptGlyphNames(int keepHue);

// First the hue offset (degrees), then the saturation (taken modulo 101);
// a value of 0 skips its step. Key-colour pixels (0xFF00FF) stay.
void RecolorSkin(TsLoadedSkin& skin, int hueOffset, int saturation);

} // namespace pp
