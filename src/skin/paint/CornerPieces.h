#pragma once
// Letting a control's surroundings show again through the transparent
// corners of its border, in its cache, without composing the item anew
// (used when only what lies behind the control changed).
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/BackdropParent.h"

namespace pp {

// Corner flags.
inline constexpr int ccTopLeft = 1;
inline constexpr int ccBottomLeft = 2;
inline constexpr int ccTopRight = 4;
inline constexpr int ccBottomRight = 8;
inline constexpr int ccAllCorners = ccTopLeft | ccBottomLeft | ccTopRight | ccBottomRight;

// Asks the parent what lies behind the control (no painting), then, for
// each corner named in `corners`, every cache pixel under a pixel of the
// border image's corner piece that is exactly 0x00FF00FF takes the
// parent's image pixel behind it (an image answer, the control sitting at
// `positionInParent`), or the parent's colour. The cache is the control's
// size; a border image with its own bitmap and no state count counts as
// three states over its whole bitmap.
void RefreshCornerPieces(TBitmap& cache, const TsLoadedSkin& skin, int borderImageIndex, int state,
                         int corners, TBackdropParent& parent, TPoint positionInParent);

} // namespace pp
