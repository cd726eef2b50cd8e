#include "skin/paint/CornerPieces.h"

#include "skin/paint/BorderPieces.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <optional>

namespace pp {
namespace {

std::optional<TSkinImage> CornerSource(const TsLoadedSkin& skin, int index)
{
    std::optional<TSkinImage> image = SkinImageAt(skin, index);
    if (image && image->StateCount == 0 && image->Source != &skin.MasterBitmap) {
        image->Rect = image->Source->Bounds();
        image->StateCount = 3;
    }
    return image;
}

// What a key pixel of a corner turns into.
struct TBehind {
    const BackdropRequest& Answer;
    TBGRA Color;
    bool Apply(TBGRA& pixel, int x, int y) const
    {
        if (Answer.Kind != bkImage) {
            if (ColorFromPixel(Color) == clKeyColor)
                return false;
            pixel = Color;
            return true;
        }
        const TBitmap* image = Answer.Image;
        const int px = x + Answer.OffsetX, py = y + Answer.OffsetY;
        if (image == nullptr || !Is32Bit(*image) || px < 0 || py < 0 || px >= image->Width() ||
            py >= image->Height())
            return false;
        pixel = image->Pixel32(px, py);
        return true;
    }
};

void RefreshCorner(TBitmap& cache, const TSkinImage& border, const TRect& source, TPoint at,
                   const TBehind& behind)
{
    for (int y = 0; y < source.Height(); ++y) {
        const int cy = at.Y + y;
        if (cy < 0 || cy >= cache.Height())
            continue;
        const TBGRA* piece = border.Source->Row32(source.Top + y) + source.Left;
        TBGRA* row = cache.Row32(cy);
        for (int x = 0; x < source.Width(); ++x) {
            const int cx = at.X + x;
            if (cx >= 0 && cx < cache.Width() && PixelValue(piece[x]) == clKeyColor)
                behind.Apply(row[cx], cx, cy);
        }
    }
}

} // namespace

void RefreshCornerPieces(TBitmap& cache, const TsLoadedSkin& skin, int borderImageIndex, int state,
                         int corners, TBackdropParent& parent, TPoint positionInParent)
{
    const std::optional<TSkinImage> border = CornerSource(skin, borderImageIndex);
    if (!border || !Is32Bit(cache))
        return;
    const TBorderWidths widths = ImageBorders(border->Left, border->Top, border->Right, border->Bottom);
    const TSize stateSize{border->StateWidth(), border->StateHeight()};
    if (stateSize.Width - widths.Left - widths.Right < 0 || stateSize.Height - widths.Top - widths.Bottom < 0)
        return;
    BackdropRequest answer;
    RequestParentBackdrop(answer, parent, false);
    if (answer.Kind == bkImage)
        AddRequesterPosition(answer, positionInParent);
    const TBehind behind{answer, PixelFromColor(ColorToRGB(answer.Color))};

    const TBorderPieces pieces = BorderPieces(cache.Bounds(), border->StateOrigin(state), stateSize, widths,
                                              false);
    // Corners in painting order: top-left, bottom-left, bottom-right, top-right.
    const int flags[] = {ccTopLeft, ccBottomLeft, ccBottomRight, ccTopRight};
    int corner = 0;
    for (const TBorderPiece& piece : pieces) {
        if (piece.Kind != TPieceKind::Corner)
            continue;
        if (corners & flags[corner++])
            RefreshCorner(cache, *border, piece.Source, {piece.Dest.Left, piece.Dest.Top}, behind);
    }
}

} // namespace pp
