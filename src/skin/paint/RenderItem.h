#pragma once
// A skin section painted into a rectangle of a 32-bit bitmap for a state:
// background, corner images and nine-piece border.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/ItemBinding.h"
#include "skin/pixels/BackdropInfo.h"

namespace pp {

// The binding's section in `state` (cut to the section's states) into `r`,
// which must lie inside the target. `offset` tells where r's backdrop lies:
// the backdrop pixel behind target pixel (x, y) is (x + offset.X + OffsetX,
// y + offset.Y + OffsetY) of the backdrop's image. In order: the
// background (RenderItemBackground, with the binding's custom colour and
// textures), the section's corner images, the binding's border image
// (fill-corners as given); then, unless the section is transparent and has
// no border drawn, the binding's hue rotation and saturation change over r,
// sparing key-colour pixels (0x00FF00FF).
void RenderItem(const TsItemBinding& binding, const BackdropInfo& backdrop, bool fillCorners, TBitmap& target,
                TPoint offset, const TRect& r, int state);

// The same for a section given by index: its own border image, fill-corners
// always set, no custom colour and no colour changes.
void RenderItemBySection(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop,
                         int texture, int hotTexture, TBitmap& target, TPoint offset, const TRect& r,
                         int state);

// Scroll-bar parts and hint windows: the hot or the normal look by a flag,
// no corner images.
void RenderItemBySectionHot(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop,
                            int texture, int hotTexture, TBitmap& target, TPoint offset, const TRect& r,
                            bool hot);

} // namespace pp
