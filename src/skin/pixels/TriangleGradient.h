#pragma once
// Gouraud-shaded triangles: our own rasteriser, so the triangle gradient
// paints the same on every platform.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

namespace pp {

struct TGradientVertex {
    int X = 0;
    int Y = 0;
    TColor Color = 0; // red in the low byte
};

// Fills every pixel of `clip` whose integer position lies inside the triangle
// or on its edges, with the colours interpolated linearly from the vertices
// (alpha 255). `clip` must already lie inside the bitmap.
void FillGradientTriangle(TBitmap& bitmap, const TRect& clip, const TGradientVertex& a,
                          const TGradientVertex& b, const TGradientVertex& c);

} // namespace pp
