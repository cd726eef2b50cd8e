#include "skin/paint/PieceMap.h"

#include "skin/paint/NearestStretch.h"

#include <algorithm>

namespace pp {
namespace {

void Repeat(TIndexList& list, int origin, int period, int length)
{
    list.Resize(length);
    for (int i = 0, offset = 0; i < length; ++i) {
        list[i] = origin + offset;
        if (++offset == period)
            offset = 0;
    }
}

void Stretch(TIndexList& list, int origin, int sourceLength, int destLength, TStretchAxis axis)
{
    list.Resize(destLength);
    for (int i = 0; i < destLength; ++i)
        list[i] = origin + NearestSourceIndex(i, sourceLength, destLength, axis);
}

} // namespace

TPixelRows PixelRowsOf(const TBitmap& bitmap)
{
    if (bitmap.Empty())
        return {};
    return {bitmap.ScanLine(0), bitmap.Stride()};
}

TPixelRows PixelRowsOf(const std::vector<TBGRA>& pixels, int width)
{
    if (pixels.empty())
        return {};
    return {reinterpret_cast<const std::uint8_t*>(pixels.data()), std::size_t(width) * sizeof(TBGRA)};
}

TPieceMap DirectMap(const TRect& source, TSize destSize)
{
    return TiledMap(source,
                    {std::min(destSize.Width, source.Width()), std::min(destSize.Height, source.Height())});
}

TPieceMap TiledMap(const TRect& source, TSize destSize)
{
    TPieceMap map;
    if (source.IsEmpty())
        return map;
    Repeat(map.Columns, source.Left, source.Width(), destSize.Width);
    Repeat(map.Rows, source.Top, source.Height(), destSize.Height);
    map.TileLeft = source.Left;
    map.TileWidth = source.Width();
    return map;
}

TPieceMap StretchedMap(const TRect& source, TSize destSize)
{
    TPieceMap map;
    if (source.IsEmpty())
        return map;
    Stretch(map.Columns, source.Left, source.Width(), destSize.Width, TStretchAxis::Columns);
    Stretch(map.Rows, source.Top, source.Height(), destSize.Height, TStretchAxis::Rows);
    if (destSize.Width == source.Width()) {
        map.TileLeft = source.Left;
        map.TileWidth = source.Width();
    }
    return map;
}

TPieceMap FlatMap(TPoint source, TSize destSize)
{
    TPieceMap map;
    Repeat(map.Columns, source.X, 1, destSize.Width);
    Repeat(map.Rows, source.Y, 1, destSize.Height);
    return map;
}

} // namespace pp
