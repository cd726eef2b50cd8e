#include "skin/forms/BitmapParts.h"

#include <algorithm>

namespace pp {

TBitmap CopyOfArea(const TBitmap& image, const TRect& r)
{
    TBitmap copy(std::max(0, r.Width()), std::max(0, r.Height()));
    for (int y = 0; y < copy.Height(); ++y)
        std::copy_n(image.Row32(r.Top + y) + r.Left, copy.Width(), copy.Row32(y));
    return copy;
}

void PasteArea(TBitmap& image, const TBitmap& part, TPoint at, const TRect& r)
{
    const TRect target = IntersectRect(r, image.Bounds());
    for (int y = target.Top; y < target.Bottom; ++y) {
        const int sy = y - at.Y;
        if (sy < 0 || sy >= part.Height())
            continue;
        for (int x = target.Left; x < target.Right; ++x) {
            const int sx = x - at.X;
            if (sx >= 0 && sx < part.Width())
                image.Pixel32(x, y) = part.Pixel32(sx, sy);
        }
    }
}

} // namespace pp
