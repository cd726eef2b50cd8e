#include "skin/pixels/KeyRegion.h"

#include "skin/pixels/PixelMath.h"

namespace pp {
namespace {

// Appends the runs of `value` within columns [left, right) of one row.
void AppendRuns(TAOR& list, const TBGRA* row, int left, int right, std::uint32_t value, int dx, int y)
{
    int x = left;
    while (x < right) {
        if (PixelValue(row[x]) != value) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < right && PixelValue(row[x]) == value)
            ++x;
        list.push_back({first + dx, y, x + dx, y + 1});
    }
}

} // namespace

TAOR KeyColorRuns(const TBitmap& bitmap, TColor key)
{
    TAOR runs;
    if (!Is32Bit(bitmap))
        return runs;
    for (int y = 0; y < bitmap.Height(); ++y)
        AppendRuns(runs, bitmap.Row32(y), 0, bitmap.Width(), key & 0xFFFFFFu, 0, y);
    return runs;
}

void CornerCutouts(TAOR& list, int windowWidth, const TMaskImageView& mask, bool bottom, int y0)
{
    if (mask.Image == nullptr || !Is32Bit(*mask.Image))
        return;
    const int stateWidth = mask.StateWidth();
    const int bandHeight = bottom ? mask.BottomWidth : mask.TopWidth;
    const int bandTop = mask.SourceRect.Top + (bottom ? mask.StateHeight() - mask.BottomWidth : 0);
    const TRect band = TRect::FromBounds(mask.SourceRect.Left, bandTop, stateWidth, bandHeight);
    if (band.IsEmpty() || bandTop < mask.SourceRect.Top || IntersectRect(band, mask.Image->Bounds()) != band)
        return;
    const int rightStart = stateWidth - mask.RightWidth;
    for (int row = 0; row < bandHeight; ++row) {
        const TBGRA* pixels = mask.Image->Row32(bandTop + row) + band.Left;
        AppendRuns(list, pixels, 0, std::min(mask.LeftWidth, stateWidth), clKeyColor, 0, y0 + row);
        AppendRuns(list, pixels, std::max(0, rightStart), stateWidth, clKeyColor, windowWidth - stateWidth,
                   y0 + row);
    }
}

} // namespace pp
