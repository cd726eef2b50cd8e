#pragma once
// The tool's PNG writer: 32-bit images as 8-bit RGBA, nothing else.
#include "core/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skintool {

std::vector<std::uint8_t> EncodePng32(const pp::TBitmap& image);

} // namespace skintool
