#include "skin/paint/BackdropParent.h"

namespace pp {

void RequestParentBackdrop(BackdropRequest& request, TBackdropParent& parent, bool paintNow)
{
    request.Image = nullptr;
    request.Kind = bkNoAnswer;
    for (std::int32_t& margin : request.Margins)
        margin = 0;
    request.PaintNow = paintNow ? 1 : 0;
    parent.AskForBackdrop(request);
    if (request.Kind != bkNoAnswer)
        return;
    if (paintNow) {
        parent.PaintIntoTarget(request);
        return;
    }
    request.Kind = bkColor;
    request.Color = parent.FallbackColor();
}

void AddRequesterPosition(BackdropRequest& request, TPoint positionInParent)
{
    request.OffsetX += positionInParent.X;
    request.OffsetY += positionInParent.Y;
}

} // namespace pp
