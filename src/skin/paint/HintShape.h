#pragma once
// The outline of a hint's body and tail as a mask: the shape painted in one
// grey over a white image of the window's size. The shadow's rings are the
// same shapes shrunk and moved.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/paint/HintGeometry.h"

#include <cstdint>

namespace pp {

// Fills the triangle's pixels whose centres lie inside it (or on an edge).
void FillTriangle(TBitmap& bitmap, TPoint a, TPoint b, TPoint c, TBGRA color);

// One shape of a hint: the body's outline (right and bottom edges included)
// and the tail from `tip` to two base points on the body's vertical centre.
struct THintShape {
    THintStyle Style = THintStyle::hsSimply;
    TRect Body;
    int Radius = 0;
    TPoint Tip;
    // Base points at BaseCentreX ± BaseHalfWidth; no tail when Style has none.
    int BaseCentreX = 0;
    int BaseHalfWidth = 0;
};
void PaintHintShape(TBitmap& bitmap, const THintShape& shape, TBGRA color);

// The shape of a hint's window: body, tail from the tail's corner.
THintShape HintWindowShape(TSize window, const THintLook& look, THintTail tail);

// The window's mask: white outside, the shape in `shapeGrey` (black for a
// layered window).
void PaintHintMask(TBitmap& mask, const THintLook& look, THintTail tail, std::uint8_t shapeGrey = 0);
// Inside the mask: red, green and blue not all 255.
inline bool InsideHintMask(TBGRA p) { return p.R + p.G + p.B < 765; }

} // namespace pp
