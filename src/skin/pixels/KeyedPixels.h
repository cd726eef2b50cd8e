#pragma once
// Letting what lies behind show through key-coloured pixels, and the
// disabled look that fades an image toward its background.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/pixels/BackdropInfo.h"
#include "skin/pixels/MaskImageView.h"

namespace pp {

// Corner selectors of RestoreKeyedPixels.
enum TKeyCorner : int {
    kcTopLeft = 13,
    kcTopRight = 14,
    kcBottomLeft = 16,
    kcBottomRight = 17,
};

// Every target pixel of `targetRect` whose colour is the key takes the source
// pixel at the same offset from sourceRect's origin. The block is
// targetRect's size cut to what both bitmaps hold.
void RestoreKeyedPixels(TBitmap& target, const TBitmap& source, const TRect& targetRect,
                        const TRect& sourceRect);
// The same, but the key test is made on a skin image: where its pixel at the
// same offset from `keyOrigin` is the key colour, the source pixel is taken.
void RestoreKeyedPixels(TBitmap& target, const TBitmap& source, const TRect& targetRect,
                        const TRect& sourceRect, const TBitmap& keyImage, TPoint keyOrigin);

// Where the chosen corner of a mask's first state image lies in its bitmap
// (any unknown selector means top-left).
TPoint KeyCornerOrigin(const TMaskImageView& mask, int corner);

// Disabled look. Flag 2 turns the bitmap grey; flag 1 fades it: toward the
// backdrop image when there is one (the picture keeps 40 percent), else
// halfway to the backdrop colour or, when that is the key colour,
// `controlColor` (the control's own background).
inline constexpr int dimGrey = 2;
inline constexpr int dimFade = 1;
void DimToBackground(TBitmap& bitmap, int flags, TColor controlColor, const TRect& rect,
                     const BackdropInfo& backdrop);

} // namespace pp
