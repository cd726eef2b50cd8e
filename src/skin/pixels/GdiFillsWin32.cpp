#include "skin/pixels/GdiFillsWin32.h"

#include "skin/pixels/Fills.h"
#include "win/Handles.h"
#include "win/SavedDC.h"

namespace pp {
namespace {

void FillWithBrush(HDC dc, const TRect& r, HBRUSH brush)
{
    if (r.IsEmpty())
        return;
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush);
}

TBrushHandle SolidBrush(TColor color)
{
    const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
    return TBrushHandle(CreateSolidBrush(RGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb))));
}

} // namespace

void FillRectGdi(HDC dc, const TRect& rect, TColor color)
{
    if (dc == nullptr || rect.IsEmpty())
        return;
    const TSavedDC saved(dc);
    const TBrushHandle brush = SolidBrush(color);
    FillWithBrush(dc, rect, brush.Get());
#ifdef PP_LEAK_ONE_PAINT_BRUSH
    // Only in a build made to show that the leak test finds a brush that
    // painting forgets: one more brush per fill, never freed.
    new TBrushHandle(SolidBrush(color));
#endif
}

void FillFrameGdi(HDC dc, const TRect& rect, TColor color, int left, int top, int right, int bottom)
{
    if (dc == nullptr || rect.IsEmpty())
        return;
    const TSavedDC saved(dc);
    const TBrushHandle brush = SolidBrush(color);
    const TFrameStrips s = FrameStrips(rect, left, top, right, bottom);
    for (const TRect& strip : {s.Top, s.Left, s.Bottom, s.Right})
        FillWithBrush(dc, strip, brush.Get());
}

} // namespace pp
