#pragma once
// Where a control's glow window goes and how big it is. The glow image is
// drawn around the control: its border widths lie outside the control's
// rectangle, less the margin on each side. Where the control is partly
// hidden (covered by its parent's edge), the glow is cut on the hidden
// sides so that it never shows around a part the user cannot see.
#include "core/Geometry.h"

#include <optional>

namespace pp {

struct TGlowBorders {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TGlowPlacement {
    // The whole glow picture before cutting: the bitmap the image is drawn on.
    TSize FullSize;
    // The part of that picture the window shows, and the window's place on
    // screen (the same size).
    TRect Source;
    TRect Window;
};

// `control` is the control's rectangle on screen; `visible` its visible
// part in the control's own coordinates. No placement when nothing of the
// glow would show (an empty visible part, or margins that eat the glow).
std::optional<TGlowPlacement> PlaceGlow(const TRect& control, const TRect& visible, const TGlowBorders& image,
                                        int margin);

} // namespace pp
