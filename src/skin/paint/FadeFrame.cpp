#include "skin/paint/FadeFrame.h"

#include "skin/pixels/Blend.h"

#include <algorithm>

namespace pp {

int FadeFrameWeight(int level, int iterations)
{
    if (iterations <= 0)
        return 255;
    return std::clamp(level, 0, iterations) * 255 / iterations;
}

TBitmap MakeFadeFrame(const TBitmap& oldLook, const TBitmap& newLook, int level, int iterations)
{
    TBitmap frame = oldLook;
    frame.SetFormat(TPixelFormat::pf32bit);
    if (frame.Size() != newLook.Size())
        return newLook;
    // The weight is the old pixel's: 255 - b leaves b of the new look.
    BlendWholeBitmaps(frame, newLook, 255 - FadeFrameWeight(level, iterations));
    return frame;
}

} // namespace pp
