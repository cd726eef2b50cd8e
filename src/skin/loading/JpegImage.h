#pragma once
// JPEG images for skins (textures mostly). The stream is rewound to 0 first,
// as the skin loader hands over whole package entries or files.
#include "core/Bitmap.h"
#include "core/Stream.h"
#include "skin/loading/GraphicErrors.h"

namespace pp {

// A 24-bit image. Throws EInvalidGraphic when the data is not a JPEG we can
// decode or its size is beyond the bitmap limits.
TBitmap LoadJpegFromStream(TStream& stream);

} // namespace pp
