#include "skin/loading/SkinImages.h"

#include <algorithm>
#include <cstdint>

namespace pp {

namespace {

// Rectangles come from skin files: their sides are subtracted in 64 bits so
// that no value of theirs can overflow.
int Share(std::int64_t length, std::int64_t parts)
{
    return static_cast<int>(std::clamp<std::int64_t>(length / parts, INT32_MIN, INT32_MAX));
}

} // namespace

std::int64_t RectWidth(const TRect& r) { return std::int64_t(r.Right) - r.Left; }
std::int64_t RectHeight(const TRect& r) { return std::int64_t(r.Bottom) - r.Top; }

int FrameWidth(const TsMaskData& mask)
{
    if (mask.FrameCount <= 0)
        return 0;
    return Share(RectWidth(mask.SourceRect), mask.FrameCount);
}

int BandHeight(const TsMaskData& mask)
{
    if (mask.MaskBands < 0)
        return 0;
    return Share(RectHeight(mask.SourceRect), std::int64_t(mask.MaskBands) + 1);
}

int ThirdOfFrameWidth(const TsMaskData& mask)
{
    return Share(RectWidth(mask.SourceRect), std::int64_t(mask.FrameCount) * 3);
}

int ThirdOfBandHeight(const TsMaskData& mask)
{
    return Share(RectHeight(mask.SourceRect), (std::int64_t(mask.MaskBands) + 1) * 3);
}

namespace {

int SideBorder(int own, const TsMaskData& mask, int whole)
{
    if (own > 0)
        return own;
    return mask.BorderWidth > 0 ? mask.BorderWidth : whole;
}

int WholeFrameWidth(const TsMaskData& mask)
{
    const int frames = mask.FrameCount == 0 ? 1 : mask.FrameCount;
    return frames < 0 ? 0 : Share(RectWidth(mask.SourceRect), frames);
}

} // namespace

int MaskLeftBorder(const TsMaskData& mask) { return SideBorder(mask.LeftWidth, mask, WholeFrameWidth(mask)); }
int MaskRightBorder(const TsMaskData& mask)
{
    return SideBorder(mask.RightWidth, mask, WholeFrameWidth(mask));
}
int MaskTopBorder(const TsMaskData& mask) { return SideBorder(mask.TopWidth, mask, BandHeight(mask)); }
int MaskBottomBorder(const TsMaskData& mask) { return SideBorder(mask.BottomWidth, mask, BandHeight(mask)); }

} // namespace pp
