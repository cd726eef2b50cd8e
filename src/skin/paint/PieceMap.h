#pragma once
// Where each pixel of a piece of a skin image comes from: for every
// destination column and row, the source column and row, so that copying,
// tiling and nearest-pixel stretching are one and the same loop.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/paint/IndexList.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pp {

// 32-bit pixels as a piece reads them: the first row and the distance from
// one row to the next, whether they lie in a bitmap or in a plain buffer.
struct TPixelRows {
    const std::uint8_t* First = nullptr;
    std::size_t Stride = 0;

    explicit operator bool() const { return First != nullptr; }
    const TBGRA* Row(int y) const { return reinterpret_cast<const TBGRA*>(First + Stride * std::size_t(y)); }
};
TPixelRows PixelRowsOf(const TBitmap& bitmap);
TPixelRows PixelRowsOf(const std::vector<TBGRA>& pixels, int width);

struct TPieceMap {
    TPixelRows Image;
    // The grey mask of a masked image, or none for key-colour images. Its
    // row for image row y is y + MaskDy.
    TPixelRows Mask;
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
