#include "skin/pixels/GdiFillsWin32.h"

#include "skin/pixels/Fills.h"

#include <memory>
#include <type_traits>

namespace pp {
namespace {

struct TBrushDeleter {
    void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using TBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, TBrushDeleter>;

// Restores the context's state saved at construction.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~TSavedDC()
    {
        if (id_ != 0)
            RestoreDC(dc_, id_);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int id_;
};

void FillWithBrush(HDC dc, const TRect& r, HBRUSH brush)
{
    if (r.IsEmpty())
        return;
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush);
}

TBrush SolidBrush(TColor color)
{
    const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
    return TBrush(CreateSolidBrush(RGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb))));
}

} // namespace

void FillRectGdi(HDC dc, const TRect& rect, TColor color)
{
    if (dc == nullptr || rect.IsEmpty())
        return;
    TSavedDC saved(dc);
    const TBrush brush = SolidBrush(color);
    FillWithBrush(dc, rect, brush.get());
}

void FillFrameGdi(HDC dc, const TRect& rect, TColor color, int left, int top, int right, int bottom)
{
    if (dc == nullptr || rect.IsEmpty())
        return;
    TSavedDC saved(dc);
    const TBrush brush = SolidBrush(color);
    const TFrameStrips s = FrameStrips(rect, left, top, right, bottom);
    for (const TRect& strip : {s.Top, s.Left, s.Bottom, s.Right})
        FillWithBrush(dc, strip, brush.get());
}

} // namespace pp
