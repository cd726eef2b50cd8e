#include "skin/forms/BitmapParts.h"

#include "skin/pixels/Fills.h"

#include <algorithm>

namespace pp {

TBitmap CopyOfArea(const TBitmap& image, const TRect& r)
{
    TBitmap copy(std::max(0, r.Width()), std::max(0, r.Height()));
    CopyBlock(copy, {0, 0}, image, r);
    return copy;
}

void PasteArea(TBitmap& image, const TBitmap& part, TPoint at, const TRect& r)
{
    CopyBlock(image, {r.Left, r.Top}, part, r.Offset(-at.X, -at.Y));
}

} // namespace pp
