#pragma once
// The background of a skin item: its own fill, or what lies behind it, or
// the two mixed by the section's transparency. No border, no corner images.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/pixels/BackdropInfo.h"

namespace pp {

// Paints section `sectionIndex` in `state` into `r` of `target`. The
// backdrop pixel behind target pixel (x, y) is (x + offset.X + OffsetX,
// y + offset.Y + OffsetY) of the backdrop's image.
//
// `customColor` other than clKeyColor replaces the section's whole fill. The
// texture is `texture` (the binding's PATTERN image) when valid, else the
// state's texture, else the section's PATTERN image by name, else its
// separate PATTERN texture file; textures with a mask are not used for the
// fill, but in state 0 one with placement 10 (or `hotTexture` when
// `texture` is -1) is laid over the result as masked tiles.
//
// With something behind (an image or a colour) and a transparency above 0:
// at 100 the item is what lies behind; between, its fill is mixed over what
// lies behind so that that percentage of the parent shows, or, with no
// parent image and nothing but a colour of its own, the two colours are
// mixed.
void RenderItemBackground(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop,
                          TColor customColor, int texture, int hotTexture, TBitmap& target, TPoint offset,
                          const TRect& r, int state);

} // namespace pp
