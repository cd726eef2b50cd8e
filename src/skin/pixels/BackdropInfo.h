#pragma once
// What lies behind a control: a picture of its parent's background and where
// the control sits in it, or else a plain colour.
#include "core/Bitmap.h"
#include "core/Color.h"

#include <cstdint>

namespace pp {

struct BackdropInfo {
    const TBitmap* Image = nullptr;
    std::int32_t OffsetX = 0; // where the control's top-left pixel lies in Image
    std::int32_t OffsetY = 0;
    TColor BackColor = 0; // clKeyColor means none; used when there is no image
    std::int32_t Margins[4] = {0, 0, 0, 0};
    bool HasImage = false; // Image may be read
};

// The backdrop pixel at (x, y) of its image, when the image has one there.
bool BackdropPixel(const BackdropInfo& backdrop, int x, int y, TBGRA& pixel);

} // namespace pp
