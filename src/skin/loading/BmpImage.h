#pragma once
// Windows bitmap files: the core header and the info headers up to version
// 5; uncompressed 1, 4, 8, 16, 24 and 32 bits, BITFIELDS masks, RLE4 and
// RLE8, bottom-up and top-down rows. Palette depths give palette images,
// 16 bits gives 24 bits, 32 bits keeps its fourth byte as alpha.
#include "core/Bitmap.h"
#include "core/Stream.h"
#include "skin/loading/GraphicErrors.h"

namespace pp {

// Decodes the file starting at the stream's current position. Throws
// EInvalidGraphic on anything it cannot read safely.
TBitmap LoadBmpFromStream(TStream& stream);

} // namespace pp
