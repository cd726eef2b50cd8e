#include "skin/pixels/Transform.h"

#include "skin/pixels/PixelMath.h"

namespace pp {

std::unique_ptr<TBitmap> RotateBitmap90(const TBitmap& source, bool clockwise)
{
    if (!Is32Bit(source))
        return nullptr;
    const int w = source.Width(), h = source.Height();
    auto result = std::make_unique<TBitmap>(h, w, TPixelFormat::pf32bit);
    for (int y = 0; y < h; ++y) {
        const TBGRA* in = source.Row32(y);
        for (int x = 0; x < w; ++x) {
            if (clockwise)
                result->Pixel32(h - 1 - y, x) = in[x];
            else
                result->Pixel32(y, w - 1 - x) = in[x];
        }
    }
    return result;
}

std::unique_ptr<TBitmap> RotateBitmap90(std::unique_ptr<TBitmap>& source, bool clockwise, bool freeSource)
{
    std::unique_ptr<TBitmap> result = source ? RotateBitmap90(*source, clockwise) : nullptr;
    if (freeSource)
        source.reset();
    return result;
}

std::unique_ptr<TBitmap> AlphaFromMaskedImage(const TBitmap& image, const TRect& rect)
{
    const TRect r = ClipToBitmap(rect, image);
    const int w = r.Width(), h = r.Height() / 2;
    if (w <= 0 || h <= 0)
        return nullptr;
    TBitmap converted;
    const TBitmap* src = &image;
    if (image.Format() != TPixelFormat::pf32bit) {
        converted = image;
        converted.SetFormat(TPixelFormat::pf32bit);
        src = &converted;
    }
    auto result = std::make_unique<TBitmap>(w, h, TPixelFormat::pf32bit);
    for (int y = 0; y < h; ++y) {
        const TBGRA* picture = src->Row32(r.Top + y) + r.Left;
        const TBGRA* mask = src->Row32(r.Top + y + h) + r.Left;
        TBGRA* out = result->Row32(y);
        for (int x = 0; x < w; ++x)
            out[x] = TBGRA{picture[x].B, picture[x].G, picture[x].R, std::uint8_t(255 - mask[x].R)};
    }
    return result;
}

} // namespace pp
