#include "skin/paint/BorderMask.h"

#include "skin/paint/BorderPieces.h"
#include "skin/paint/PiecePainter.h"
#include "skin/pixels/Resample.h"

#include <algorithm>
#include <cstring>

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
};

TSize SizeOf(const TRect& r) { return {r.Width(), r.Height()}; }

TBitmap CopyOut(const TBitmap& source, const TRect& r)
{
    TBitmap part(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(part.Row32(y), source.Row32(r.Top + y) + r.Left, std::size_t(r.Width()) * sizeof(TBGRA));
    return part;
}

// Kernel resampling of a masked piece: the image and its mask are scaled
// apart and then read pixel for pixel.
struct TResampledPiece {
    TBitmap Image;
    TBitmap Mask;
    TPieceMap Map;
};

void Resample(const TBorderJob& job, const TBorderPiece& piece, int filter, TResampledPiece& out)
{
    const TSize size = SizeOf(piece.Dest);
    const TRect maskSource = piece.Source.Offset(0, job.Image.StateHeight());
    ResampleBitmap(CopyOut(*job.Image.Source, piece.Source), out.Image, size.Width, filter, size.Height);
    ResampleBitmap(CopyOut(*job.Image.Source, maskSource), out.Mask, size.Width, filter, size.Height);
    out.Map = DirectMap({0, 0, size.Width, size.Height}, size);
    out.Map.Image = &out.Image;
    out.Map.Mask = &out.Mask;
}

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

bool IsFlatCentre(const TBorderPiece& piece)
{
    return piece.Kind == TPieceKind::Centre && piece.Source.Width() == 1 && piece.Source.Height() == 1;
}

TPieceMap SkinPieceMap(const TBorderJob& job, const TBorderPiece& piece)
{
    const TSize size = SizeOf(piece.Dest);
    TPieceMap map;
    if (piece.Kind == TPieceKind::Corner)
        map = DirectMap(piece.Source, size);
    else if (IsFlatCentre(piece))
        map = FlatMap({piece.Source.Left, piece.Source.Top}, size);
    else if (job.Image.DrawMode & dmStretchSides)
        map = StretchedMap(piece.Source, size);
    else
        map = TiledMap(piece.Source, size);
    map.Image = job.Image.Source;
    if (job.Image.HasMask()) {
        map.Mask = job.Image.Source;
        map.MaskDy = job.Image.StateHeight();
    }
    return map;
}

template <typename Blend>
void Paint(const TBorderJob& job, const TBorderPiece& piece, const TPieceMap& map, Blend blend, TKeyAction key)
{
    PaintPiece(job.Target, {piece.Dest.Left, piece.Dest.Top}, map, blend, key, job.Backdrop, job.Area);
}

void PaintKeyColourPiece(const TBorderJob& job, const TBorderPiece& piece)
{
    const TKeyAction key = piece.Kind == TPieceKind::Corner
                               ? CornerKeyAction(job.FillCorners, job.Image.CornerKey, job.Backdrop, TKeyAction::Leave)
                               : TKeyAction::Draw;
    Paint(job, piece, SkinPieceMap(job, piece), TCopyOpaque{}, key);
}

void PaintMaskedPiece(const TBorderJob& job, const TBorderPiece& piece)
{
    const TKeyAction unfilled = job.Backdrop.HasImage ? TKeyAction::Draw : TKeyAction::Leave;
    const TKeyAction key = piece.Kind == TPieceKind::Corner
                               ? CornerKeyAction(job.FillCorners, job.Image.CornerKey, job.Backdrop, unfilled)
                               : TKeyAction::Draw;
    TResampledPiece resampled;
    const bool stretched = job.Image.DrawMode & dmStretchSides;
    const TPieceMap* map = nullptr;
    TPieceMap skinMap;
    if (piece.Kind != TPieceKind::Corner && stretched && !IsFlatCentre(piece) && TakesKernel(piece)) {
        const bool hermite = job.Composite == TComposite::KeepAlpha && piece.BottomSide;
        Resample(job, piece, hermite ? rfHermite : rfMitchell, resampled);
        map = &resampled.Map;
    } else {
        skinMap = SkinPieceMap(job, piece);
        map = &skinMap;
    }
    // A flat centre whose mask is white leaves the centre as it is.
    if (IsFlatCentre(piece) && map->Mask->Row32(map->Rows[0] + map->MaskDy)[map->Columns[0]].R == 0xFF)
        return;
    if (job.Composite == TComposite::KeepAlpha)
        Paint(job, piece, *map, TThroughMaskKeepingAlpha{}, key);
    else
        Paint(job, piece, *map, TThroughMask{}, key);
}

void DrawBorder(const TBorderJob& job, int state)
{
    const TSkinImage& image = job.Image;
    const TRect& r = job.Area;
    if ((state <= 0 && (image.DrawMode & dmHiddenInState0)) || r.Width() < 2 || r.Height() < 2 ||
        image.Source == nullptr)
        return;
    const TSize stateSize{image.StateWidth(), image.StateHeight()};
    const TBorderWidths widths = FitBorders({std::max(0, image.Left), std::max(0, image.Top),
                                             std::max(0, image.Right), std::max(0, image.Bottom)},
                                            r.Width(), r.Height());
    if (stateSize.Width <= 0 || stateSize.Height <= 0 || stateSize.Width - widths.Left - widths.Right < 0 ||
        stateSize.Height - widths.Top - widths.Bottom < 0)
        return;
    const TBorderPieces pieces =
        BorderPieces(r, image.StateOrigin(state), stateSize, widths, (image.DrawMode & dmPaintCentre) != 0);
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
                    const BackdropInfo& backdrop)
{
    DrawBorder({target, r, fillCorners, image, backdrop, TComposite::Opaque}, state);
}

void DrawBorderMaskKeepingAlpha(TBitmap& target, const TRect& r, bool fillCorners, int state,
                                const TSkinImage& image, const BackdropInfo& backdrop)
{
    DrawBorder({target, r, fillCorners, image, backdrop, TComposite::KeepAlpha}, state);
}

} // namespace pp
