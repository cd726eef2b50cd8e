#pragma once
// An item's own fill, before anything of its parent shows through: the
// section colour, its gradient and its texture mixed by their percentages.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/BackdropInfo.h"
#include "skin/pixels/Gradient.h"

#include <optional>

namespace pp {

struct TItemFill {
    TColor Color = 0;        // resolved to RGB
    int GradientPercent = 0; // 0..100
    int ImagePercent = 0;    // 0..100; 0 when there is no texture
    const TsGradArray* Gradient = nullptr;
    std::optional<TSkinImage> Texture;        // a texture image without a mask, or
    const TBitmap* ExternalTexture = nullptr; // a separate texture file, always tiled
};

// Composes the fill into `r`:
// - gradient and texture sharing 100 percent, a tiled skin texture and a
//   vertical or horizontal gradient: the two mixed in one pass;
// - otherwise the texture (its uncovered part in the colour), then the
//   gradient laid over it so that the texture keeps its percent (or painted
//   alone), the plain colour when neither has a share, and the colour mixed
//   in for the share that gradient and texture leave.
// A gradient that paints nothing (no segment, unknown mode) counts as the
// plain colour.
void ComposeItemFill(TBitmap& target, const TRect& r, const TItemFill& fill, const BackdropInfo& backdrop);

} // namespace pp
