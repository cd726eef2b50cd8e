#pragma once
// Drawing one piece of a skin image into a 32-bit target: the loop over a
// piece map, what a key-coloured image pixel turns into, and the ways an
// image pixel meets the target pixel (copied, through a grey mask, ...).
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/paint/PieceMap.h"
#include "skin/pixels/BackdropInfo.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {

// What a key-coloured (0xFF00FF) image pixel does.
enum class TKeyAction {
    Draw,                  // drawn like any other pixel
    Leave,                 // the target pixel stays
    Backdrop,              // the backdrop image's pixel behind it, opaque; stays outside the image
    BackColor,             // the backdrop colour, opaque
    BackColorElseBackdrop, // the backdrop colour when it has one, else its image's pixel
};

// The key rule of corner pieces: with fill-corners and key pixels in the
// corners, what lies behind shows (the backdrop's image, else its colour
// when it has one); otherwise `otherwise`.
TKeyAction CornerKeyAction(bool fillCorners, int cornerKey, const BackdropInfo& backdrop, TKeyAction otherwise);

// Image pixel copied as it is, alpha included.
struct TCopy {
    void operator()(TBGRA& d, TBGRA s, TBGRA) const { d = s; }
};

// Image pixel copied, opaque.
struct TCopyOpaque {
    void operator()(TBGRA& d, TBGRA s, TBGRA) const { d = TBGRA{s.B, s.G, s.R, 0xFF}; }
};

// out = image + (D - image) * m / 256 per channel, opaque: a black mask
// gives the image, a white one (nearly) keeps the target.
struct TThroughMask {
    void operator()(TBGRA& d, TBGRA s, TBGRA m) const
    {
        d = TBGRA{MixChannel(d.B, s.B, m.B), MixChannel(d.G, s.G, m.G), MixChannel(d.R, s.R, m.R), 0xFF};
    }
};

// The same for targets whose alpha matters (translucent windows): mask 0
// copies the image, 255 keeps the target, between them the target keeps
// min(m, its alpha) and its alpha grows to 255 - m.
struct TThroughMaskKeepingAlpha {
    void operator()(TBGRA& d, TBGRA s, TBGRA m) const
    {
        if (m.R == 0) {
            d = TBGRA{s.B, s.G, s.R, 0xFF};
            return;
        }
        if (m.R == 255)
            return;
        const auto mix = [&d](int dc, int sc, int mc) {
            const int h = std::min(mc, int(d.A));
            return std::uint8_t((h * dc + (255 - h) * sc) >> 8);
        };
        d = TBGRA{mix(d.B, s.B, m.B), mix(d.G, s.G, m.G), mix(d.R, s.R, m.R),
                  std::uint8_t(std::max(int(d.A), 255 - m.R))};
    }
};

namespace detail {

inline void ApplyKeyAction(TBGRA& d, TKeyAction action, const BackdropInfo& backdrop, TBGRA backColor, int x, int y)
{
    TBGRA behind;
    switch (action) {
    case TKeyAction::BackColorElseBackdrop:
        if (backdrop.BackColor != clKeyColor) {
            d = backColor;
            return;
        }
        [[fallthrough]];
    case TKeyAction::Backdrop:
        if (BackdropPixel(backdrop, x + backdrop.OffsetX, y + backdrop.OffsetY, behind))
            d = TBGRA{behind.B, behind.G, behind.R, 0xFF};
        return;
    case TKeyAction::BackColor:
        d = backColor;
        return;
    case TKeyAction::Leave:
    case TKeyAction::Draw:
        return;
    }
}

} // namespace detail

// Draws the piece with its top-left at `at`, clipped to `clip` and the target.
template <typename Blend>
void PaintPiece(TBitmap& target, TPoint at, const TPieceMap& map, Blend blend, TKeyAction key,
                const BackdropInfo& backdrop, const TRect& clip)
{
    if (!Is32Bit(target) || map.Image == nullptr)
        return;
    const TRect dest{at.X, at.Y, at.X + map.Width(), at.Y + map.Height()};
    const TRect clipped = ClipToBitmap(IntersectRect(dest, clip), target);
    if (clipped.IsEmpty())
        return;
    const TBGRA backColor = PixelFromColor(ColorToRGB(backdrop.BackColor));
    const TBGRA white{0xFF, 0xFF, 0xFF, 0xFF};
    for (int y = clipped.Top; y < clipped.Bottom; ++y) {
        const int sourceRow = map.Rows[static_cast<std::size_t>(y - dest.Top)];
        const TBGRA* image = map.Image->Row32(sourceRow);
        const TBGRA* mask = map.Mask ? map.Mask->Row32(sourceRow + map.MaskDy) : nullptr;
        TBGRA* d = target.Row32(y);
        for (int x = clipped.Left; x < clipped.Right; ++x) {
            const int column = map.Columns[static_cast<std::size_t>(x - dest.Left)];
            const TBGRA s = image[column];
            if (key != TKeyAction::Draw && IsKeyPixel(s)) {
                detail::ApplyKeyAction(d[x], key, backdrop, backColor, x, y);
                continue;
            }
            blend(d[x], s, mask ? mask[column] : white);
        }
    }
}

} // namespace pp
