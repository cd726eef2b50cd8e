#pragma once
// Where each pixel of a piece of a skin image comes from: for every
// destination column and row, the source column and row, so that copying,
// tiling and nearest-pixel stretching are one and the same loop.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/paint/IndexList.h"

namespace pp {

struct TPieceMap {
    const TBitmap* Image = nullptr;
    // The grey mask of a masked image, or null for key-colour images. Its
    // row for image row y is y + MaskDy.
    const TBitmap* Mask = nullptr;
    int MaskDy = 0;
    TIndexList Columns;
    TIndexList Rows;
    // Columns that step one by one through the source columns TileLeft ..
    // TileLeft + TileWidth - 1 and start again there, so that rows can be
    // read in runs as they lie; TileWidth 0 when columns go any other way.
    int TileLeft = 0;
    int TileWidth = 0;

    int Width() const { return Columns.Size(); }
    int Height() const { return Rows.Size(); }
};

// `source` shown once, pixel for pixel, from the destination's top-left.
TPieceMap DirectMap(const TRect& source, TSize destSize);
// `source` repeated from the destination's top-left, the last copies cut.
TPieceMap TiledMap(const TRect& source, TSize destSize);
// `source` stretched to the destination with the nearest-pixel stretch.
TPieceMap StretchedMap(const TRect& source, TSize destSize);
// One source pixel for the whole destination (a flat piece).
TPieceMap FlatMap(TPoint source, TSize destSize);

} // namespace pp
