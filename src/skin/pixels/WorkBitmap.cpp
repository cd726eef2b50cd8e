#include "skin/pixels/WorkBitmap.h"

namespace pp {

std::unique_ptr<TBitmap> NewBitmap32(int width, int height)
{
    return std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
}

std::unique_ptr<TBitmap> CloneBitmapShape(const TBitmap& shape)
{
    auto copy = std::make_unique<TBitmap>(shape.Width(), shape.Height(), shape.Format());
    copy->Palette = shape.Palette;
    return copy;
}

} // namespace pp
