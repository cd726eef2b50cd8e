#pragma once
// Nearest-pixel stretching, picking the same source columns and rows as the
// platform's StretchBlt in colour-on-colour mode, so that skin images look
// the same whoever stretches them.
#include "core/Bitmap.h"
#include "core/Geometry.h"

namespace pp {

enum class TStretchAxis { Columns, Rows };

// The source index (0 .. sourceLength - 1) that destination index `i` of
// `destLength` shows. Growing takes (i * s + (s - 1) div 2) div d on both
// axes. Shrinking keeps the last source pixel of each run of columns
// (the last but one for a single column) and the nearest row.
int NearestSourceIndex(int i, int sourceLength, int destLength, TStretchAxis axis);

// `sourceRect` of `source` (32-bit, the rectangle inside it) stretched onto
// `destRect` of `dest`, clipped to `clip` and to `dest` without moving what
// each destination pixel shows. Pixels are copied as they are, alpha included.
void StretchNearest(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& sourceRect,
                    const TRect& clip);
void StretchNearest(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& sourceRect);

} // namespace pp
