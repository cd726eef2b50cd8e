#include "skin/paint/PieceMap.h"

#include "skin/paint/NearestStretch.h"

#include <algorithm>

namespace pp {
namespace {

std::vector<int> Repeated(int origin, int period, int length)
{
    std::vector<int> indexes(static_cast<std::size_t>(std::max(length, 0)));
    for (int i = 0; i < length; ++i)
        indexes[static_cast<std::size_t>(i)] = origin + i % period;
    return indexes;
}

} // namespace

TPieceMap DirectMap(const TRect& source, TSize destSize)
{
    return TiledMap(source, {std::min(destSize.Width, source.Width()), std::min(destSize.Height, source.Height())});
}

TPieceMap TiledMap(const TRect& source, TSize destSize)
{
    TPieceMap map;
    if (source.IsEmpty())
        return map;
    map.Columns = Repeated(source.Left, source.Width(), destSize.Width);
    map.Rows = Repeated(source.Top, source.Height(), destSize.Height);
    return map;
}

TPieceMap StretchedMap(const TRect& source, TSize destSize)
{
    TPieceMap map;
    if (source.IsEmpty())
        return map;
    TNearestMap nearest = NearestMap(source, destSize);
    map.Columns = std::move(nearest.Columns);
    map.Rows = std::move(nearest.Rows);
    return map;
}

TPieceMap FlatMap(TPoint source, TSize destSize)
{
    TPieceMap map;
    map.Columns.assign(static_cast<std::size_t>(std::max(destSize.Width, 0)), source.X);
    map.Rows.assign(static_cast<std::size_t>(std::max(destSize.Height, 0)), source.Y);
    return map;
}

} // namespace pp
