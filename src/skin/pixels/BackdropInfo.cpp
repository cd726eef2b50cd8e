#include "skin/pixels/BackdropInfo.h"

namespace pp {

bool BackdropPixel(const BackdropInfo& backdrop, int x, int y, TBGRA& pixel)
{
    const TBitmap* image = backdrop.Image;
    if (!backdrop.HasImage || image == nullptr || x < 0 || y < 0 || x >= image->Width() ||
        y >= image->Height())
        return false;
    pixel = image->Format() == TPixelFormat::pf32bit ? image->Pixel32(x, y)
                                                     : PixelFromColor(image->PixelColor(x, y));
    return true;
}

} // namespace pp
