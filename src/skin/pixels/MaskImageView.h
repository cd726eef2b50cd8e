#pragma once
// The part of a skin image record that pixel work needs: where the image
// lies, how it is cut into states and bands, and its border widths.
#include "core/Bitmap.h"
#include "core/Geometry.h"

#include <algorithm>

namespace pp {

struct TMaskImageView {
    const TBitmap* Image = nullptr; // the record's own bitmap or the master bitmap
    TRect SourceRect;
    int FrameCount = 1; // states side by side
    int MaskBands = 0;  // further bands below the image band
    int LeftWidth = 0, TopWidth = 0, RightWidth = 0, BottomWidth = 0;

    int StateWidth() const { return SourceRect.Width() / std::max(1, FrameCount); }
    int StateHeight() const { return SourceRect.Height() / (std::max(0, MaskBands) + 1); }
};

} // namespace pp
