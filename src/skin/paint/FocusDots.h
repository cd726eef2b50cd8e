#pragma once
// The dotted frame that marks a focused item.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

namespace pp {

// Along the top and bottom rows of `r` (the last row Bottom - 1) every
// second pixel from Left + 2 takes `second` and the pixel before it
// `first`; along the left and right columns the same from Top + 2; width
// div 2 steps across and height div 2 down. clNoKeyColor skips a colour.
// Pixels outside the bitmap are skipped; painted pixels are opaque.
void DrawFocusDots(TBitmap& canvas, const TRect& r, TColor first, TColor second);

} // namespace pp
