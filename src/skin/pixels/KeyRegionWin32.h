#pragma once
// Window regions cut from key-coloured pixels.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "skin/pixels/KeyRegion.h"
#include "win/Handles.h"

#include <windows.h>

namespace pp {

// The regions are owned until they are handed to a window (SetWindowRgn
// takes them: give them with Release()).

// A region made of the rectangles of the list (empty for an empty list).
TRegionHandle RegionFromRects(const TAOR& rects);

// (0, 0, width, height) minus every run of key-coloured pixels.
TRegionHandle RegionWithoutKeyColor(const TBitmap& bitmap, TColor key);

} // namespace pp
