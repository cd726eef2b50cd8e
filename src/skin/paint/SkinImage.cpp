#include "skin/paint/SkinImage.h"

#include <algorithm>
#include <cstdint>

namespace pp {

// Counts come from skin files and may be anything: divided in 64 bits.
int TSkinImage::StateWidth() const
{
    if (StateCount <= 0)
        return 0;
    return static_cast<int>(std::int64_t(Rect.Width()) / StateCount);
}

int TSkinImage::StateHeight() const
{
    if (MaskKind < 0)
        return 0;
    return static_cast<int>(std::int64_t(Rect.Height()) / (std::int64_t(MaskKind) + 1));
}

int TSkinImage::ClampState(int state) const { return std::max(0, std::min(state, StateCount - 1)); }

TPoint TSkinImage::StateOrigin(int state) const
{
    return {Rect.Left + ClampState(state) * StateWidth(), Rect.Top};
}

TPoint TSkinImage::MaskOrigin(int state) const
{
    const TPoint image = StateOrigin(state);
    return {image.X, image.Y + StateHeight()};
}

TTexturePlacement TSkinImage::Placement() const
{
    switch (DrawMode) {
    case tpTile:
    case tpStretch:
    case tpTileTop:
    case tpTileLeft:
    case tpStretchTop:
    case tpStretchLeft:
    case tpTileBottom:
    case tpTileRight:
    case tpWholeTiles: return TTexturePlacement(DrawMode);
    default: return tpTileRight;
    }
}

std::optional<TSkinImage> SkinImageAt(const TsLoadedSkin& skin, int index)
{
    if (!skin.IsValidImgIndex(index))
        return std::nullopt;
    const TsMaskData& mask = skin.Masks()[static_cast<std::size_t>(index)];
    const TBitmap* source = mask.OwnBitmap ? mask.OwnBitmap.get() : &skin.MasterBitmap;
    const TRect& r = mask.SourceRect;
    const bool inside = r.Left >= 0 && r.Top >= 0 && r.Right >= r.Left && r.Bottom >= r.Top &&
                        r.Right <= source->Width() && r.Bottom <= source->Height();
    if (source->Format() != TPixelFormat::pf32bit || source->Empty() || !inside)
        return std::nullopt;
    TSkinImage image;
    image.Source = source;
    image.Rect = r;
    image.StateCount = mask.FrameCount;
    image.MaskKind = mask.MaskBands;
    image.DrawMode = mask.DrawFlags;
    image.Left = mask.LeftWidth;
    image.Top = mask.TopWidth;
    image.Right = mask.RightWidth;
    image.Bottom = mask.BottomWidth;
    image.CornerKey = mask.CornerFlag;
    return image;
}

TMaskImageView MaskImageViewOf(const TSkinImage& image)
{
    TMaskImageView view;
    view.Image = image.Source;
    view.SourceRect = image.Rect;
    view.FrameCount = image.StateCount;
    view.MaskBands = image.MaskKind;
    view.LeftWidth = image.Left;
    view.TopWidth = image.Top;
    view.RightWidth = image.Right;
    view.BottomWidth = image.Bottom;
    return view;
}

} // namespace pp
