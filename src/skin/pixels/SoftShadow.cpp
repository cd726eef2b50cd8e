#include "skin/pixels/SoftShadow.h"

#include "skin/pixels/Blend.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/PixelMath.h"
#include "skin/pixels/RoundRect.h"

#include <algorithm>

namespace pp {
namespace {

TBGRA Grey(int g) { return TBGRA{std::uint8_t(g), std::uint8_t(g), std::uint8_t(g), 0xFF}; }

} // namespace

void DrawSoftShadow(TBitmap& bitmap, const TRect& rect, int transparency, int cornerRadius, int blur,
                    TColor color)
{
    if (!Is32Bit(bitmap) || rect.IsEmpty() || ClipToBitmap(rect, bitmap).IsEmpty())
        return;
    const int w = rect.Width(), h = rect.Height();
    TBitmap work(w, h);
    TBitmap mask(w, h);
    CopyBlock(work, {0, 0}, bitmap, rect);

    const int e = std::max(0, std::min({w / 2, h / 2, blur}));
    const int c = std::max(0, std::min({w / 2, h / 2, cornerRadius}));
    // A percentage above 100 would wrap the grey byte; it means "no shadow".
    const int base = std::clamp(transparency, 0, 100) * 255 / 100;
    // White first: the pixels outside the outer ring's rounded corners would
    // otherwise stay black in the mask and take the full shadow colour.
    mask.Fill(Grey(255));
    FillRoundRect(mask, {0, 0, w, h}, c, c, Grey(255));
    for (int i = 1; i <= e; ++i) {
        const int g = base + RoundHalfEven(double(255 - base) / (e + 1) * (e - i + 1));
        FillRoundRect(mask, {i, i, w - i, h - i}, c, c, Grey(std::min(255, g)));
    }
    FillRoundRect(mask, {e, e, w - e, h - e}, e, e, Grey(base));

    ColorizeByMask(work, mask, color);
    CopyBlock(bitmap, {rect.Left, rect.Top}, work, work.Bounds());
}

} // namespace pp
