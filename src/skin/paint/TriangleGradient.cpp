#include "skin/paint/TriangleGradient.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

// Twice the signed area of (a, b, p): positive on one side of a->b.
std::int64_t EdgeFunction(const TGradientVertex& a, const TGradientVertex& b, int px, int py)
{
    return std::int64_t(b.X - a.X) * (py - a.Y) - std::int64_t(b.Y - a.Y) * (px - a.X);
}

std::uint8_t Interpolate(double w0, double w1, double w2, std::uint8_t c0, std::uint8_t c1,
                         std::uint8_t c2)
{
    return RoundToByte(w0 * c0 + w1 * c1 + w2 * c2);
}

} // namespace

void FillGradientTriangle(TBitmap& bitmap, const TRect& clip, const TGradientVertex& a,
                          const TGradientVertex& b, const TGradientVertex& c)
{
    const std::int64_t area = EdgeFunction(a, b, c.X, c.Y);
    if (area == 0 || clip.IsEmpty() || !Is32Bit(bitmap))
        return;
    const int left = std::max(clip.Left, std::min({a.X, b.X, c.X}));
    const int right = std::min(clip.Right - 1, std::max({a.X, b.X, c.X}));
    const int top = std::max(clip.Top, std::min({a.Y, b.Y, c.Y}));
    const int bottom = std::min(clip.Bottom - 1, std::max({a.Y, b.Y, c.Y}));
    const double inv = 1.0 / static_cast<double>(area);
    for (int y = top; y <= bottom; ++y) {
        TBGRA* row = bitmap.Row32(y);
        for (int x = left; x <= right; ++x) {
            // Barycentric weights; all of the area's sign (or zero on an edge)
            // means the point is inside.
            const std::int64_t e0 = EdgeFunction(b, c, x, y);
            const std::int64_t e1 = EdgeFunction(c, a, x, y);
            const std::int64_t e2 = EdgeFunction(a, b, x, y);
            const bool inside = area > 0 ? (e0 >= 0 && e1 >= 0 && e2 >= 0)
                                         : (e0 <= 0 && e1 <= 0 && e2 <= 0);
            if (!inside)
                continue;
            const double w0 = e0 * inv, w1 = e1 * inv, w2 = e2 * inv;
            row[x] = TBGRA{Interpolate(w0, w1, w2, BlueOf(a.Color), BlueOf(b.Color), BlueOf(c.Color)),
                           Interpolate(w0, w1, w2, GreenOf(a.Color), GreenOf(b.Color), GreenOf(c.Color)),
                           Interpolate(w0, w1, w2, RedOf(a.Color), RedOf(b.Color), RedOf(c.Color)),
                           0xFF};
        }
    }
}

} // namespace pp
