#pragma once
// The outline-drag mode of moving and sizing (ResizeMode rmBorder): while
// the mouse is held, only an inverted outline of the window moves on the
// desktop; the window itself moves once, when the button is released.
#include "core/Geometry.h"
#include "win/Handles.h"

#include <memory>

#include <windows.h>

namespace pp {

class TOutlineDrag {
public:
    // `sizingEdges` is the WMSZ_ code of the border held, 0 for a move.
    TOutlineDrag(HWND window, int sizingEdges);
    ~TOutlineDrag();
    TOutlineDrag(const TOutlineDrag&) = delete;
    TOutlineDrag& operator=(const TOutlineDrag&) = delete;

    // The cursor is now at `cursor` (screen).
    void MoveTo(TPoint cursor);
    // Ends the drag: the outline goes and the window moves there.
    void Finish();
    // Ends it without moving (the capture went elsewhere).
    void Cancel();
    const TRect& Outline() const { return rect_; }
    bool Done() const { return done_; }

private:
    void Draw();
    void End();

    HWND window_;
    int edges_;
    TPoint start_;
    TRect startRect_;
    TRect rect_;
    TSize minimum_;
    std::unique_ptr<TWindowDCHandle> desktop_;
    bool done_ = false;
};

// The outline after the cursor moved by (dx, dy) from where the drag began:
// the whole rectangle for a move, the held edges for sizing, never smaller
// than `minimum`.
TRect DraggedOutline(const TRect& start, int sizingEdges, int dx, int dy, TSize minimum);

} // namespace pp
