#pragma once
// The soft shadow under the engine's own hints: grey levels on a white image
// of the window's size, darkest under the middle of the body.
#include "core/Bitmap.h"
#include "skin/paint/HintGeometry.h"

namespace pp {

// The shadow core's transparency in percent: the shadow's own, made lighter
// by the hint's overall transparency.
int HintShadowTransparency(const THintLook& look);

// Fills `work` white and, with the shadow on, multiplies the shadow into it:
// the shaped styles as rings of their shape shrunk by one pixel each (the
// outer ring lightest), the plain style as a soft rectangle.
void DrawHintShadow(TBitmap& work, const THintLook& look, THintTail tail);

} // namespace pp
