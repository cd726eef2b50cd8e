#pragma once
// Questions about a section's look that decide how a control paints and
// what it tells its children: does it have corner images, does its border
// paint a centre, is its border hidden in the normal state.
#include "skin/loading/LoadedSkin.h"

namespace pp {

bool HasCornerImages(const TsGeneralData& section);
// The border image (by index) paints its centre piece (draw mode bit 4).
bool BorderPaintsCentre(const TsLoadedSkin& skin, int borderImageIndex);
// The border image is valid and drawn in state 0 (no draw mode bit 2).
bool BorderShownInNormalState(const TsLoadedSkin& skin, int borderImageIndex);

} // namespace pp
