#pragma once
// The arithmetic every pixel operation shares, written once: rounding,
// the weighted mix of two channels, clipping and channel order.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace pp {

// Nearest integer, halves to even (the platform's default rounding mode),
// saturated to the int range. Where doubles are evaluated at their own
// precision, adding and removing 1.5 * 2^52 rounds exactly that way without
// a library call; x87 code with its wider registers keeps the library call.
inline int RoundHalfEven(double x)
{
    constexpr double lowest = -2147483648.0, highest = 2147483647.0;
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    constexpr double shifter = 6755399441055744.0;
    const double r = (x > lowest && x < highest) ? (x + shifter) - shifter : std::nearbyint(x);
#else
    const double r = std::nearbyint(x);
#endif
    if (!(r > lowest)) // NaN lands here too
        return std::numeric_limits<int>::min();
    return r >= highest ? std::numeric_limits<int>::max() : static_cast<int>(r);
}

inline std::uint8_t ClampByte(int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }
inline std::uint8_t RoundToByte(double x) { return ClampByte(RoundHalfEven(x)); }

// (w * (a - b) + b * 256) >> 8 with an arithmetic shift: w = 256 would give a,
// w = 0 gives b. Every weighted blend of the engine is this one formula; with
// a and b bytes and w in 0..255 the result stays within a byte.
inline std::uint8_t MixChannel(int a, int b, int w)
{
    return static_cast<std::uint8_t>((w * (a - b) + b * 256) >> 8);
}

// a + (b - a) * w / 255 to the nearest integer, with w the weight of a in
// 0..255: 255 gives a exactly, 0 gives b. The sum never ends in an exact
// half, 255 being odd. Used where a full weight must show the pixel as it is.
inline std::uint8_t MixChannel255(int a, int b, int w)
{
    return static_cast<std::uint8_t>((a * w + b * (255 - w) + 127) / 255);
}

// Exchanges the lowest and the third byte: a colour value (red low) becomes
// the pixel order read as an integer (blue low), and back.
constexpr std::uint32_t SwapChannelOrder(std::uint32_t c)
{
    return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}

inline std::uint32_t PixelValue(TBGRA p)
{
    std::uint32_t v;
    std::memcpy(&v, &p, 4);
    return v;
}
inline TBGRA PixelFromValue(std::uint32_t v)
{
    return TBGRA{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

// The key colour test made on pixels: only red, green and blue take part.
inline bool IsKeyPixel(TBGRA p) { return (PixelValue(p) & 0xFFFFFFu) == clKeyColor; }

inline bool Is32Bit(const TBitmap& b) { return b.Format() == TPixelFormat::pf32bit && !b.Empty(); }

inline TRect ClipToBitmap(const TRect& r, const TBitmap& b) { return IntersectRect(r, b.Bounds()); }

// Runs `fn(pixel)` on every pixel of the rectangle, clipped, of a 32-bit
// bitmap; rows top to bottom, pixels left to right.
template <typename Fn> void ForEachPixelIn(TBitmap& bitmap, const TRect& rect, Fn fn)
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

// A block copied from `sourceRect` of one bitmap to `at` in another, clipped
// to both so that each source pixel keeps its place: cutting the source's
// left edge moves the destination's, and a negative destination point moves
// the source's start by the same amount.
struct TBlitArea {
    TRect Dest;    // empty when nothing remains
    TPoint Source; // source pixel that lands on Dest's top-left
};

inline TBlitArea ClipBlit(const TBitmap& dest, TPoint at, const TRect& sourceRect, const TBitmap& source)
{
    const TRect src = ClipToBitmap(sourceRect, source);
    if (src.IsEmpty())
        return {};
    const int dx = at.X - sourceRect.Left, dy = at.Y - sourceRect.Top;
    const TRect dst = IntersectRect(src.Offset(dx, dy), dest.Bounds());
    if (dst.IsEmpty())
        return {};
    return {dst, {dst.Left - dx, dst.Top - dy}};
}

} // namespace pp
