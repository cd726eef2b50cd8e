#include "skin/loading/CornerFlag.h"

#include <algorithm>

namespace pp {
namespace {

bool IsKeyPixel(const TBGRA& p) { return p.B == 0xFF && p.G == 0 && p.R == 0xFF && p.A == 0; }

// Ends are exclusive and, as the painter never samples the last row or
// column, limited to one less than the bitmap's size.
bool CellHasKeyPixel(const TBitmap& bitmap, int x0, int x1, int y0, int y1)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, bitmap.Width() - 1);
    y1 = std::min(y1, bitmap.Height() - 1);
    for (int y = y0; y < y1; ++y) {
        const TBGRA* row = bitmap.Row32(y);
        for (int x = x0; x < x1; ++x)
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
    if (r.Height() <= 0 || bitmap.Empty() || bitmap.Format() != TPixelFormat::pf32bit)
        return cfNoKeyPixels;
    const int rightCell = r.Left + FrameWidth(mask) - mask.RightWidth;
    const int bottomCell = r.Top + BandHeight(mask) - mask.BottomWidth;
    const bool found =
        CellHasKeyPixel(bitmap, r.Left, r.Left + mask.LeftWidth, r.Top, r.Top + mask.TopWidth) ||
        CellHasKeyPixel(bitmap, rightCell, rightCell + mask.RightWidth, r.Top, r.Top + mask.TopWidth) ||
        CellHasKeyPixel(bitmap, r.Left, r.Left + mask.LeftWidth, bottomCell, bottomCell + mask.BottomWidth) ||
        CellHasKeyPixel(bitmap, rightCell, rightCell + mask.RightWidth, bottomCell, bottomCell + mask.BottomWidth);
    return found ? cfKeyPixels : cfNoKeyPixels;
}

} // namespace pp
