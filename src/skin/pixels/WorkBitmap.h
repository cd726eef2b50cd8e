#pragma once
// Creation of the engine's working bitmaps.
#include "core/Bitmap.h"

#include <memory>

namespace pp {

// A 32-bit bitmap of the given size, rows from the top, pixels zero.
std::unique_ptr<TBitmap> NewBitmap32(int width, int height);
// An empty (zero-filled) bitmap of the same size and pixel format as `shape`.
std::unique_ptr<TBitmap> CloneBitmapShape(const TBitmap& shape);

} // namespace pp
