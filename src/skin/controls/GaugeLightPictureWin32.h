#pragma once
// The gauge's running light picture, decoded from the program's embedded
// PNG "ACGL" (a raw data resource). Each gauge keeps its own copy, so that
// nothing outlives the controls that paint with it.
#include "core/Bitmap.h"

#include <optional>

namespace pp {

// The decoded 32-bit picture; none when the program carries no readable
// "ACGL" (the gauge then shows no light).
std::optional<TBitmap> LoadGaugeLightPicture();

} // namespace pp
