#include "skin/paint/NearestStretch.h"

#include "skin/paint/PieceMap.h"
#include "skin/paint/PiecePainter.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

// The offset added before the division, per direction.
std::int64_t Bias(int s, int d, TStretchAxis axis)
{
    if (s <= d)
        return (s - 1) / 2;
    if (axis == TStretchAxis::Rows)
        return d / 2;
    return d == 1 ? s - 2 : s - 1 - (d - 1) / 2;
}

bool Inside(const TRect& r, const TBitmap& b)
{
    return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height() && !r.IsEmpty();
}

} // namespace

int NearestSourceIndex(int i, int sourceLength, int destLength, TStretchAxis axis)
{
    if (sourceLength <= 0 || destLength <= 0)
        return 0;
    const std::int64_t index = (std::int64_t(i) * sourceLength + Bias(sourceLength, destLength, axis)) /
                               destLength;
    return static_cast<int>(std::clamp<std::int64_t>(index, 0, sourceLength - 1));
}

void StretchNearest(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& sourceRect,
                    const TRect& clip)
{
    if (!Is32Bit(source) || !Inside(sourceRect, source) || destRect.IsEmpty())
        return;
    TPieceMap map = StretchedMap(sourceRect, {destRect.Width(), destRect.Height()});
    map.Image = PixelRowsOf(source);
    PaintPiece(dest, {destRect.Left, destRect.Top}, map, TCopy{}, TKeyAction::Draw, BackdropInfo{}, clip);
}

void StretchNearest(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& sourceRect)
{
    StretchNearest(dest, destRect, source, sourceRect, dest.Bounds());
}

} // namespace pp
