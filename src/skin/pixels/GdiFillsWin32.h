#pragma once
// Solid fills through a device context, for painting that is not on a
// bitmap of ours.
#include "core/Color.h"
#include "core/Geometry.h"

#include <windows.h>

namespace pp {

// Fills the rectangle with a solid brush of the colour (system colours are
// resolved); the context's state is saved and restored around it.
void FillRectGdi(HDC dc, const TRect& rect, TColor color);

// Fills the four border strips of the rectangle with the given widths.
void FillFrameGdi(HDC dc, const TRect& rect, TColor color, int left, int top, int right, int bottom);

} // namespace pp
