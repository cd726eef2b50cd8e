#pragma once
// A picture of a control or form with all its visible window children, as
// they would paint on screen, for the window animations and hint windows.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "toolkit/Control.h"

namespace pp {

// What a form's skin provider adds to the picture of its form when it
// draws the frame in a separate border window: the form's client rectangle
// sits moved by these offsets, and drawing is not clipped to the form.
struct TSeparateBorder {
    TRect ClientRect;
    TPoint Offset;
};

// Paints `control` with its children into the 32-bit `bitmap`, the
// control's top-left corner at (0, 0). Skinned windows are asked to print
// themselves into the bitmap's context.
void PaintWindowTree(TBitmap& bitmap, TControl& control, const TSeparateBorder* border = nullptr);

} // namespace pp
