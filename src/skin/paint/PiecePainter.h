#pragma once
// Drawing one piece of a skin image into a 32-bit target: the loop over a
// piece map, what a key-coloured image pixel turns into, and the ways an
// image pixel meets the target pixel (copied, through a grey mask, ...).
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/paint/MaskRow.h"
#include "skin/paint/PieceMap.h"
#include "skin/pixels/BackdropInfo.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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
TKeyAction CornerKeyAction(bool fillCorners, int cornerKey, const BackdropInfo& backdrop,
                           TKeyAction otherwise);

// A blend meets a row of image pixels (and mask pixels, or null) at once
// through its Row when it has one, else pixel by pixel.

// Image pixel copied as it is, alpha included.
struct TCopy {
    void operator()(TBGRA& d, TBGRA s, TBGRA) const { d = s; }
    void Row(TBGRA* d, const TBGRA* s, const TBGRA*, int n) const
    {
        std::memcpy(d, s, std::size_t(n) * sizeof(TBGRA));
    }
};

// Image pixel copied, opaque.
struct TCopyOpaque {
    void operator()(TBGRA& d, TBGRA s, TBGRA) const { d = TBGRA{s.B, s.G, s.R, 0xFF}; }
    void Row(TBGRA* d, const TBGRA* s, const TBGRA*, int n) const
    {
        for (int i = 0; i < n; ++i)
            d[i] = TBGRA{s[i].B, s[i].G, s[i].R, 0xFF};
    }
};

// out = image + (D - image) * m / 256 per channel, opaque: a black mask
// gives the image, a white one (nearly) keeps the target.
struct TThroughMask {
    void operator()(TBGRA& d, TBGRA s, TBGRA m) const
    {
        d = TBGRA{MixChannel(d.B, s.B, m.B), MixChannel(d.G, s.G, m.G), MixChannel(d.R, s.R, m.R), 0xFF};
    }
    void Row(TBGRA* d, const TBGRA* s, const TBGRA* m, int n) const { ComposeRowThroughMask(d, s, m, n); }
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

inline void ApplyKeyAction(TBGRA& d, TKeyAction action, const BackdropInfo& backdrop, TBGRA backColor, int x,
                           int y)
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
    case TKeyAction::BackColor: d = backColor; return;
    case TKeyAction::Leave:
    case TKeyAction::Draw: return;
    }
}

template <typename Blend> void BlendRun(const Blend& blend, TBGRA* d, const TBGRA* s, const TBGRA* m, int n)
{
    if constexpr (requires { blend.Row(d, s, m, n); }) {
        blend.Row(d, s, m, n);
    } else {
        const TBGRA white{0xFF, 0xFF, 0xFF, 0xFF};
        for (int i = 0; i < n; ++i)
            blend(d[i], s[i], m ? m[i] : white);
    }
}

// Rows whose columns do not run in order are gathered in chunks first.
template <typename Blend>
void GatherRun(const Blend& blend, TBGRA* d, const TBGRA* image, const TBGRA* mask, const int* columns, int n)
{
    constexpr int Chunk = 256;
    TBGRA s[Chunk], m[Chunk];
    for (int start = 0; start < n; start += Chunk) {
        const int count = std::min(Chunk, n - start);
        for (int i = 0; i < count; ++i) {
            s[i] = image[columns[start + i]];
            if (mask)
                m[i] = mask[columns[start + i]];
        }
        BlendRun(blend, d + start, s, mask ? m : nullptr, count);
    }
}

// Runs of columns that step by one up to the end of a tile, each blended
// as a row.
template <typename Blend>
void RunsInOrder(const Blend& blend, TBGRA* d, const TBGRA* image, const TBGRA* mask, const int* columns,
                 int n, int tileLeft, int tileWidth)
{
    for (int start = 0; start < n;) {
        const int column = columns[start];
        const int run = std::min(tileLeft + tileWidth - column, n - start);
        BlendRun(blend, d + start, image + column, mask ? mask + column : nullptr, run);
        start += run;
    }
}

template <typename Blend>
void KeyedRun(const Blend& blend, TBGRA* d, const TBGRA* image, const TBGRA* mask, const int* columns, int n,
              TKeyAction key, const BackdropInfo& backdrop, TPoint at)
{
    const TBGRA backColor = PixelFromColor(ColorToRGB(backdrop.BackColor));
    const TBGRA white{0xFF, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < n; ++i) {
        const TBGRA s = image[columns[i]];
        if (IsKeyPixel(s))
            ApplyKeyAction(d[i], key, backdrop, backColor, at.X + i, at.Y);
        else
            blend(d[i], s, mask ? mask[columns[i]] : white);
    }
}

} // namespace detail

// Draws the piece with its top-left at `at`, clipped to `clip` and the target.
template <typename Blend>
void PaintPiece(TBitmap& target, TPoint at, const TPieceMap& map, Blend blend, TKeyAction key,
                const BackdropInfo& backdrop, const TRect& clip)
{
    if (!Is32Bit(target) || !map.Image)
        return;
    const TRect dest{at.X, at.Y, at.X + map.Width(), at.Y + map.Height()};
    const TRect clipped = ClipToBitmap(IntersectRect(dest, clip), target);
    if (clipped.IsEmpty())
        return;
    const int first = clipped.Left - dest.Left, n = clipped.Width();
    const int* columns = map.Columns.Data() + first;
    std::uint8_t* targetRow = target.ScanLine(clipped.Top);
    for (int y = clipped.Top; y < clipped.Bottom; ++y, targetRow += target.Stride()) {
        const int sourceRow = map.Rows[y - dest.Top];
        const TBGRA* image = map.Image.Row(sourceRow);
        const TBGRA* mask = map.Mask ? map.Mask.Row(sourceRow + map.MaskDy) : nullptr;
        TBGRA* d = reinterpret_cast<TBGRA*>(targetRow) + clipped.Left;
        if (key != TKeyAction::Draw)
            detail::KeyedRun(blend, d, image, mask, columns, n, key, backdrop, {clipped.Left, y});
        else if (map.TileWidth > 0)
            detail::RunsInOrder(blend, d, image, mask, columns, n, map.TileLeft, map.TileWidth);
        else
            detail::GatherRun(blend, d, image, mask, columns, n);
    }
}

} // namespace pp
