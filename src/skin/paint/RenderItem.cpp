#include "skin/paint/RenderItem.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/ItemBackground.h"
#include "skin/paint/ItemState.h"
#include "skin/paint/MaskImage.h"
#include "skin/pixels/ColorOps.h"
#include "skin/pixels/PixelMath.h"

namespace pp {
namespace {

bool CanPaint(const TsLoadedSkin& skin, int sectionIndex, const TBitmap& target, const TRect& r)
{
    return skin.IsValidSkinIndex(sectionIndex) && Is32Bit(target) && !r.IsEmpty() && r.Left >= 0 &&
           r.Top >= 0 && r.Right <= target.Width() && r.Bottom <= target.Height();
}

BackdropInfo Shifted(BackdropInfo backdrop, TPoint offset)
{
    backdrop.OffsetX += offset.X;
    backdrop.OffsetY += offset.Y;
    return backdrop;
}

// The corner ornaments over what is already painted; their key pixels keep it.
void DrawCornerImages(const TsLoadedSkin& skin, const TsGeneralData& section, TBitmap& target, const TRect& r,
                      int state)
{
    const BackdropInfo self = BackdropFromBitmap(&target, 0, 0);
    const auto draw = [&](int index, bool right, bool bottom) {
        const std::optional<TSkinImage> image = SkinImageAt(skin, index);
        if (!image)
            return;
        const TPoint at{right ? r.Right - image->StateWidth() : r.Left,
                        bottom ? r.Bottom - image->StateHeight() : r.Top};
        DrawMaskImage(target, at, state, self, *image, mmNormal);
    };
    draw(section.ImgTL, false, false);
    draw(section.ImgTR, true, false);
    draw(section.ImgBL, false, true);
    draw(section.ImgBR, true, true);
}

// Answers whether the border was drawn.
bool DrawBorder(const TsLoadedSkin& skin, int borderIndex, TBitmap& target, const TRect& r, bool fillCorners,
                int state, const BackdropInfo& backdrop, TScaledPieceCache* scaledPieces)
{
    const std::optional<TSkinImage> border = SkinImageAt(skin, borderIndex);
    if (!border || (state == 0 && (border->DrawMode & dmHiddenInState0)))
        return false;
    DrawBorderMask(target, r, fillCorners, state, *border, backdrop, scaledPieces);
    return true;
}

std::uint32_t RotateHuePixel(int degrees, std::uint32_t pixel) { return RotateHue(degrees, pixel); }
std::uint32_t SaturatePixel(int amount, std::uint32_t pixel) { return AdjustSaturation(amount, pixel); }

void ApplyInRect(TBitmap& target, const TRect& r, TPixelColorFunction fn, int argument)
{
    ForEachPixelIn(target, r, [&](TBGRA& p) {
        const std::uint32_t v = PixelValue(p);
        if (v != clKeyColor)
            p = PixelFromValue(fn(argument, v));
    });
}

void ApplyColorChanges(const TsItemBinding& binding, TBitmap& target, const TRect& r)
{
    if (binding.HueOffset != 0)
        ApplyInRect(target, r, RotateHuePixel, binding.HueOffset);
    if (binding.Saturation != 0)
        ApplyInRect(target, r, SaturatePixel, binding.Saturation);
}

// What differs between the ways of painting an item.
struct TItemParts {
    int BorderIndex = -1;
    TColor CustomColor = clKeyColor;
    int Texture = -1;
    int HotTexture = -1;
    bool FillCorners = true;
    bool CornerImages = true;
    TScaledPieceCache* ScaledPieces = nullptr;
};

// Answers whether the border was drawn.
bool PaintItem(const TsLoadedSkin& skin, int sectionIndex, const TItemParts& parts,
               const BackdropInfo& backdrop, TBitmap& target, TPoint offset, const TRect& r, int sectionState)
{
    RenderItemBackground(skin, sectionIndex, backdrop, parts.CustomColor, parts.Texture, parts.HotTexture,
                         target, offset, r, sectionState);
    if (parts.CornerImages)
        DrawCornerImages(skin, skin.Sections()[static_cast<std::size_t>(sectionIndex)], target, r,
                         sectionState);
    return DrawBorder(skin, parts.BorderIndex, target, r, parts.FillCorners, sectionState,
                      Shifted(backdrop, offset), parts.ScaledPieces);
}

const TsGeneralData& SectionAt(const TsLoadedSkin& skin, int sectionIndex)
{
    return skin.Sections()[static_cast<std::size_t>(sectionIndex)];
}

// A section given by index: its own border image, corners filled.
void PaintSectionItem(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop, int texture,
                      int hotTexture, TBitmap& target, TPoint offset, const TRect& r, int state,
                      bool cornerImages)
{
    if (!CanPaint(skin, sectionIndex, target, r))
        return;
    const TsGeneralData& section = SectionAt(skin, sectionIndex);
    const TItemParts parts{section.BorderMaskIndex, clKeyColor, texture, hotTexture, true, cornerImages};
    PaintItem(skin, sectionIndex, parts, backdrop, target, offset, r, SectionState(section, state));
}

} // namespace

void RenderItem(const TsItemBinding& binding, const BackdropInfo& backdrop, bool fillCorners, TBitmap& target,
                TPoint offset, const TRect& r, int state)
{
    if (binding.Skin == nullptr || !CanPaint(*binding.Skin, binding.SectionIndex, target, r))
        return;
    const TsGeneralData& section = SectionAt(*binding.Skin, binding.SectionIndex);
    const int s = SectionState(section, state);
    const TItemParts parts{binding.BorderImageIndex, binding.CustomColor, binding.PatternIndex,
                           binding.HotPatternIndex,  fillCorners,         true,
                           binding.ScaledPieces};
    const bool bordered = PaintItem(*binding.Skin, binding.SectionIndex, parts, backdrop, target, offset, r,
                                    s);
    if (!bordered && StateProps(section, s).Transparency != 0)
        return;
    ApplyColorChanges(binding, target, r);
}

void RenderItemBySection(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop,
                         int texture, int hotTexture, TBitmap& target, TPoint offset, const TRect& r,
                         int state)
{
    PaintSectionItem(skin, sectionIndex, backdrop, texture, hotTexture, target, offset, r, state, true);
}

void RenderItemBySectionHot(const TsLoadedSkin& skin, int sectionIndex, const BackdropInfo& backdrop,
                            int texture, int hotTexture, TBitmap& target, TPoint offset, const TRect& r,
                            bool hot)
{
    PaintSectionItem(skin, sectionIndex, backdrop, texture, hotTexture, target, offset, r, hot ? 1 : 0,
                     false);
}

} // namespace pp
