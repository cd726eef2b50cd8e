#include "skin/pixels/Composite.h"

#include "skin/pixels/BlendRows.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <optional>

namespace pp {
namespace {

TBlitArea CompositeArea(const TRect& destRect, const TBitmap& dest, const TRect& sourceRect,
                        const TBitmap& source)
{
    const TRect limited{sourceRect.Left, sourceRect.Top,
                        sourceRect.Left + std::min(sourceRect.Width(), destRect.Width()),
                        sourceRect.Top + std::min(sourceRect.Height(), destRect.Height())};
    return ClipBlit(dest, {destRect.Left, destRect.Top}, limited, source);
}

// Key-coloured source pixel over a backdrop: take what lies behind, or keep.
void FillFromBackdrop(TBGRA& d, const BackdropInfo& backdrop, int x, int y, bool opaque)
{
    TBGRA b;
    if (!BackdropPixel(backdrop, x + backdrop.OffsetX, y + backdrop.OffsetY, b))
        return;
    d = TBGRA{b.B, b.G, b.R, opaque ? std::uint8_t(0xFF) : d.A};
}

// The source as CompositeAlphaEx reads it: 32-bit, converted when needed.
const TBitmap& Source32(const TBitmap& source, std::optional<TBitmap>& converted)
{
    if (source.Format() == TPixelFormat::pf32bit)
        return source;
    converted.emplace(source);
    converted->SetFormat(TPixelFormat::pf32bit);
    return *converted;
}

struct TExOptions {
    int Transparency = 0; // 0..100
    bool Tinted = false;
    TBGRA Tint;
    bool KeyTest = false; // backdrop has an image
    bool FillKeyed = false;
};

// The source pixel after the tint: its grey mean scaled by the tint colour.
TBGRA Tinted(TBGRA s, const TExOptions& o)
{
    if (!o.Tinted)
        return s;
    const int mean = (s.R + s.G + s.B) / 3;
    const auto scale = [mean](int t) { return std::uint8_t(std::min(255, RoundHalfEven(mean * t / 255.0))); };
    return TBGRA{scale(o.Tint.B), scale(o.Tint.G), scale(o.Tint.R), s.A};
}

void MixPixel(TBGRA& d, TBGRA s, int weight)
{
    d.B = MixChannel(s.B, d.B, weight);
    d.G = MixChannel(s.G, d.G, weight);
    d.R = MixChannel(s.R, d.R, weight);
}

void CompositeExPixel(TBGRA& d, TBGRA s, const TExOptions& o, const BackdropInfo& backdrop, int x, int y)
{
    if (o.KeyTest && IsKeyPixel(s)) {
        if (o.FillKeyed)
            FillFromBackdrop(d, backdrop, x, y, false);
        return;
    }
    const int weight = o.Transparency == 0 ? s.A : (100 - o.Transparency) * s.A / 100;
    MixPixel(d, Tinted(s, o), weight);
    if (o.Transparency == 0)
        d.A = std::max(d.A, s.A);
}

// The weight of a reflected pixel: its alpha fading linearly over the q
// rows and again with the strength, which drops row by row.
int ReflectionWeight(int alpha, int k, int q, int strength, int transparency)
{
    const int faded = alpha * (q - k) / q;
    return transparency == 0 ? (faded * strength) >> 10
                             : (100 - transparency) * (faded * strength / 1024) / 100;
}

// Reflection row k of q at strength s; key-coloured source pixels leave the
// destination alone.
void ReflectRow(TBGRA* d, const TBGRA* s, int count, const TExOptions& o, int k, int q, int strength)
{
    for (int x = 0; x < count; ++x)
        if (!IsKeyPixel(s[x]))
            MixPixel(d[x], Tinted(s[x], o), ReflectionWeight(s[x].A, k, q, strength, o.Transparency));
}

// The mirror image below the destination rectangle: row k under it shows
// source row (bottom - k - 1), for at most half the source rectangle's
// height, fading with the distance. Its geometry follows the rectangles as
// given, not the block that was clipped out of them, so a source taller or
// shorter than the destination still mirrors under the destination.
void DrawReflection(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& sourceRect,
                    const TExOptions& o)
{
    const int sourceHeight = sourceRect.Height();
    const int q = int(std::min<long long>(sourceHeight / 2 - 1, (long long)dest.Height() - destRect.Bottom));
    const int width = std::min(sourceRect.Width(), destRect.Width());
    int strength = 255;
    for (int k = 1; k <= q; ++k) {
        const int sourceRow = sourceRect.Bottom - k - 1;
        const TBlitArea row = ClipBlit(dest, {destRect.Left, destRect.Bottom + k - 1},
                                       {sourceRect.Left, sourceRow, sourceRect.Left + width, sourceRow + 1},
                                       source);
        if (!row.Dest.IsEmpty())
            ReflectRow(dest.Row32(row.Dest.Top) + row.Dest.Left, source.Row32(row.Source.Y) + row.Source.X,
                       row.Dest.Width(), o, k, q, strength);
        strength -= 255 / sourceHeight;
    }
}

// The block with no key test: whole rows through the fastest row kernel,
// the row kernel chosen and the rows found once for the block (buttons are
// many short rows).
void CompositeBlock(TBitmap& dest, const TBitmap& source, const TBlitArea& area)
{
    const TCompositeRowFunction compositeRow = ChosenCompositeRow();
    std::uint8_t* d = dest.ScanLine(area.Dest.Top) + std::size_t(area.Dest.Left) * sizeof(TBGRA);
    const std::uint8_t* s = source.ScanLine(area.Source.Y) + std::size_t(area.Source.X) * sizeof(TBGRA);
    for (int row = 0; row < area.Dest.Height(); ++row, d += dest.Stride(), s += source.Stride())
        compositeRow(reinterpret_cast<TBGRA*>(d), reinterpret_cast<const TBGRA*>(s), area.Dest.Width());
}

// Key-coloured source pixels are not composited: they take the backdrop
// (opaque) with `fillKeyedPixels`, else leave the destination alone.
void CompositeOverBackdrop(TBitmap& dest, const TBitmap& source, const TBlitArea& area,
                           const BackdropInfo& backdrop, bool fillKeyedPixels)
{
    for (int row = 0; row < area.Dest.Height(); ++row) {
        const int y = area.Dest.Top + row;
        TBGRA* d = dest.Row32(y) + area.Dest.Left;
        const TBGRA* s = source.Row32(area.Source.Y + row) + area.Source.X;
        for (int x = 0; x < area.Dest.Width(); ++x) {
            if (!IsKeyPixel(s[x]))
                CompositeRowPortable(d + x, s + x, 1);
            else if (fillKeyedPixels)
                FillFromBackdrop(d[x], backdrop, area.Dest.Left + x, y, true);
        }
    }
}

} // namespace

void CompositeAlpha(const TRect& destRect, TBitmap& dest, const TRect& sourceRect, const TBitmap& source,
                    const BackdropInfo& backdrop, bool fillKeyedPixels)
{
    if (!Is32Bit(dest) || !Is32Bit(source))
        return;
    const TBlitArea area = CompositeArea(destRect, dest, sourceRect, source);
    if (area.Dest.IsEmpty())
        return;
    if (backdrop.HasImage)
        CompositeOverBackdrop(dest, source, area, backdrop, fillKeyedPixels);
    else
        CompositeBlock(dest, source, area);
}

void CompositeAlphaEx(const TRect& destRect, const TRect& sourceRect, TBitmap& dest, bool reflection,
                      int transparency, TColor tint, bool fillKeyedPixels, const BackdropInfo& backdrop,
                      const TBitmap& source)
{
    if (!Is32Bit(dest) || source.Empty())
        return;
    std::optional<TBitmap> converted;
    const TBitmap& src = Source32(source, converted);
    TExOptions o;
    o.Transparency = std::clamp(transparency, 0, 100);
    o.Tinted = tint != clNoKeyColor;
    o.Tint = PixelFromColor(o.Tinted ? ColorToRGB(tint) : 0);
    o.KeyTest = backdrop.HasImage;
    o.FillKeyed = fillKeyedPixels;
    const TBlitArea area = CompositeArea(destRect, dest, sourceRect, src);
    for (int row = 0; row < area.Dest.Height(); ++row) {
        const int y = area.Dest.Top + row;
        TBGRA* d = dest.Row32(y);
        const TBGRA* s = src.Row32(area.Source.Y + row) + area.Source.X;
        for (int x = area.Dest.Left; x < area.Dest.Right; ++x)
            CompositeExPixel(d[x], s[x - area.Dest.Left], o, backdrop, x, y);
    }
    if (reflection)
        DrawReflection(dest, destRect, src, sourceRect, o);
}

} // namespace pp
