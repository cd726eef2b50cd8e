#include "skin/paint/FocusDots.h"

#include "skin/pixels/PixelMath.h"

namespace pp {
namespace {

struct TDotColors {
    bool HasFirst, HasSecond;
    TBGRA First, Second;
};

void Dot(TBitmap& canvas, int x, int y, bool has, TBGRA color)
{
    if (has && x >= 0 && y >= 0 && x < canvas.Width() && y < canvas.Height())
        canvas.Pixel32(x, y) = color;
}

// One pair of dots on both opposite edges; `along` runs along the edge.
void DotPair(TBitmap& canvas, const TDotColors& c, int along, int edgeA, int edgeB, bool horizontal)
{
    for (const int edge : {edgeA, edgeB}) {
        const int x = horizontal ? along : edge, y = horizontal ? edge : along;
        const int px = horizontal ? x - 1 : x, py = horizontal ? y : y - 1;
        Dot(canvas, px, py, c.HasFirst, c.First);
        Dot(canvas, x, y, c.HasSecond, c.Second);
    }
}

} // namespace

void DrawFocusDots(TBitmap& canvas, const TRect& r, TColor first, TColor second)
{
    if (!Is32Bit(canvas) || r.IsEmpty())
        return;
    const TDotColors c{first != clNoKeyColor, second != clNoKeyColor, PixelFromColor(ColorToRGB(first)),
                       PixelFromColor(ColorToRGB(second))};
    for (int step = 0; step < r.Width() / 2; ++step)
        DotPair(canvas, c, r.Left + 2 + 2 * step, r.Top, r.Bottom - 1, true);
    for (int step = 0; step < r.Height() / 2; ++step)
        DotPair(canvas, c, r.Top + 2 + 2 * step, r.Left, r.Right - 1, false);
}

} // namespace pp
