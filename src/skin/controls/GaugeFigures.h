#pragma once
// Where the pie and the needle of a gauge start and end, shared by the
// plain and the skinned painting.
#include "core/Geometry.h"

namespace pp {

// The pie is drawn counter-clockwise from this point to the top middle
// (w div 2, 0) of a w x h box, so the filled part grows clockwise from the
// top as the percentage rises.
TPoint PieStartPoint(int width, int height, int percent);

// The far end of the needle that turns about (middle, bottom): from the
// left end of the base at 0 % over the top at 50 % to the right at 100 %.
TPoint NeedleEndPoint(int middle, int bottom, int percent);

} // namespace pp
