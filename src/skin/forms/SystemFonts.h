#pragma once
// The platform's non-client fonts (caption and menu bar) as toolkit fonts.
#include "toolkit/GraphicsObjects.h"

namespace pp {

void AssignCaptionFont(TFont& font);
void AssignMenuFont(TFont& font);

} // namespace pp
