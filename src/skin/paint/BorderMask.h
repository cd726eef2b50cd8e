#pragma once
// The nine-piece border of a skin image drawn around (and, when its draw
// mode asks, inside) a rectangle.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/paint/ScaledPieceCache.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/BackdropInfo.h"

namespace pp {

// Corners are copied; sides and the centre are tiled, or stretched when the
// draw mode has bit 1. Key-colour images (mask kind 0) copy their pieces
// opaque; with `fillCorners` and key pixels in the corners (the image's
// corner-key flag), a key-coloured corner pixel shows the backdrop's image
// behind it, else the backdrop's colour when it has one, else stays.
// Masked images compose every piece through its grey mask, opaque; their
// key-coloured corner pixels follow the same rule, and without the flag
// are composed (over a backdrop image) or left. Nothing is drawn in state 0
// for draw mode bit 2, for a rectangle below 2 x 2 pixels, or when the
// borders leave no middle in the image. Masked pieces scaled with the
// resampling kernel are kept in `scaledPieces` when one is given.
void DrawBorderMask(TBitmap& target, const TRect& r, bool fillCorners, int state, const TSkinImage& image,
                    const BackdropInfo& backdrop, TScaledPieceCache* scaledPieces = nullptr);

// The same for targets that go to translucent windows: the masked composite
// keeps the target's alpha valid (see TThroughMaskKeepingAlpha), and the
// bottom side, when resampled, uses the Hermite kernel.
void DrawBorderMaskKeepingAlpha(TBitmap& target, const TRect& r, bool fillCorners, int state,
                                const TSkinImage& image, const BackdropInfo& backdrop,
                                TScaledPieceCache* scaledPieces = nullptr);

} // namespace pp
