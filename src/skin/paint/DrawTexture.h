#pragma once
// A texture image laid into a rectangle by its placement (the texture's
// draw mode): tiled or stretched over all of it, or along one edge.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/BackdropInfo.h"

#include <optional>

namespace pp {

// Draws the texture's first image into `r` and answers the part of `r` it
// left uncovered (below, right of, above or left of an edge strip), or none.
// Tiling starts at the strip's corner and cuts the last copies; stretching
// is the nearest-pixel stretch. Whole tiles (placement 10) leave the last
// partial row of tiles uncovered. Masked textures are laid as masked tiles
// (placements 0 and 10 only; any other placement draws nothing and leaves
// all of `r` uncovered): each tile is composed through its mask, a
// key-coloured pixel shows the backdrop's colour when it has one, else its
// image; with whole tiles the strips left at the right and bottom show
// what lies behind.
std::optional<TRect> DrawTexture(TBitmap& target, const TRect& r, const TSkinImage& texture,
                                 const BackdropInfo& backdrop);

} // namespace pp
