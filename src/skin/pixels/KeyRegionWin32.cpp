#include "skin/pixels/KeyRegionWin32.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pp {

TRegionHandle RegionFromRects(const TAOR& rects)
{
    if (rects.empty())
        return {};
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(rects.size());
    header->nRgnSize = DWORD(rects.size() * sizeof(RECT));
    RECT bound{rects[0].Left, rects[0].Top, rects[0].Right, rects[0].Bottom};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const TRect& r = rects[i];
        const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
        std::memcpy(out + i, &rc, sizeof rc);
        bound = RECT{std::min(bound.left, rc.left), std::min(bound.top, rc.top),
                     std::max(bound.right, rc.right), std::max(bound.bottom, rc.bottom)};
    }
    header->rcBound = bound;
    return TRegionHandle(
        ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
}

TRegionHandle RegionWithoutKeyColor(const TBitmap& bitmap, TColor key)
{
    TRegionHandle full(CreateRectRgn(0, 0, bitmap.Width(), bitmap.Height()));
    const TRegionHandle holes = RegionFromRects(KeyColorRuns(bitmap, key));
    if (full && holes)
        CombineRgn(full.Get(), full.Get(), holes.Get(), RGN_DIFF);
    return full;
}

} // namespace pp
