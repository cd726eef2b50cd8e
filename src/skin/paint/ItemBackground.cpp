#include "skin/paint/ItemBackground.h"

#include "skin/paint/BackdropFill.h"
#include "skin/paint/DrawTexture.h"
#include "skin/paint/ItemFill.h"
#include "skin/paint/ItemState.h"
#include "skin/pixels/Blend.h"
#include "skin/pixels/ColorOps.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {
namespace {

struct TBackgroundPlan {
    TItemFill Fill;
    int Transparency = 0;
    int TextureIndex = -1; // the texture looked for, masked or not
};

int ChosenTextureIndex(const TsLoadedSkin& skin, int sectionIndex, const TsGenState& props, int texture)
{
    if (skin.IsValidImgIndex(texture))
        return texture;
    if (skin.IsValidImgIndex(props.TextureIndex))
        return props.TextureIndex;
    const TsGeneralData& section = skin.Sections()[static_cast<std::size_t>(sectionIndex)];
    return skin.GetMaskIndex(sectionIndex, section.SectionName, "PATTERN");
}

const TBitmap* ExternalTexture(const TsLoadedSkin& skin, int sectionIndex)
{
    const TsGeneralData& section = skin.Sections()[static_cast<std::size_t>(sectionIndex)];
    const int index = skin.GetPatternIndex(sectionIndex, section.SectionName, "PATTERN");
    if (index < 0 || static_cast<std::size_t>(index) >= skin.Patterns().size())
        return nullptr;
    const TBitmap* image = skin.Patterns()[static_cast<std::size_t>(index)].Img.get();
    return image && !image->Empty() ? image : nullptr;
}

// Without a texture to show, the image share goes to the colour.
void FindTexture(TBackgroundPlan& plan, const TsLoadedSkin& skin, int sectionIndex, const TsGenState& props,
                 int texture)
{
    plan.TextureIndex = ChosenTextureIndex(skin, sectionIndex, props, texture);
    const std::optional<TSkinImage> image = SkinImageAt(skin, plan.TextureIndex);
    if (image && !image->HasMask())
        plan.Fill.Texture = image;
    else
        plan.Fill.ExternalTexture = ExternalTexture(skin, sectionIndex);
    if (!plan.Fill.Texture && !plan.Fill.ExternalTexture)
        plan.Fill.ImagePercent = 0;
}

TBackgroundPlan PlanBackground(const TsLoadedSkin& skin, int sectionIndex, int state, TColor customColor,
                               int texture)
{
    const TsGeneralData& section = skin.Sections()[static_cast<std::size_t>(sectionIndex)];
    const TsGenState& props = StateProps(section, state);
    TBackgroundPlan plan;
    plan.TextureIndex = texture;
    if (customColor != clKeyColor) {
        plan.Fill.Color = ColorToRGB(customColor);
        return plan;
    }
    plan.Fill.Color = ColorToRGB(props.Color);
    plan.Transparency = std::clamp(props.Transparency, 0, 100);
    if (plan.Transparency == 100)
        return plan;
    plan.Fill.GradientPercent = std::clamp(props.GradientPercent, 0, 100);
    plan.Fill.ImagePercent = std::clamp(props.ImagePercent, 0, 100);
    plan.Fill.Gradient = &props.GradientArray;
    if (plan.Fill.ImagePercent > 0)
        FindTexture(plan, skin, sectionIndex, props, texture);
    return plan;
}

// Part of the parent shows through: the fill is made apart and mixed over
// what lies behind, or, with neither a parent image nor a fill of more than
// a colour, the colours are mixed.
void PaintTranslucent(TBitmap& target, const TRect& r, const TBackgroundPlan& plan,
                      const BackdropInfo& backdrop)
{
    const bool parentImage = backdrop.HasImage && backdrop.Image != nullptr;
    if (!parentImage && plan.Fill.GradientPercent + plan.Fill.ImagePercent == 0) {
        const TColor mixed = BlendColors(ColorToRGB(backdrop.BackColor), plan.Fill.Color,
                                         plan.Transparency / 100.0);
        FillPixels32(target, r, mixed, 0xFF);
        return;
    }
    TBitmap scratch(r.Width(), r.Height());
    const BackdropInfo scratchBackdrop = [&] {
        BackdropInfo b = backdrop;
        b.OffsetX += r.Left;
        b.OffsetY += r.Top;
        return b;
    }();
    ComposeItemFill(scratch, scratch.Bounds(), plan.Fill, scratchBackdrop);
    FillWithBackdrop(target, r, backdrop, {0, 0});
    BlendRectangle(target, scratch, RoundHalfEven(plan.Transparency * 2.55), {r.Left, r.Top},
                   scratch.Bounds());
}

void LayMaskedWholeTiles(TBitmap& target, const TRect& r, const TsLoadedSkin& skin, int textureIndex,
                         const BackdropInfo& backdrop)
{
    const std::optional<TSkinImage> image = SkinImageAt(skin, textureIndex);
    if (image && image->HasMask() && image->DrawMode == tpWholeTiles)
        DrawTexture(target, r, *image, backdrop);
}

bool InsideTarget(const TRect& r, const TBitmap& target)
{
    return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= target.Width() &&
           r.Bottom <= target.Height();
}

} // namespace

void RenderItemBackground(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop,
                          TColor customColor, int texture, int hotTexture, TBitmap& target, TPoint offset,
                          const TRect& r, int state)
{
    if (!skin.IsValidSkinIndex(sectionIndex) || !Is32Bit(target) || !InsideTarget(r, target))
        return;
    const int s = SectionState(skin.Sections()[static_cast<std::size_t>(sectionIndex)], state);
    const TBackgroundPlan plan = PlanBackground(skin, sectionIndex, s, customColor, texture);
    BackdropInfo behind = backdrop;
    behind.OffsetX += offset.X;
    behind.OffsetY += offset.Y;
    if (OffersBackdrop(behind) && plan.Transparency > 0) {
        if (plan.Transparency == 100)
            FillWithBackdrop(target, r, behind, {0, 0});
        else
            PaintTranslucent(target, r, plan, behind);
    } else {
        ComposeItemFill(target, r, plan.Fill, behind);
    }
    if (s == 0)
        LayMaskedWholeTiles(target, r, skin, plan.TextureIndex >= 0 ? plan.TextureIndex : hotTexture, behind);
}

} // namespace pp
