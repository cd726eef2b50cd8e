#include "skin/pixels/KeyedPixels.h"

#include "skin/pixels/ColorOps.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {
namespace {

// Replaces target pixels where `isKey(dx, dy)` holds, block offsets from the
// top-left of both rectangles.
template <typename IsKey>
void ReplaceWhere(TBitmap& target, const TBitmap& source, const TRect& targetRect, const TRect& sourceRect,
                  IsKey isKey)
{
    if (!Is32Bit(target) || !Is32Bit(source))
        return;
    const TRect block = TRect::FromBounds(sourceRect.Left, sourceRect.Top, targetRect.Width(),
                                          targetRect.Height());
    const TBlitArea area = ClipBlit(target, {targetRect.Left, targetRect.Top}, block, source);
    for (int y = 0; y < area.Dest.Height(); ++y) {
        TBGRA* t = target.Row32(area.Dest.Top + y) + area.Dest.Left;
        const TBGRA* s = source.Row32(area.Source.Y + y) + area.Source.X;
        const int dy = area.Source.Y + y - sourceRect.Top;
        for (int x = 0; x < area.Dest.Width(); ++x)
            if (isKey(t[x], area.Source.X + x - sourceRect.Left, dy))
                t[x] = s[x];
    }
}

void FadeTowardImage(TBitmap& bitmap, const TRect& rect, const BackdropInfo& backdrop)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        TBGRA* row = bitmap.Row32(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            TBGRA s;
            if (!BackdropPixel(backdrop, x + backdrop.OffsetX + rect.Left, y + backdrop.OffsetY + rect.Top,
                               s) ||
                PixelValue(s) == clKeyColor)
                continue;
            const auto fade = [](int sc, int dc) { return RoundToByte(sc - (sc - dc) * 0.4); };
            row[x] = TBGRA{fade(s.B, row[x].B), fade(s.G, row[x].G), fade(s.R, row[x].R), row[x].A};
        }
    }
}

} // namespace

void RestoreKeyedPixels(TBitmap& target, const TBitmap& source, const TRect& targetRect,
                        const TRect& sourceRect)
{
    ReplaceWhere(target, source, targetRect, sourceRect, [](TBGRA t, int, int) { return IsKeyPixel(t); });
}

void RestoreKeyedPixels(TBitmap& target, const TBitmap& source, const TRect& targetRect,
                        const TRect& sourceRect, const TBitmap& keyImage, TPoint keyOrigin)
{
    if (!Is32Bit(keyImage))
        return;
    ReplaceWhere(target, source, targetRect, sourceRect, [&](TBGRA, int dx, int dy) {
        const TPoint p{keyOrigin.X + dx, keyOrigin.Y + dy};
        return keyImage.Bounds().Contains(p) && IsKeyPixel(keyImage.Pixel32(p.X, p.Y));
    });
}

TPoint KeyCornerOrigin(const TMaskImageView& mask, int corner)
{
    const TRect& r = mask.SourceRect;
    const bool right = corner == kcTopRight || corner == kcBottomRight;
    const bool bottom = corner == kcBottomLeft || corner == kcBottomRight;
    return {right ? r.Left + mask.StateWidth() - mask.RightWidth : r.Left,
            bottom ? r.Top + mask.StateHeight() - mask.BottomWidth : r.Top};
}

void DimToBackground(TBitmap& bitmap, int flags, TColor controlColor, const TRect& rect,
                     const BackdropInfo& backdrop)
{
    if (!Is32Bit(bitmap))
        return;
    if (flags & dimGrey)
        MakeGrey(bitmap);
    if (!(flags & dimFade))
        return;
    if (backdrop.HasImage && backdrop.Image != nullptr)
        FadeTowardImage(bitmap, rect, backdrop);
    else
        FadeRectToColor(bitmap, bitmap.Bounds(), 50,
                        backdrop.BackColor == clKeyColor ? controlColor : backdrop.BackColor);
}

} // namespace pp
