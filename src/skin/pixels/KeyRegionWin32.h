#pragma once
// Window regions cut from key-coloured pixels.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "skin/pixels/KeyRegion.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace pp {

struct TRegionDeleter {
    void operator()(HRGN region) const { DeleteObject(region); }
};
// Owns a region until it is handed to the window (SetWindowRgn takes it).
using TRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, TRegionDeleter>;

// A region made of the rectangles of the list (null for an empty list).
TRegion RegionFromRects(const TAOR& rects);

// (0, 0, width, height) minus every run of key-coloured pixels.
TRegion RegionWithoutKeyColor(const TBitmap& bitmap, TColor key);

} // namespace pp
