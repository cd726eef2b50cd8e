#pragma once
// The soft drop shadow painted under hint windows.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

namespace pp {

// Darkens `rect` of the bitmap toward `color`: a grey mask of nested rounded
// rectangles, lightest at the edge, `transparency` percent grey inside the
// `blur`-wide fade, mixed in through ColorizeByMask. Parts of the rectangle
// outside the bitmap keep the shadow's shape but are not written.
void DrawSoftShadow(TBitmap& bitmap, const TRect& rect, int transparency, int cornerRadius, int blur,
                    TColor color);

} // namespace pp
