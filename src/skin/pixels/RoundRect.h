#pragma once
// Solid rounded rectangles on 32-bit bitmaps (no outline).
#include "core/Bitmap.h"
#include "core/Geometry.h"

namespace pp {

// Fills `rect` (right and bottom exclusive) with corners cut by an ellipse
// `cornerWidth` x `cornerHeight`; 0 or 1 gives square corners. A pixel is
// inside when its centre is; the fill is clipped to the bitmap.
void FillRoundRect(TBitmap& bitmap, const TRect& rect, int cornerWidth, int cornerHeight, TBGRA color);

} // namespace pp
