#include "skin/pixels/TriangleGradient.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

// e(x, y) = A * x + B * y + C: twice the signed area of (from, to, p).
struct TEdge {
    std::int64_t A, B, C;
    TEdge(const TGradientVertex& from, const TGradientVertex& to)
        : A(-(std::int64_t(to.Y) - from.Y)), B(std::int64_t(to.X) - from.X), C(-(A * from.X) - B * from.Y)
    {
    }
    std::int64_t At(int x, int y) const { return A * x + B * y + C; }
};

// One channel across the triangle: area * value = e0 * c0 + e1 * c1 + e2 * c2,
// an integer that grows by a fixed step per column. Dividing the exact
// integer once per pixel rounds the true value, halves to even.
struct TChannelPlane {
    std::int64_t StepX, StepY, Constant;
    TChannelPlane(const TEdge& e0, const TEdge& e1, const TEdge& e2, int c0, int c1, int c2)
        : StepX(e0.A * c0 + e1.A * c1 + e2.A * c2),
          StepY(e0.B * c0 + e1.B * c1 + e2.B * c2),
          Constant(e0.C * c0 + e1.C * c1 + e2.C * c2)
    {
    }
    std::int64_t At(int x, int y) const { return StepX * x + StepY * y + Constant; }
};

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
    const TChannelPlane blue(e0, e1, e2, BlueOf(a.Color), BlueOf(b.Color), BlueOf(c.Color));
    const TChannelPlane green(e0, e1, e2, GreenOf(a.Color), GreenOf(b.Color), GreenOf(c.Color));
    const TChannelPlane red(e0, e1, e2, RedOf(a.Color), RedOf(b.Color), RedOf(c.Color));
    const double divisor = static_cast<double>(area);
    for (int y = top; y <= bottom; ++y) {
        // The pixels inside or on an edge form one run per row.
        int first = std::max(clip.Left, std::min({a.X, b.X, c.X}));
        int last = std::min(clip.Right - 1, std::max({a.X, b.X, c.X}));
        for (const TEdge* e : {&e0, &e1, &e2})
            NarrowSpan(e->A, e->B * y + e->C, positive, first, last);
        if (first > last)
            continue;
        TBGRA* row = bitmap.Row32(y);
        std::int64_t nb = blue.At(first, y), ng = green.At(first, y), nr = red.At(first, y);
        for (int x = first; x <= last; ++x) {
            row[x] = TBGRA{RoundToByte(double(nb) / divisor), RoundToByte(double(ng) / divisor),
                           RoundToByte(double(nr) / divisor), 0xFF};
            nb += blue.StepX;
            ng += green.StepX;
            nr += red.StepX;
        }
    }
}

} // namespace pp
