#include "skin/paint/TileImage.h"

#include "skin/pixels/Fills.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>

#include <cstring>
#include <optional>

namespace pp {
namespace {

int PositiveModulo(int a, int n)
{
    const int m = a % n;
    return m < 0 ? m + n : m;
}

void TileRow(TBGRA* dest, int left, int right, const TBGRA* sourceRow, int period, int phase)
{
    int x = left;
    int s = phase;
    while (x < right) {
        const int run = std::min(period - s, right - x);
        std::memcpy(dest + x, sourceRow + s, std::size_t(run) * sizeof(TBGRA));
        x += run;
        s = 0;
    }
}

} // namespace

void TileRect(TBitmap& target, const TRect& r, const TBitmap& source, const TRect& sourceRect, TPoint origin)
{
    const bool inside = sourceRect.Left >= 0 && sourceRect.Top >= 0 && sourceRect.Right <= source.Width() &&
                        sourceRect.Bottom <= source.Height();
    if (!Is32Bit(target) || !Is32Bit(source) || !inside || sourceRect.IsEmpty())
        return;
    const TRect clipped = ClipToBitmap(r, target);
    const int w = sourceRect.Width(), h = sourceRect.Height();
    const int phase = PositiveModulo(clipped.Left - origin.X, w);
    for (int y = clipped.Top; y < clipped.Bottom; ++y) {
        const TBGRA* sourceRow = source.Row32(sourceRect.Top + PositiveModulo(y - origin.Y, h)) +
                                 sourceRect.Left;
        TileRow(target.Row32(y), clipped.Left, clipped.Right, sourceRow, w, phase);
    }
}

void TileImage(TBitmap& canvas, const TRect& r, const TBitmap& image)
{
    if (image.Empty() || !Is32Bit(canvas))
        return;
    std::optional<TBitmap> converted;
    const TBitmap* source = &image;
    if (image.Format() != TPixelFormat::pf32bit) {
        converted.emplace(image);
        converted->SetFormat(TPixelFormat::pf32bit);
        source = &*converted;
    }
    TileRect(canvas, r, *source, source->Bounds(), {r.Left, r.Top});
    SetRectAlpha(canvas, IntersectRect(r, canvas.Bounds()), 0xFF, clNoKeyColor);
}

} // namespace pp
