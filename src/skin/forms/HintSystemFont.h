#pragma once
// The font the platform uses for tooltips and status texts.
#include "toolkit/GraphicsObjects.h"

namespace pp {

// Sets `font` to the system hint font, regular, black.
void AssignSystemHintFont(TFont& font);

} // namespace pp
