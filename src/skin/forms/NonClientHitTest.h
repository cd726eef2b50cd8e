#pragma once
// What part of a skinned frame lies under a point, past the title
// elements: sizing borders, the caption band (with the icon), the menu
// lines and the client. Points are in window coordinates.
#include "core/Geometry.h"
#include "skin/paint/FrameGeometry.h"

namespace pp {

struct TFrameHitInput {
    TFrameMeasures Measures;
    // The platform's caption height for this window (small for tool windows).
    int SystemCaption = 0;
    bool Sizeable = false; // WS_THICKFRAME and not maximized
    TRect IconRect;
};

// One of HTLEFT .. HTBOTTOMRIGHT, HTMENU, HTSYSMENU, HTCAPTION or HTCLIENT.
int FrameHitTest(const TFrameHitInput& input, TPoint p);

} // namespace pp
