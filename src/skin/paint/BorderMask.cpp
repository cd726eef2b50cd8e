#include "skin/paint/BorderMask.h"

#include "skin/paint/BorderPieces.h"
#include "skin/paint/PiecePainter.h"
#include "skin/pixels/Resample.h"

#include <algorithm>

namespace pp {
namespace {

enum class TComposite { Opaque, KeepAlpha };

struct TBorderJob {
    TBitmap& Target;
    const TRect& Area;
    bool FillCorners;
    const TSkinImage& Image;
    const BackdropInfo& Backdrop;
    TComposite Composite;
    TScaledPieceCache& ScaledPieces;
};

TSize SizeOf(const TRect& r) { return {r.Width(), r.Height()}; }

// Kernel resampling is kept for masked pieces that shrink in one direction
// only, and for the centre; everything else takes the nearest-pixel
// stretch, as do sources the kernel cannot take (below 2 pixels).
bool TakesKernel(const TBorderPiece& piece)
{
    const bool narrower = piece.Dest.Width() < piece.Source.Width();
    const bool lower = piece.Dest.Height() < piece.Source.Height();
    const bool wanted = piece.Kind == TPieceKind::Centre || narrower != lower;
    return wanted && piece.Source.Width() >= 2 && piece.Source.Height() >= 2;
}

int ScalingFor(const TBorderJob& job, const TBorderPiece& piece)
{
    if (!job.Image.HasMask() || !TakesKernel(piece))
        return NearestPixels;
    return job.Composite == TComposite::KeepAlpha && piece.BottomSide ? rfHermite : rfMitchell;
}

bool IsFlatCentre(const TBorderPiece& piece)
{
    return piece.Kind == TPieceKind::Centre && piece.Source.Width() == 1 && piece.Source.Height() == 1;
}

// A stretched piece, found scaled (image and mask apart) or scaled now.
TPieceMap ScaledPieceMap(const TBorderJob& job, const TBorderPiece& piece)
{
    const TSize size = SizeOf(piece.Dest);
    const int maskDy = job.Image.HasMask() ? job.Image.StateHeight() : 0;
    const TScaledPieceCache::TPiece& scaled = job.ScaledPieces.Scaled(*job.Image.Source, piece.Source, maskDy,
                                                                      size, ScalingFor(job, piece));
    TPieceMap map = DirectMap({0, 0, size.Width, size.Height}, size);
    map.Image = PixelRowsOf(scaled.Image, size.Width);
    map.Mask = PixelRowsOf(scaled.Mask, size.Width);
    return map;
}

// Corners as they are, a one-pixel centre as one colour, tiled sides
// straight from the image, stretched ones scaled.
TPieceMap PieceMapFor(const TBorderJob& job, const TBorderPiece& piece)
{
    const bool corner = piece.Kind == TPieceKind::Corner;
    if (!corner && !IsFlatCentre(piece) && (job.Image.DrawMode & dmStretchSides))
        return ScaledPieceMap(job, piece);
    const TSize size = SizeOf(piece.Dest);
    TPieceMap map = corner                ? DirectMap(piece.Source, size)
                    : IsFlatCentre(piece) ? FlatMap({piece.Source.Left, piece.Source.Top}, size)
                                          : TiledMap(piece.Source, size);
    map.Image = PixelRowsOf(*job.Image.Source);
    if (job.Image.HasMask()) {
        map.Mask = map.Image;
        map.MaskDy = job.Image.StateHeight();
    }
    return map;
}

template <typename Blend>
void Paint(const TBorderJob& job, const TBorderPiece& piece, const TPieceMap& map, Blend blend,
           TKeyAction key)
{
    PaintPiece(job.Target, {piece.Dest.Left, piece.Dest.Top}, map, blend, key, job.Backdrop, job.Area);
}

void PaintKeyColourPiece(const TBorderJob& job, const TBorderPiece& piece)
{
    const TKeyAction key = piece.Kind == TPieceKind::Corner
                               ? CornerKeyAction(job.FillCorners, job.Image.CornerKey, job.Backdrop,
                                                 TKeyAction::Leave)
                               : TKeyAction::Draw;
    Paint(job, piece, PieceMapFor(job, piece), TCopyOpaque{}, key);
}

void PaintMaskedPiece(const TBorderJob& job, const TBorderPiece& piece)
{
    const TKeyAction unfilled = job.Backdrop.HasImage ? TKeyAction::Draw : TKeyAction::Leave;
    const TKeyAction key = piece.Kind == TPieceKind::Corner
                               ? CornerKeyAction(job.FillCorners, job.Image.CornerKey, job.Backdrop, unfilled)
                               : TKeyAction::Draw;
    const TPieceMap map = PieceMapFor(job, piece);
    // A flat centre whose mask is white leaves the centre as it is.
    if (IsFlatCentre(piece) && map.Mask.Row(map.Rows[0] + map.MaskDy)[map.Columns[0]].R == 0xFF)
        return;
    if (job.Composite == TComposite::KeepAlpha)
        Paint(job, piece, map, TThroughMaskKeepingAlpha{}, key);
    else
        Paint(job, piece, map, TThroughMask{}, key);
}

void DrawBorder(const TBorderJob& job, int state)
{
    const TSkinImage& image = job.Image;
    const TRect& r = job.Area;
    if ((state <= 0 && (image.DrawMode & dmHiddenInState0)) || r.Width() < 2 || r.Height() < 2 ||
        image.Source == nullptr)
        return;
    const TSize stateSize{image.StateWidth(), image.StateHeight()};
    const TBorderWidths widths = FitBorders(ImageBorders(image.Left, image.Top, image.Right, image.Bottom),
                                            r.Width(), r.Height());
    if (stateSize.Width <= 0 || stateSize.Height <= 0 || stateSize.Width - widths.Left - widths.Right < 0 ||
        stateSize.Height - widths.Top - widths.Bottom < 0)
        return;
    const TBorderPieces pieces = BorderPieces(r, image.StateOrigin(state), stateSize, widths,
                                              (image.DrawMode & dmPaintCentre) != 0);
    for (const TBorderPiece& piece : pieces) {
        if (piece.Dest.IsEmpty())
            continue;
        if (image.HasMask())
            PaintMaskedPiece(job, piece);
        else
            PaintKeyColourPiece(job, piece);
    }
}

} // namespace

void DrawBorderMask(TBitmap& target, const TRect& r, bool fillCorners, int state, const TSkinImage& image,
                    const BackdropInfo& backdrop, TScaledPieceCache* scaledPieces)
{
    TScaledPieceCache forThisPaint;
    DrawBorder({target, r, fillCorners, image, backdrop, TComposite::Opaque,
                scaledPieces ? *scaledPieces : forThisPaint},
               state);
}

void DrawBorderMaskKeepingAlpha(TBitmap& target, const TRect& r, bool fillCorners, int state,
                                const TSkinImage& image, const BackdropInfo& backdrop,
                                TScaledPieceCache* scaledPieces)
{
    TScaledPieceCache forThisPaint;
    DrawBorder({target, r, fillCorners, image, backdrop, TComposite::KeepAlpha,
                scaledPieces ? *scaledPieces : forThisPaint},
               state);
}

} // namespace pp
