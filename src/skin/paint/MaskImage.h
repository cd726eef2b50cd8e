#pragma once
// One state image of a skin image (a corner ornament, a glyph) drawn at a
// point.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/BackdropInfo.h"

namespace pp {

enum TMaskImageMode : int {
    mmNormal = 1,
    mmFaint = 2, // inactive forms: the mask is lightened by 100
};

// The state image min(state, count - 1) with its top-left at `at`; parts
// outside the target are skipped. Masked images are composed through their
// mask except key-coloured pixels and pixels whose mask is white (red 255);
// the target's alpha grows by (255 - a) * (255 - m) >> 8. Key-colour images
// in mode 1 are copied as border corners are with fill-corners set; in any
// other mode their pixels are mixed half and half with the target.
void DrawMaskImage(TBitmap& target, TPoint at, int state, const BackdropInfo& backdrop,
                   const TSkinImage& image, int mode);

} // namespace pp
