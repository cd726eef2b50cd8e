#include "skin/pixels/RoundRect.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cmath>

namespace pp {
namespace {

// How far the corner ellipse pulls row y's span in from each side.
int RowInset(const TRect& r, int y, double rx, double ry)
{
    const double cy = y + 0.5;
    double dy = 0;
    if (cy < r.Top + ry)
        dy = r.Top + ry - cy;
    else if (cy > r.Bottom - ry)
        dy = cy - (r.Bottom - ry);
    if (dy <= 0)
        return 0;
    const double t = 1.0 - (dy * dy) / (ry * ry);
    const double half = t > 0 ? rx * std::sqrt(t) : 0.0;
    // Pixel centres x + 0.5 >= Left + rx - half are inside.
    return std::max(0, int(std::ceil(rx - half - 0.5)));
}

} // namespace

void FillRoundRect(TBitmap& bitmap, const TRect& rect, int cornerWidth, int cornerHeight, TBGRA color)
{
    if (!Is32Bit(bitmap) || rect.IsEmpty())
        return;
    const double rx = std::min(cornerWidth, rect.Width()) / 2.0;
    const double ry = std::min(cornerHeight, rect.Height()) / 2.0;
    const bool rounded = rx >= 1.0 && ry >= 1.0;
    const TRect clip = ClipToBitmap(rect, bitmap);
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        const int inset = rounded ? RowInset(rect, y, rx, ry) : 0;
        const int left = std::max(clip.Left, rect.Left + inset);
        const int right = std::min(clip.Right, rect.Right - inset);
        if (left < right)
            std::fill(bitmap.Row32(y) + left, bitmap.Row32(y) + right, color);
    }
}

} // namespace pp
