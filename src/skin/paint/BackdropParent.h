#pragma once
// Asking the parent for the background behind a control. The parent is an
// interface: the control binding implements it over the skin command
// message (to a parent control, or to a parent window), tests fake it.
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/paint/BackdropRequest.h"

namespace pp {

class TBackdropParent {
public:
    virtual ~TBackdropParent() = default;
    // Sends the get-background request. A skinned parent fills it in (its
    // Kind becomes non-zero); anything else leaves it unanswered.
    virtual void AskForBackdrop(BackdropRequest& request) = 0;
    // Nobody answered and the requester wants pixels: the parent paints its
    // background and itself into request.TargetDC, shifted by (-OffsetX,
    // -OffsetY) and clipped to Area moved by the offsets.
    virtual void PaintIntoTarget(const BackdropRequest& request) = 0;
    // Nobody answered: the colour to give instead (a parent control's own
    // background colour; for a parent window the skin's global colour, else
    // the button face).
    virtual TColor FallbackColor() = 0;
};

// Clears `request` (no image, no answer, zero margins), sets its PaintNow
// flag, asks the parent, and when nobody answers falls back to painting
// (paintNow) or to the parent's colour (Kind becomes bkColor).
void RequestParentBackdrop(BackdropRequest& request, TBackdropParent& parent, bool paintNow);

// The requester's own position inside the parent added to the offsets of
// an answer, so that they name the requester's top-left pixel in the
// parent's image.
void AddRequesterPosition(BackdropRequest& request, TPoint positionInParent);

} // namespace pp
