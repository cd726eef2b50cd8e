#include "skin/paint/DisabledItemBlend.h"

#include <algorithm>

namespace pp {
namespace {

constexpr int ItemPercent = 40;

std::uint8_t Mix(std::uint8_t item, std::uint8_t background)
{
    return static_cast<std::uint8_t>((item * ItemPercent + background * (100 - ItemPercent)) / 100);
}

bool IsKey(const TBGRA& p) { return p.R == 0xFF && p.G == 0 && p.B == 0xFF; }

} // namespace

void BlendDisabledItem(TBitmap& item, const TBitmap& background, TPoint at)
{
    const int left = std::max(0, -at.X);
    const int top = std::max(0, -at.Y);
    const int right = std::min(item.Width(), background.Width() - at.X);
    const int bottom = std::min(item.Height(), background.Height() - at.Y);
    for (int y = top; y < bottom; ++y) {
        TBGRA* row = item.Row32(y);
        const TBGRA* behind = background.Row32(y + at.Y) + at.X;
        for (int x = left; x < right; ++x) {
            if (IsKey(row[x]))
                continue;
            row[x].R = Mix(row[x].R, behind[x].R);
            row[x].G = Mix(row[x].G, behind[x].G);
            row[x].B = Mix(row[x].B, behind[x].B);
        }
    }
}

} // namespace pp
