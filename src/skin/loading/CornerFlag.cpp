#include "skin/loading/CornerFlag.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

bool IsKeyPixel(const TBGRA& p) { return p.B == 0xFF && p.G == 0 && p.R == 0xFF && p.A == 0; }

// Rectangles and borders come from the skin file and may hold any value, so
// positions are computed in 64 bits and both ends of a cell are brought into
// the bitmap before they are used. Ends are exclusive and, as the painter
// never samples the last row or column, limited to one less than the
// bitmap's size.
struct TCellSpan {
    int From;
    int To;
};

TCellSpan ClampedSpan(std::int64_t from, std::int64_t to, int size)
{
    const std::int64_t last = size - 1;
    return {static_cast<int>(std::clamp<std::int64_t>(from, 0, last)),
            static_cast<int>(std::clamp<std::int64_t>(to, 0, last))};
}

bool CellHasKeyPixel(const TBitmap& bitmap, std::int64_t x0, std::int64_t x1, std::int64_t y0,
                     std::int64_t y1)
{
    const TCellSpan xs = ClampedSpan(x0, x1, bitmap.Width());
    const TCellSpan ys = ClampedSpan(y0, y1, bitmap.Height());
    for (int y = ys.From; y < ys.To; ++y) {
        const TBGRA* row = bitmap.Row32(y);
        for (int x = xs.From; x < xs.To; ++x)
            if (IsKeyPixel(row[x]))
                return true;
    }
    return false;
}

} // namespace

std::int16_t ComputeCornerFlag(const TsMaskData& mask, const TBitmap& master)
{
    if (mask.SectionName == "BUTTON_HUGE" && mask.KeyName == "BORDERSMASK")
        return cfUnchecked;
    const TBitmap& bitmap = mask.OwnBitmap ? *mask.OwnBitmap : master;
    const TRect& r = mask.SourceRect;
    if (RectHeight(r) <= 0 || bitmap.Empty() || bitmap.Format() != TPixelFormat::pf32bit)
        return cfNoKeyPixels;
    const std::int64_t left = r.Left;
    const std::int64_t top = r.Top;
    const std::int64_t leftEnd = left + mask.LeftWidth;
    const std::int64_t topEnd = top + mask.TopWidth;
    const std::int64_t rightCell = left + FrameWidth(mask) - mask.RightWidth;
    const std::int64_t rightEnd = rightCell + mask.RightWidth;
    const std::int64_t bottomCell = top + BandHeight(mask) - mask.BottomWidth;
    const std::int64_t bottomEnd = bottomCell + mask.BottomWidth;
    const bool found = CellHasKeyPixel(bitmap, left, leftEnd, top, topEnd) ||
                       CellHasKeyPixel(bitmap, rightCell, rightEnd, top, topEnd) ||
                       CellHasKeyPixel(bitmap, left, leftEnd, bottomCell, bottomEnd) ||
                       CellHasKeyPixel(bitmap, rightCell, rightEnd, bottomCell, bottomEnd);
    return found ? cfKeyPixels : cfNoKeyPixels;
}

} // namespace pp
