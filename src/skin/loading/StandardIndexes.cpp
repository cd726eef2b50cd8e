#include "skin/loading/LoadedSkin.h"

namespace pp {
namespace {

constexpr const char* CheckGlyphKeys[CheckGlyphCount] = {"BOXCHECKED",   "BOXUNCHECKED",   "BOXGRAYED",
                                                         "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED",
                                                         "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED"};
constexpr const char* TitleGlyphKeys[TitleGlyphCount] = {
    "BICONCLOSE", "BICLOSEALONE", "BICONMAX",  "BICONNORM", "BICONMIN", "BICONHELP",
    "SICONCLOSE", "SICONMAX",     "SICONNORM", "SICONMIN",  "SICONHELP"};
constexpr const char* TabSections[SideCount] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
constexpr const char* ScrollButtonSections[SideCount] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                                                         "SCROLLBTNRIGHT"};
constexpr const char* SliderSections[SliderCount] = {"SCROLLSLIDERV", "SCROLLSLIDERH"};
constexpr const char* TrackSections[ScrollTrackCount] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H",
                                                         "SCROLLBAR2V"};

TsScrollPartIndexes ScrollPart(const TsLoadedSkin& skin, const char* section)
{
    TsScrollPartIndexes part;
    part.SkinIndex = skin.GetSkinIndex(section);
    part.BorderMask = skin.GetMaskIndex(part.SkinIndex, section, "BORDERSMASK");
    if (part.SkinIndex >= 0)
        part.GlyphMask = skin.GetMaskIndex(part.SkinIndex, section, "GLYPHMASK");
    part.Pattern = skin.GetMaskIndex(part.SkinIndex, section, "PATTERN");
    part.HotPattern = skin.GetMaskIndex(part.SkinIndex, section, "HOTPATTERN");
    return part;
}

} // namespace

void TsLoadedSkin::UpdateStandardIndexes()
{
    TsStandardIndexes& c = ConstData;
    c = {};
    c.GlobalSection = GetSkinIndex(GlobalInfoSection);
    const int global = c.GlobalSection;
    auto globalImage = [&](const char* key) { return GetMaskIndex(global, GlobalInfoSection, key); };
    for (int i = 0; i < CheckGlyphCount; ++i)
        c.CheckGlyphs[static_cast<std::size_t>(i)] = globalImage(CheckGlyphKeys[i]);
    c.ExBorder = globalImage("EXBORDER");
    c.GripImage = globalImage("GRIPIMAGE");
    c.GripHorz = globalImage("GRIPHORZ");
    c.GripVert = globalImage("GRIPVERT");

    c.ComboBtnSection = GetSkinIndex("COMBOBTN");
    c.ComboBtnBorder = GetMaskIndexExact("COMBOBTN", "BORDERSMASK");
    c.ComboBtnPattern = GetTextureIndex(c.ComboBtnSection, "COMBOBTN", "PATTERN");
    c.ComboBtnHotPattern = GetTextureIndex(c.ComboBtnSection, "COMBOBTN", "HOTPATTERN");
    c.ComboGlyph = GetMaskIndexExact("COMBOBOX", "GLYPHMASK");

    for (int side = 0; side < SideCount; ++side) {
        TsTabIndexes& tab = c.Tabs[static_cast<std::size_t>(side)];
        tab.SkinIndex = GetSkinIndex(TabSections[side]);
        tab.BorderMask = GetMaskIndex(tab.SkinIndex, TabSections[side], "BORDERSMASK");
        c.ScrollButtons[static_cast<std::size_t>(side)] = ScrollPart(*this, ScrollButtonSections[side]);
    }
    for (int slider = 0; slider < SliderCount; ++slider)
        c.ScrollSliders[static_cast<std::size_t>(slider)] = ScrollPart(*this, SliderSections[slider]);
    for (int i = 0; i < TitleGlyphCount; ++i)
        c.TitleGlyphs[static_cast<std::size_t>(i)] = globalImage(TitleGlyphKeys[i]);
    for (int track = 0; track < ScrollTrackCount; ++track) {
        TsScrollTrackIndexes& t = c.ScrollTracks[static_cast<std::size_t>(track)];
        const char* section = TrackSections[track];
        t.SkinIndex = GetSkinIndex(section);
        t.BorderMask = GetMaskIndex(t.SkinIndex, section, "BORDERSMASK");
        t.Pattern = GetMaskIndex(t.SkinIndex, section, "PATTERN");
        t.HotPattern = GetMaskIndex(t.SkinIndex, section, "HOTPATTERN");
    }
    c.WebButtonSection = GetSkinIndex("WEBBUTTON");
}

} // namespace pp
