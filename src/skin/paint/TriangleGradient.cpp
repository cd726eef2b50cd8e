#include "skin/paint/TriangleGradient.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

// e(x, y) = A * x + B * y + C: twice the signed area of (from, to, p).
struct TEdge {
    std::int64_t A, B, C;
    TEdge(const TGradientVertex& from, const TGradientVertex& to)
        : A(-(std::int64_t(to.Y) - from.Y)), B(std::int64_t(to.X) - from.X),
          C(-(A * from.X) - B * from.Y)
    {
    }
    std::int64_t At(int x, int y) const { return A * x + B * y + C; }
};

std::uint8_t Interpolate(double w0, double w1, double w2, std::uint8_t c0, std::uint8_t c1,
                         std::uint8_t c2)
{
    return RoundToByte(w0 * c0 + w1 * c1 + w2 * c2);
}

// Columns [first, last] of row y where a * x + rowValue has the wanted sign
// (or is zero), narrowed from the range given.
void NarrowSpan(std::int64_t a, std::int64_t rowValue, bool positive, int& first, int& last)
{
    if (!positive) {
        a = -a;
        rowValue = -rowValue;
    }
    // a * x + rowValue >= 0
    if (a == 0) {
        if (rowValue < 0)
            last = first - 1;
        return;
    }
    const auto floorDiv = [](std::int64_t n, std::int64_t d) {
        std::int64_t q = n / d;
        if ((n % d != 0) && ((n < 0) != (d < 0)))
            --q;
        return q;
    };
    if (a > 0) {
        const std::int64_t bound = -floorDiv(rowValue, a); // ceil(-rowValue / a)
        first = int(std::max<std::int64_t>(first, bound));
    } else {
        const std::int64_t bound = floorDiv(rowValue, -a);
        last = int(std::min<std::int64_t>(last, bound));
    }
}

} // namespace

void FillGradientTriangle(TBitmap& bitmap, const TRect& clip, const TGradientVertex& a,
                          const TGradientVertex& b, const TGradientVertex& c)
{
    const TEdge e0(b, c), e1(c, a), e2(a, b);
    const std::int64_t area = e2.At(c.X, c.Y);
    if (area == 0 || clip.IsEmpty() || !Is32Bit(bitmap))
        return;
    const bool positive = area > 0;
    const int top = std::max(clip.Top, std::min({a.Y, b.Y, c.Y}));
    const int bottom = std::min(clip.Bottom - 1, std::max({a.Y, b.Y, c.Y}));
    const double inv = 1.0 / static_cast<double>(area);
    for (int y = top; y <= bottom; ++y) {
        // The pixels inside or on an edge form one run per row.
        int first = std::max(clip.Left, std::min({a.X, b.X, c.X}));
        int last = std::min(clip.Right - 1, std::max({a.X, b.X, c.X}));
        for (const TEdge* e : {&e0, &e1, &e2})
            NarrowSpan(e->A, e->B * y + e->C, positive, first, last);
        TBGRA* row = bitmap.Row32(y);
        for (int x = first; x <= last; ++x) {
            const double w0 = e0.At(x, y) * inv, w1 = e1.At(x, y) * inv, w2 = e2.At(x, y) * inv;
            row[x] = TBGRA{Interpolate(w0, w1, w2, BlueOf(a.Color), BlueOf(b.Color), BlueOf(c.Color)),
                           Interpolate(w0, w1, w2, GreenOf(a.Color), GreenOf(b.Color), GreenOf(c.Color)),
                           Interpolate(w0, w1, w2, RedOf(a.Color), RedOf(b.Color), RedOf(c.Color)),
                           0xFF};
        }
    }
}

} // namespace pp
