#pragma once
// Painting what lies behind an item: the parent's image where it can be
// read, its colour elsewhere.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/pixels/BackdropInfo.h"

namespace pp {

// Target pixel (x, y) of `r` takes the backdrop image's pixel at
// (x + OffsetX + offset.X, y + OffsetY + offset.Y); pixels outside the image
// stay. Nothing happens when the target is the backdrop's own image.
void CopyBackdropImage(TBitmap& target, const TRect& r, const BackdropInfo& backdrop, TPoint offset);

// The item's background made of what lies behind `r`: the backdrop's image
// when it may be read; else, when it still carries an image, that image's
// margin strips (the parent's border) where they lie behind `r` and its
// colour inside them; else its colour. A backdrop without image and
// without colour leaves `r` as it is.
void FillWithBackdrop(TBitmap& target, const TRect& r, const BackdropInfo& backdrop, TPoint offset);

// The backdrop has an image to read, or a colour.
bool OffersBackdrop(const BackdropInfo& backdrop);

} // namespace pp
