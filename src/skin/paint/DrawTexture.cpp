#include "skin/paint/DrawTexture.h"

#include "skin/paint/BackdropFill.h"
#include "skin/paint/NearestStretch.h"
#include "skin/paint/PiecePainter.h"
#include "skin/paint/TileImage.h"

#include <algorithm>

namespace pp {
namespace {

std::optional<TRect> Uncovered(const TRect& rest)
{
    if (rest.IsEmpty())
        return std::nullopt;
    return rest;
}

// The largest part of `r` from its top-left that holds whole tiles only.
TRect WholeTileArea(const TRect& r, TSize tile, bool wholeColumns)
{
    const int width = wholeColumns ? r.Width() / tile.Width * tile.Width : r.Width();
    return {r.Left, r.Top, r.Left + width, r.Top + r.Height() / tile.Height * tile.Height};
}

std::optional<TRect> DrawMaskedTiles(TBitmap& target, const TRect& r, const TSkinImage& texture,
                                     const TRect& source, const BackdropInfo& backdrop)
{
    const TTexturePlacement placement = texture.Placement();
    if (placement != tpTile && placement != tpWholeTiles)
        return r;
    const TSize tile{source.Width(), source.Height()};
    const TRect area = placement == tpTile ? r : WholeTileArea(r, tile, true);
    TPieceMap map = TiledMap(source, {area.Width(), area.Height()});
    map.Image = map.Mask = PixelRowsOf(*texture.Source);
    map.MaskDy = texture.StateHeight();
    PaintPiece(target, {area.Left, area.Top}, map, TThroughMask{}, TKeyAction::BackColorElseBackdrop,
               backdrop, r);
    if (placement == tpWholeTiles) {
        FillWithBackdrop(target, {area.Right, r.Top, r.Right, r.Bottom}, backdrop, {0, 0});
        FillWithBackdrop(target, {r.Left, area.Bottom, area.Right, r.Bottom}, backdrop, {0, 0});
    }
    return std::nullopt;
}

void Stretch(TBitmap& target, const TRect& strip, const TSkinImage& texture, const TRect& source,
             const TRect& r)
{
    StretchNearest(target, strip, *texture.Source, source, r);
}

void Tile(TBitmap& target, const TRect& strip, const TSkinImage& texture, const TRect& source, TPoint origin,
          const TRect& r)
{
    TileRect(target, IntersectRect(strip, r), *texture.Source, source, origin);
}

} // namespace

std::optional<TRect> DrawTexture(TBitmap& target, const TRect& r, const TSkinImage& texture,
                                 const BackdropInfo& backdrop)
{
    const int w = texture.StateWidth(), h = texture.StateHeight();
    if (r.IsEmpty() || texture.Source == nullptr || w <= 0 || h <= 0)
        return Uncovered(r);
    const TPoint o = texture.StateOrigin(0);
    const TRect source{o.X, o.Y, o.X + w, o.Y + h};
    if (texture.HasMask())
        return DrawMaskedTiles(target, r, texture, source, backdrop);
    const TPoint topLeft{r.Left, r.Top};
    switch (texture.Placement()) {
    case tpTile: Tile(target, r, texture, source, topLeft, r); return std::nullopt;
    case tpStretch: Stretch(target, r, texture, source, r); return std::nullopt;
    case tpTileTop:
        Tile(target, {r.Left, r.Top, r.Right, r.Top + h}, texture, source, topLeft, r);
        return Uncovered({r.Left, r.Top + h, r.Right, r.Bottom});
    case tpTileLeft:
        Tile(target, {r.Left, r.Top, r.Left + w, r.Bottom}, texture, source, topLeft, r);
        return Uncovered({r.Left + w, r.Top, r.Right, r.Bottom});
    case tpStretchTop:
        Stretch(target, {r.Left, r.Top, r.Right, r.Top + h}, texture, source, r);
        return Uncovered({r.Left, r.Top + h, r.Right, r.Bottom});
    case tpStretchLeft:
        Stretch(target, {r.Left, r.Top, r.Left + w, r.Bottom}, texture, source, r);
        return Uncovered({r.Left + w, r.Top, r.Right, r.Bottom});
    case tpTileBottom:
        Tile(target, {r.Left, r.Bottom - h, r.Right, r.Bottom}, texture, source, {r.Left, r.Bottom - h}, r);
        return Uncovered({r.Left, r.Top, r.Right, r.Bottom - h});
    case tpTileRight:
        Tile(target, {r.Right - w, r.Top, r.Right, r.Bottom}, texture, source, {r.Right - w, r.Top}, r);
        return Uncovered({r.Left, r.Top, r.Right - w, r.Bottom});
    case tpWholeTiles: {
        const TRect area = WholeTileArea(r, {w, h}, false);
        Tile(target, area, texture, source, topLeft, r);
        return Uncovered({r.Left, area.Bottom, r.Right, r.Bottom});
    }
    }
    return std::nullopt;
}

} // namespace pp
