#pragma once
// Runs of key-coloured pixels, collected as rectangles before a window
// region is cut from them.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/pixels/MaskImageView.h"

#include <vector>

namespace pp {

using TAOR = std::vector<TRect>;

// One rectangle (x_first, y, x_last + 1, y + 1) per horizontal run of pixels
// whose whole 32-bit value is the key's low 24 bits (so only alpha-0 pixels
// match), rows top to bottom.
TAOR KeyColorRuns(const TBitmap& bitmap, TColor key);

// Adds the runs of 0x00FF00FF pixels in the two corner pieces of the mask's
// top border band (or its bottom band with `bottom`), in window
// coordinates: rows from `y0`, the right corner shifted to the window's
// right edge. Nothing is added when the image does not hold the band.
void CornerCutouts(TAOR& list, int windowWidth, const TMaskImageView& mask, bool bottom, int y0);

} // namespace pp
