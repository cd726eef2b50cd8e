#include "skin/forms/SkinnedHint.h"

#include "skin/forms/HintSystemFont.h"
#include "skin/forms/sHintManager.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/pixels/Fills.h"
#include "toolkit/Canvas.h"
#include "win/Handles.h"

namespace pp {

namespace {

constexpr UINT SkinnedTextFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK;

TRect TextRect(TSize size, const THintBorders& borders)
{
    return {borders.Left + SkinnedHintAir, borders.Top + SkinnedHintAir,
            size.Width - borders.Right - SkinnedHintAir, size.Height - borders.Bottom - SkinnedHintAir};
}

void Resize(TBitmap& image, TSize size)
{
    if (image.Width() != size.Width || image.Height() != size.Height)
        image = TBitmap(size.Width, size.Height);
}

} // namespace

std::optional<TSkinnedHintSection> SkinnedHintSection(const TsHintManager& manager)
{
    TsSkinManager* skins = SkinEngine.DefaultManager;
    if (!manager.SkinnedMode() || !skins)
        return std::nullopt;
    TSkinnedHintSection section;
    section.Skin = &skins->Skin();
    section.Index = skins->GetSkinIndex(manager.SkinSection());
    const TsGeneralData& data = section.Skin->Sections().at(static_cast<std::size_t>(section.Index));
    section.Texture = skins->GetTextureIndex(section.Index, manager.SkinSection(), "PATTERN");
    const int mask = data.BorderMaskIndex;
    section.HasBorderImage = skins->IsValidImgIndex(mask);
    if (section.HasBorderImage)
        section.Borders = {skins->MaskWidthLeft(mask), skins->MaskWidthTop(mask), skins->MaskWidthRight(mask),
                           skins->MaskWidthBottom(mask)};
    section.FullyTransparent = data.Props[0].Transparency >= 100;
    return section;
}

TSize SkinnedHintSize(const TSkinnedHintSection& section, const std::string& text)
{
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    TCanvas canvas(dc.Get());
    AssignSystemHintFont(canvas.Font);
    TRect measured{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    canvas.DrawText(text, measured, DT_CALCRECT | SkinnedTextFormat | DT_NOPREFIX);
    return SkinnedHintWindowSize({measured.Width(), measured.Height()}, section.Borders);
}

void BuildSkinnedHintImages(THintImages& images, TSize size, const TSkinnedHintSection& section,
                            const std::string& text)
{
    if (size.Width <= 0 || size.Height <= 0)
        return;
    for (TBitmap* image : {&images.Body, &images.Mask, &images.Work, &images.Layered})
        Resize(*image, size);
    BackdropInfo keyed;
    keyed.BackColor = clKeyColor;
    RenderItemBySectionHot(*section.Skin, section.Index, keyed, section.Texture, -1, images.Body, {0, 0},
                           images.Body.Bounds(), false);
    MaskWithoutKeyColor(images.Mask, images.Body);
    FillPixels32(images.Work, images.Work.Bounds(), clWhite, 255);
    {
        TBitmapCanvas canvas(images.Body);
        AssignSystemHintFont(canvas.Font);
        DrawSectionText(canvas, text, true, section.Skin, false, section.Index, SkinnedTextFormat,
                        TextRect(size, section.Borders));
    }
    if (section.FullyTransparent && section.HasBorderImage)
        images.Layered = images.Body;
    else
        ComposeHintLayers(images.Layered, images.Body, images.Mask, images.Work);
}

} // namespace pp
