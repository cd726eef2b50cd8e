#include "skin/loading/CornerFlag.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

bool IsKeyPixel(const TBGRA& p) { return p.B == 0xFF && p.G == 0 && p.R == 0xFF && p.A == 0; }

// Ends are exclusive and, as the painter never samples the last row or
// column, limited to one less than the bitmap's size.
// Positions are computed in 64 bits: rectangles and borders come from the
// skin file and may hold any value.
bool CellHasKeyPixel(const TBitmap& bitmap, std::int64_t x0, std::int64_t x1, std::int64_t y0, std::int64_t y1)
{
    x0 = std::max<std::int64_t>(x0, 0);
    y0 = std::max<std::int64_t>(y0, 0);
    x1 = std::min<std::int64_t>(x1, bitmap.Width() - 1);
    y1 = std::min<std::int64_t>(y1, bitmap.Height() - 1);
    for (auto y = static_cast<int>(y0); y < y1; ++y) {
        const TBGRA* row = bitmap.Row32(y);
        for (auto x = static_cast<int>(x0); x < x1; ++x)
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
