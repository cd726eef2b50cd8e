#include "skin/loading/SkinImages.h"

namespace pp {

int FrameWidth(const TsMaskData& mask)
{
    if (mask.FrameCount <= 0)
        return 0;
    return mask.SourceRect.Width() / mask.FrameCount;
}

int BandHeight(const TsMaskData& mask)
{
    if (mask.MaskBands < 0)
        return 0;
    return mask.SourceRect.Height() / (mask.MaskBands + 1);
}

} // namespace pp
