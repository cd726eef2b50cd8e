#include "skin/paint/GlowGeometry.h"

#include <algorithm>

namespace pp {
namespace {

struct TCuts {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The cut on the start side (left or top) and on the end side of one axis.
// The end cut is the same whether or not the start side is cut: the glow
// ends `size + endBorder - margin` past the control's start, the visible
// part at `visibleEnd`.
void CutAxis(int size, int visibleStart, int visibleEnd, int startBorder, int endBorder, int margin,
             int& startCut, int& endCut)
{
    startCut = visibleStart > 0 ? startBorder + visibleStart - margin : 0;
    endCut = visibleEnd < size ? size + endBorder - margin - visibleEnd : 0;
    // A margin wider than the border would make a negative cut, which
    // would grow the glow past the picture drawn for it.
    startCut = std::max(startCut, 0);
    endCut = std::max(endCut, 0);
}

} // namespace

std::optional<TGlowPlacement> PlaceGlow(const TRect& control, const TRect& visible, const TGlowBorders& image,
                                        int margin)
{
    const int width = control.Width();
    const int height = control.Height();
    if (visible.IsEmpty() || width <= 0 || height <= 0)
        return std::nullopt;
    const TSize full{width + image.Left + image.Right - 2 * margin,
                     height + image.Top + image.Bottom - 2 * margin};
    TCuts cut;
    CutAxis(width, visible.Left, visible.Right, image.Left, image.Right, margin, cut.Left, cut.Right);
    CutAxis(height, visible.Top, visible.Bottom, image.Top, image.Bottom, margin, cut.Top, cut.Bottom);
    const int shownWidth = full.Width - cut.Left - cut.Right;
    const int shownHeight = full.Height - cut.Top - cut.Bottom;
    if (full.Width <= 0 || full.Height <= 0 || shownWidth <= 0 || shownHeight <= 0)
        return std::nullopt;
    TGlowPlacement placement;
    placement.FullSize = full;
    placement.Source = TRect::FromBounds(cut.Left, cut.Top, shownWidth, shownHeight);
    placement.Window = TRect::FromBounds(control.Left + margin + cut.Left - image.Left,
                                         control.Top + margin + cut.Top - image.Top, shownWidth, shownHeight);
    return placement;
}

} // namespace pp
