#include "skin/paint/PopupBackground.h"

#include "skin/paint/RenderItem.h"
#include "skin/paint/SkinImage.h"

#include <algorithm>

namespace pp {
namespace {

constexpr int FallbackBorderWidth = 3;

BackdropInfo NoBackdrop()
{
    BackdropInfo none;
    none.BackColor = clKeyColor;
    return none;
}

void PaintIconColumn(const TsLoadedSkin& skin, TBitmap& image, const TPopupBackgroundLook& look, int border)
{
    if (look.IconColumnSection.empty() || look.IconColumnWidth <= 0)
        return;
    const int section = skin.GetSkinIndex(look.IconColumnSection);
    if (section < 0)
        return;
    const TRect strip = TRect::FromBounds(look.ExtraLine + border, border, look.IconColumnWidth,
                                          image.Height() - 2 * border);
    if (strip.IsEmpty() || strip.Right > image.Width())
        return;
    RenderItemBySection(skin, section, NoBackdrop(), -1, -1, image, {0, 0}, strip, 0);
}

void PaintExtraLine(const TsLoadedSkin& skin, TBitmap& image, const TPopupBackgroundLook& look, int border)
{
    const TRect strip = ExtraLineStrip(image.Size(), look.ExtraLine, border);
    const int section = skin.GetSkinIndex(look.ExtraLineSection);
    if (section < 0 || strip.IsEmpty())
        return;
    RenderItemBySection(skin, section, NoBackdrop(), -1, -1, image, {0, 0}, strip, 0);
}

} // namespace

TRect ExtraLineStrip(TSize size, int extraLine, int skinBorderWidth)
{
    if (extraLine <= 0)
        return {};
    TRect strip = TRect::FromBounds(skinBorderWidth, skinBorderWidth, extraLine,
                                    size.Height - 2 * skinBorderWidth);
    strip.Right = std::min(strip.Right, size.Width - skinBorderWidth);
    return strip.IsEmpty() ? TRect{} : strip;
}

int MenuSkinBorderWidth(const TsLoadedSkin& skin)
{
    const int section = skin.GetSkinIndex("MAINMENU");
    if (section < 0)
        return 0;
    const int mask = skin.GetMaskIndex(section, "MAINMENU", "BORDERSMASK");
    const std::optional<TSkinImage> image = SkinImageAt(skin, mask);
    if (!image)
        return 0;
    return image->Left > 0 ? image->Left : FallbackBorderWidth;
}

TAOR PopupCutouts(const TsLoadedSkin& skin, TSize size)
{
    TAOR cutouts;
    const int section = skin.GetSkinIndex("MAINMENU");
    if (section < 0)
        return cutouts;
    const std::optional<TSkinImage> border = SkinImageAt(
        skin, skin.GetMaskIndex(section, "MAINMENU", "BORDERSMASK"));
    if (!border)
        return cutouts;
    CornerCutouts(cutouts, size.Width, MaskImageViewOf(*border), false, 0);
    CornerCutouts(cutouts, size.Width, MaskImageViewOf(*border), true, size.Height - border->Bottom);
    return cutouts;
}

TBitmap BuildPopupBackground(const TsLoadedSkin& skin, TSize size, const TPopupBackgroundLook& look)
{
    TBitmap image(size.Width, size.Height);
    image.Fill(PixelFromColor(clKeyColor));
    const int section = skin.GetSkinIndex("MAINMENU");
    if (section < 0 || image.Empty())
        return image;
    RenderItemBySection(skin, section, NoBackdrop(), -1, -1, image, {0, 0}, image.Bounds(), 0);
    const int border = MenuSkinBorderWidth(skin);
    PaintIconColumn(skin, image, look, border);
    PaintExtraLine(skin, image, look, border);
    return image;
}

} // namespace pp
