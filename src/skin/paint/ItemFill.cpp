#include "skin/paint/ItemFill.h"

#include "skin/paint/DrawTexture.h"
#include "skin/paint/TileImage.h"
#include "skin/pixels/Blend.h"
#include "skin/pixels/Fills.h"

#include <algorithm>

namespace pp {
namespace {

bool GradientPaints(const TItemFill& fill)
{
    if (fill.Gradient == nullptr || fill.Gradient->empty())
        return false;
    const int mode = (*fill.Gradient)[0].Mode;
    return mode == gmVertical || mode == gmHorizontal || mode == gmTriangles;
}

bool TexturedGradientFits(const TItemFill& fill)
{
    const int g = fill.GradientPercent, m = fill.ImagePercent;
    return g + m == 100 && g >= 1 && g <= 99 && m >= 1 && m <= 99 && fill.Texture &&
           fill.Texture->Placement() == tpTile && GradientPaints(fill) &&
           (*fill.Gradient)[0].Mode != gmTriangles;
}

void PaintGradientOrColor(TBitmap& target, const TRect& r, const TItemFill& fill)
{
    if (GradientPaints(fill))
        DrawGradientFill(target, r, *fill.Gradient);
    else
        FillPixels32(target, r, fill.Color, 0xFF);
}

// Answers whether a texture was drawn.
bool PaintTexture(TBitmap& target, const TRect& r, const TItemFill& fill, const BackdropInfo& backdrop)
{
    if (fill.ImagePercent <= 0)
        return false;
    if (fill.ExternalTexture) {
        TileImage(target, r, *fill.ExternalTexture);
        return true;
    }
    if (!fill.Texture)
        return false;
    if (const std::optional<TRect> uncovered = DrawTexture(target, r, *fill.Texture, backdrop))
        FillPixels32(target, *uncovered, fill.Color, 0xFF);
    return true;
}

void LayGradientOverTexture(TBitmap& target, const TRect& r, const TItemFill& fill)
{
    TBitmap scratch(r.Width(), r.Height());
    PaintGradientOrColor(scratch, scratch.Bounds(), fill);
    const int textureWeight = std::clamp(fill.ImagePercent * 255 / 100, 0, 255);
    BlendRectangle(target, scratch, textureWeight, {r.Left, r.Top}, scratch.Bounds());
}

} // namespace

void ComposeItemFill(TBitmap& target, const TRect& r, const TItemFill& fill, const BackdropInfo& backdrop)
{
    if (TexturedGradientFits(fill)) {
        const TSkinImage& texture = *fill.Texture;
        const TPoint o = texture.StateOrigin(0);
        const TRect tile{o.X, o.Y, o.X + texture.StateWidth(), o.Y + texture.StateHeight()};
        DrawTexturedGradient(target, r, *fill.Gradient, fill.ImagePercent * 255 / 100, tile, *texture.Source);
        return;
    }
    const bool textured = PaintTexture(target, r, fill, backdrop);
    if (fill.GradientPercent > 0) {
        if (textured)
            LayGradientOverTexture(target, r, fill);
        else
            PaintGradientOrColor(target, r, fill);
    }
    const int shares = fill.GradientPercent + fill.ImagePercent;
    if (shares == 0)
        FillPixels32(target, r, fill.Color, 0xFF);
    else if (shares < 100)
        FadeRectToColor(target, r, shares, fill.Color);
}

} // namespace pp
