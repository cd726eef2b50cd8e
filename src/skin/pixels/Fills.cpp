#include "skin/pixels/Fills.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pp {
namespace {

// One row of identical pixels: 64-byte blocks of 16-byte stores where the
// processor has SSE2, the last block overlapping the one before it.
void FillRow(std::uint32_t* row, int count, std::uint32_t value)
{
#if defined(__SSE2__)
    if (count >= 4) {
        const __m128i v = _mm_set1_epi32(int(value));
        int i = 0;
        for (; i + 16 <= count; i += 16) {
            auto* block = reinterpret_cast<__m128i*>(row + i);
            _mm_storeu_si128(block, v);
            _mm_storeu_si128(block + 1, v);
            _mm_storeu_si128(block + 2, v);
            _mm_storeu_si128(block + 3, v);
        }
        for (; i + 4 <= count; i += 4)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), v);
        if (i < count)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(row + count - 4), v);
        return;
    }
#endif
    std::fill(row, row + count, value);
}

} // namespace

void FillPixels32(TBitmap& bitmap, const TRect& rect, TColor color, std::uint8_t alpha)
{
    const TRect r = ClipToBitmap(rect, bitmap);
    if (r.IsEmpty() || !Is32Bit(bitmap))
        return;
    const std::uint32_t value = (std::uint32_t(alpha) << 24) | (SwapChannelOrder(color) & 0xFFFFFFu);
    std::uint8_t* row = bitmap.ScanLine(r.Top);
    // Whole rows lie end to end: one run for all of them saves the set-up of
    // each short row (buttons are many of them).
    if (r.Width() == bitmap.Width() && bitmap.Stride() == std::size_t(r.Width()) * sizeof(std::uint32_t)) {
        FillRow(reinterpret_cast<std::uint32_t*>(row), r.Width() * r.Height(), value);
        return;
    }
    for (int y = r.Top; y < r.Bottom; ++y, row += bitmap.Stride())
        FillRow(reinterpret_cast<std::uint32_t*>(row) + r.Left, r.Width(), value);
}

TFrameStrips FrameStrips(const TRect& r, int left, int top, int right, int bottom)
{
    return {{r.Left, r.Top, r.Right, r.Top + top},
            {r.Left, r.Top + top, r.Left + left, r.Bottom},
            {r.Left + left, r.Bottom - bottom, r.Right, r.Bottom},
            {r.Right - right, r.Top + top, r.Right, r.Bottom - bottom}};
}

void FillFrame32(TBitmap& bitmap, const TRect& rect, int left, TColor color, int bottom, int right, int top)
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
    ForEachPixelIn(bitmap, rect, [&](TBGRA& p) {
        p.B = RoundToByte(f * p.B + cb);
        p.G = RoundToByte(f * p.G + cg);
        p.R = RoundToByte(f * p.R + cr);
    });
}

void TintRectWithAlpha(TBitmap& bitmap, const TRect& rect, TColor color, std::uint8_t alpha, int percent)
{
    const TBGRA c = PixelFromColor(color);
    const auto tint = [percent](int old, int target) {
        return RoundToByte(old - percent * double(old - target) / 100.0);
    };
    ForEachPixelIn(bitmap, rect, [&](TBGRA& p) {
        p = TBGRA{tint(p.B, c.B), tint(p.G, c.G), tint(p.R, c.R), alpha};
    });
}

void SetRectAlpha(TBitmap& bitmap, const TRect& rect, std::uint8_t alpha, TColor key)
{
    const bool keyed = key != clNoKeyColor;
    ForEachPixelIn(bitmap, rect, [&](TBGRA& p) {
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
    ForEachPixelIn(bitmap, bitmap.Bounds(), [&](TBGRA& p) {
        if (PixelValue(p) != clKeyColor)
            p = TBGRA{tint(p.B, c.B), tint(p.G, c.G), tint(p.R, c.R), p.A};
    });
}

void PremultiplyPixels(TBitmap& bitmap, std::optional<TRect> rect)
{
    ForEachPixelIn(bitmap, rect.value_or(bitmap.Bounds()), [](TBGRA& p) {
        if (PixelValue(p) == 0x00FFFFFFu) {
            p = TBGRA{};
            return;
        }
        p.B = std::uint8_t((p.B * p.A) >> 8);
        p.G = std::uint8_t((p.G * p.A) >> 8);
        p.R = std::uint8_t((p.R * p.A) >> 8);
    });
}

void CopyBlock(TBitmap& dest, TPoint at, const TBitmap& source, const TRect& sourceRect)
{
    const TBlitArea area = ClipBlit(dest, at, sourceRect, source);
    for (int y = 0; y < area.Dest.Height(); ++y)
        std::copy_n(source.Row32(area.Source.Y + y) + area.Source.X, area.Dest.Width(),
                    dest.Row32(area.Dest.Top + y) + area.Dest.Left);
}

void CopyImageWithKey(TBitmap& dest, const TBitmap& source, int x, int y, TColor key)
{
    const bool is24 = source.Format() == TPixelFormat::pf24bit;
    if (!Is32Bit(dest) || source.Empty() || (!is24 && source.Format() != TPixelFormat::pf32bit))
        return;
    const bool keyed = key != clNoKeyColor;
    const std::uint32_t keyPixel = SwapChannelOrder(ColorToRGB(key)) & 0xFFFFFFu;
    const TRect target = IntersectRect(TRect::FromBounds(x, y, source.Width(), source.Height()),
                                       dest.Bounds());
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
