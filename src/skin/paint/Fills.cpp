#include "skin/paint/Fills.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>

namespace pp {
namespace {

// Runs `fn(pixel)` on every pixel of the clipped rectangle of a 32-bit bitmap.
template <typename Fn>
void ForEachPixel(TBitmap& bitmap, const TRect& rect, Fn fn)
{
    const TRect r = ClipToBitmap(rect, bitmap);
    if (r.IsEmpty() || !Is32Bit(bitmap))
        return;
    for (int y = r.Top; y < r.Bottom; ++y) {
        TBGRA* row = bitmap.Row32(y);
        for (int x = r.Left; x < r.Right; ++x)
            fn(row[x]);
    }
}

} // namespace

void FillPixels32(TBitmap& bitmap, const TRect& rect, TColor color, std::uint8_t alpha)
{
    const TRect r = ClipToBitmap(rect, bitmap);
    if (r.IsEmpty() || !Is32Bit(bitmap))
        return;
    const std::uint32_t value = (std::uint32_t(alpha) << 24) | (SwapChannelOrder(color) & 0xFFFFFFu);
    for (int y = r.Top; y < r.Bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bitmap.ScanLine(y));
        std::fill(row + r.Left, row + r.Right, value);
    }
}

TFrameStrips FrameStrips(const TRect& r, int left, int top, int right, int bottom)
{
    return {{r.Left, r.Top, r.Right, r.Top + top},
            {r.Left, r.Top + top, r.Left + left, r.Bottom},
            {r.Left + left, r.Bottom - bottom, r.Right, r.Bottom},
            {r.Right - right, r.Top + top, r.Right, r.Bottom - bottom}};
}

void FillFrame32(TBitmap& bitmap, const TRect& rect, int left, TColor color, int bottom, int right,
                 int top)
{
    const TColor rgb = ColorToRGB(color);
    const TFrameStrips s = FrameStrips(rect, left, top, right, bottom);
    for (const TRect& strip : {s.Top, s.Left, s.Bottom, s.Right})
        FillPixels32(bitmap, strip, rgb, 0xFF);
}

void FadeRectToColor(TBitmap& bitmap, const TRect& rect, int percent, TColor color)
{
    const TColor c = ColorToRGB(color);
    const double f = percent / 100.0;
    const double rest = 1.0 - f;
    const double cr = RedOf(c) * rest, cg = GreenOf(c) * rest, cb = BlueOf(c) * rest;
    ForEachPixel(bitmap, rect, [&](TBGRA& p) {
        p.B = RoundToByte(f * p.B + cb);
        p.G = RoundToByte(f * p.G + cg);
        p.R = RoundToByte(f * p.R + cr);
    });
}

void TintRectWithAlpha(TBitmap& bitmap, const TRect& rect, TColor color, std::uint8_t alpha,
                       int percent)
{
    const TBGRA c = PixelFromColor(color);
    const auto tint = [percent](int old, int target) {
        return RoundToByte(old - percent * double(old - target) / 100.0);
    };
    ForEachPixel(bitmap, rect, [&](TBGRA& p) {
        p = TBGRA{tint(p.B, c.B), tint(p.G, c.G), tint(p.R, c.R), alpha};
    });
}

void SetRectAlpha(TBitmap& bitmap, const TRect& rect, std::uint8_t alpha, TColor key)
{
    const bool keyed = key != clNoKeyColor;
    ForEachPixel(bitmap, rect, [&](TBGRA& p) {
        if (!keyed || PixelValue(p) != key)
            p.A = alpha;
    });
}

void TintImage(TBitmap& bitmap, TColor color, double keep)
{
    const TBGRA c = PixelFromColor(ColorToRGB(color));
    const auto tint = [keep](int channel, int target) {
        return RoundToByte(keep * (channel - target) + target);
    };
    ForEachPixel(bitmap, bitmap.Bounds(), [&](TBGRA& p) {
        if (PixelValue(p) != clKeyColor)
            p = TBGRA{tint(p.B, c.B), tint(p.G, c.G), tint(p.R, c.R), p.A};
    });
}

void PremultiplyPixels(TBitmap& bitmap, std::optional<TRect> rect)
{
    ForEachPixel(bitmap, rect.value_or(bitmap.Bounds()), [](TBGRA& p) {
        if (PixelValue(p) == 0x00FFFFFFu) {
            p = TBGRA{};
            return;
        }
        p.B = std::uint8_t((p.B * p.A) >> 8);
        p.G = std::uint8_t((p.G * p.A) >> 8);
        p.R = std::uint8_t((p.R * p.A) >> 8);
    });
}

void CopyImageWithKey(TBitmap& dest, const TBitmap& source, int x, int y, TColor key)
{
    const bool is24 = source.Format() == TPixelFormat::pf24bit;
    if (!Is32Bit(dest) || source.Empty() || (!is24 && source.Format() != TPixelFormat::pf32bit))
        return;
    const bool keyed = key != clNoKeyColor;
    const std::uint32_t keyPixel = SwapChannelOrder(ColorToRGB(key)) & 0xFFFFFFu;
    const TRect target = IntersectRect(TRect::FromBounds(x, y, source.Width(), source.Height()), dest.Bounds());
    const int bytesPerPixel = is24 ? 3 : 4;
    for (int ty = target.Top; ty < target.Bottom; ++ty) {
        const std::uint8_t* in = source.ScanLine(ty - y);
        TBGRA* out = dest.Row32(ty);
        for (int tx = target.Left; tx < target.Right; ++tx) {
            const std::uint8_t* s = in + std::size_t(tx - x) * bytesPerPixel;
            const TBGRA p{s[0], s[1], s[2], 0xFF};
            if (!keyed || (PixelValue(p) & 0xFFFFFFu) != keyPixel)
                out[tx] = p;
        }
    }
}

} // namespace pp
