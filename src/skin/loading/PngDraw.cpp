#include "skin/loading/PngDraw.h"

#include "core/Error.h"
#include "skin/pixels/BlendRows.h"
#include "skin/pixels/Resample.h"

#include <cstring>

namespace pp {
namespace {

// Scaling that works for any size, one pixel included: the box filter
// averages areas when shrinking; images too small for it are sampled.
TBitmap Scaled(const TBitmap& source, int width, int height)
{
    TBitmap result;
    if (source.Width() >= 2 && source.Height() >= 2) {
        ResampleBitmap(source, result, width, rfBox, height);
        return result;
    }
    result = TBitmap(width, height, TPixelFormat::pf32bit);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            result.Pixel32(x, y) = source.Pixel32(x * source.Width() / width, y * source.Height() / height);
    return result;
}

// The image as 32 bits at the size it is drawn.
TBitmap Prepared(const TBitmap& image, const TRect& destRect)
{
    TBitmap pixels = image;
    pixels.SetFormat(TPixelFormat::pf32bit, 0xFF);
    if (destRect.Width() == pixels.Width() && destRect.Height() == pixels.Height())
        return pixels;
    return Scaled(pixels, destRect.Width(), destRect.Height());
}

} // namespace

void DrawPngGraphic(const TPNGGraphic& png, TBitmap& target, const TRect& destRect)
{
    if (target.Format() != TPixelFormat::pf32bit)
        throw Exception("PNG images are drawn onto 32-bit bitmaps only");
    const TRect visible = IntersectRect(destRect, target.Bounds());
    if (png.Bitmap().Empty() || visible.IsEmpty())
        return;
    const bool withAlpha = png.Bitmap().Format() == TPixelFormat::pf32bit;
    const TBitmap source = Prepared(png.Bitmap(), destRect);
    const int count = visible.Width();
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        TBGRA* out = target.Row32(y) + visible.Left;
        const TBGRA* in = source.Row32(y - destRect.Top) + (visible.Left - destRect.Left);
        if (withAlpha)
            CompositeRow(out, in, count);
        else
            std::memcpy(out, in, sizeof(TBGRA) * static_cast<std::size_t>(count));
    }
}

} // namespace pp
