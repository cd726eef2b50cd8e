#include "skin/loading/SkinRecolor.h"

#include "skin/pixels/ColorOps.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <array>

namespace pp {
namespace {

// Entries of the colour table that follow the skin's hue and saturation;
// the top colour and the signal colours (ok, warning, alert, headings) keep
// the colours the skin gives them.
constexpr std::array<TsSkinColor, 14> RecoloredTableEntries = {
    scGlobalColor,     scGlobalFontColor, scBottomColor,       scEditText,         scEditColor,
    scSelectionColor,  scSelectionText,   scHotSelectionColor, scHotSelectionText, scEditBgInverse,
    scEditTextInverse, scEditBgOdd,       scEditBgEven,        scBorderColor};

// One colour step: a function on pixel-order values and its argument.
struct TColorStep {
    TPixelColorFunction OnPixels;
    int Argument;

    TColor Apply(TColor color) const { return SwapChannelOrder(OnPixels(Argument, SwapChannelOrder(color))); }
    // Font colours of -1 mean "no contour on that side" and must stay so.
    TColor ApplyToFontColor(TColor color) const { return color == TColor(-1) ? color : Apply(color); }
};

// The colours a state keeps as read (its raw copy) and as shown.
void RecolorStateColors(TsGenState& state, const TColorStep& step)
{
    state.Color = step.Apply(state.Color);
    state.GlowColor = step.Apply(state.GlowColor);
    for (TColor& font : state.FontColor)
        font = step.ApplyToFontColor(font);
}

void RecolorSections(TsLoadedSkin& skin, const TColorStep& step)
{
    for (int i = 0; i < static_cast<int>(skin.Sections().size()); ++i) {
        TsGeneralData& section = skin.SectionAt(i);
        for (TsGenState& raw : section.RawProps)
            RecolorStateColors(raw, step);
        for (TsGenState& state : section.Props) {
            RecolorStateColors(state, step);
            for (TsGradSegment& segment : state.GradientArray) {
                segment.ColorFrom = step.Apply(segment.ColorFrom);
                segment.ColorTo = step.Apply(segment.ColorTo);
            }
        }
    }
}

void RecolorColorValues(TsLoadedSkin& skin, const TColorStep& step)
{
    RecolorSections(skin, step);
    skin.SkinData.Shadow1Color = step.Apply(skin.SkinData.Shadow1Color);
    for (TsSkinColor entry : RecoloredTableEntries)
        skin.Colors[entry] = step.Apply(skin.Colors[entry]);
}

// Rectangles of the master bitmap that hold kept glyphs; glyphs with a
// bitmap of their own are simply not recoloured.
struct TKeptGlyphs {
    std::vector<TRect> MasterRects;
    std::vector<int> OwnBitmapMasks;
};

TKeptGlyphs FindKeptGlyphs(const TsLoadedSkin& skin)
{
    TKeptGlyphs kept;
    for (const std::string& name : HueKeptGlyphNames(skin.SkinData.BIKeepHue)) {
        for (const std::string& key : {name, name + "GLOW0"}) {
            const int index = skin.GetMaskIndexExact(GlobalInfoSection, key);
            if (!skin.IsValidImgIndex(index))
                continue;
            const TsMaskData& mask = skin.Masks()[static_cast<std::size_t>(index)];
            if (mask.OwnBitmap)
                kept.OwnBitmapMasks.push_back(index);
            else
                kept.MasterRects.push_back(mask.SourceRect);
        }
    }
    return kept;
}

void CopyRect(const TBitmap& from, TBitmap& to, const TRect& rect)
{
    const TRect r = ClipToBitmap(rect, to);
    if (r.IsEmpty() || !Is32Bit(from) || !Is32Bit(to))
        return;
    for (int y = r.Top; y < r.Bottom; ++y)
        std::copy(from.Row32(y) + r.Left, from.Row32(y) + r.Right, to.Row32(y) + r.Left);
}

void RecolorImages(TsLoadedSkin& skin, const TColorStep& step, const TKeptGlyphs& kept)
{
    if (!skin.MasterBitmap.Empty()) {
        const TBitmap original = kept.MasterRects.empty() ? TBitmap() : skin.MasterBitmap;
        ApplyToPixels(skin.MasterBitmap, step.OnPixels, step.Argument, clKeyColor);
        for (const TRect& rect : kept.MasterRects)
            CopyRect(original, skin.MasterBitmap, rect);
    }
    for (int i = 0; i < static_cast<int>(skin.Masks().size()); ++i) {
        TsMaskData& mask = skin.MaskAt(i);
        const bool keptGlyph = std::ranges::find(kept.OwnBitmapMasks, i) != kept.OwnBitmapMasks.end();
        if (mask.OwnBitmap && !keptGlyph)
            ApplyToPixels(*mask.OwnBitmap, step.OnPixels, step.Argument, clKeyColor);
    }
}

} // namespace

std::vector<std::string> HueKeptGlyphNames(int keepHue)
{
    if (keepHue <= 0)
        return {};
    if (keepHue == 1)
        return {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE", "BICONMAX", "BICONMIN",
                "BICONNORM",  "BICONHELP",    "SICONMAX",   "SICONMIN", "SICONNORM"};
    return {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
}

void RecolorSkin(TsLoadedSkin& skin, int hueOffset, int saturation)
{
    if (hueOffset != 0) {
        const TColorStep hue{RotateHue, hueOffset};
        RecolorImages(skin, hue, FindKeptGlyphs(skin));
        RecolorColorValues(skin, hue);
    }
    const int amount = saturation % 101;
    if (amount != 0) {
        const TColorStep saturate{AdjustSaturation, amount};
        RecolorImages(skin, saturate, {});
        RecolorColorValues(skin, saturate);
    }
}

} // namespace pp
