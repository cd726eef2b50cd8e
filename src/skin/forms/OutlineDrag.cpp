#include "skin/forms/OutlineDrag.h"

#include <algorithm>

namespace pp {
namespace {

TPoint CursorNow()
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

bool Holds(int edges, int edge)
{
    switch (edge) {
    case WMSZ_LEFT: return edges == WMSZ_LEFT || edges == WMSZ_TOPLEFT || edges == WMSZ_BOTTOMLEFT;
    case WMSZ_RIGHT: return edges == WMSZ_RIGHT || edges == WMSZ_TOPRIGHT || edges == WMSZ_BOTTOMRIGHT;
    case WMSZ_TOP: return edges == WMSZ_TOP || edges == WMSZ_TOPLEFT || edges == WMSZ_TOPRIGHT;
    default: return edges == WMSZ_BOTTOM || edges == WMSZ_BOTTOMLEFT || edges == WMSZ_BOTTOMRIGHT;
    }
}

} // namespace

TRect DraggedOutline(const TRect& start, int sizingEdges, int dx, int dy, TSize minimum)
{
    if (sizingEdges == 0)
        return start.Offset(dx, dy);
    TRect r = start;
    if (Holds(sizingEdges, WMSZ_LEFT))
        r.Left = std::min(start.Left + dx, start.Right - minimum.Width);
    if (Holds(sizingEdges, WMSZ_RIGHT))
        r.Right = std::max(start.Right + dx, start.Left + minimum.Width);
    if (Holds(sizingEdges, WMSZ_TOP))
        r.Top = std::min(start.Top + dy, start.Bottom - minimum.Height);
    if (Holds(sizingEdges, WMSZ_BOTTOM))
        r.Bottom = std::max(start.Bottom + dy, start.Top + minimum.Height);
    return r;
}

TOutlineDrag::TOutlineDrag(HWND window, int sizingEdges)
    : window_(window),
      edges_(sizingEdges),
      start_(CursorNow()),
      minimum_{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)},
      desktop_(std::make_unique<TWindowDCHandle>(nullptr))
{
    RECT r{};
    GetWindowRect(window, &r);
    startRect_ = rect_ = {r.left, r.top, r.right, r.bottom};
    SetCapture(window);
    Draw();
}

TOutlineDrag::~TOutlineDrag() { Cancel(); }

// Drawing the same outline twice with R2_NOT leaves the desktop as it was.
void TOutlineDrag::Draw()
{
    HDC dc = desktop_ ? desktop_->Get() : nullptr;
    if (!dc)
        return;
    const int previous = SetROP2(dc, R2_NOT);
    const POINT outline[5] = {{rect_.Left, rect_.Top},
                              {rect_.Right - 1, rect_.Top},
                              {rect_.Right - 1, rect_.Bottom - 1},
                              {rect_.Left, rect_.Bottom - 1},
                              {rect_.Left, rect_.Top}};
    Polyline(dc, outline, 5);
    SetROP2(dc, previous);
}

void TOutlineDrag::MoveTo(TPoint cursor)
{
    if (done_)
        return;
    Draw();
    rect_ = DraggedOutline(startRect_, edges_, cursor.X - start_.X, cursor.Y - start_.Y, minimum_);
    Draw();
}

void TOutlineDrag::End()
{
    done_ = true;
    Draw();
    desktop_.reset();
    if (GetCapture() == window_)
        ReleaseCapture();
}

void TOutlineDrag::Finish()
{
    if (done_)
        return;
    End();
    MoveWindow(window_, rect_.Left, rect_.Top, rect_.Width(), rect_.Height(), TRUE);
}

void TOutlineDrag::Cancel()
{
    if (!done_)
        End();
}

} // namespace pp
