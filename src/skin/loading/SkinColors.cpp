#include "skin/loading/SkinColors.h"

#include "skin/loading/OptionValues.h"
#include "skin/loading/SkinData.h"
#include "skin/pixels/ColorOps.h"

namespace pp {
namespace {

constexpr int SystemHighlight = 13;
constexpr int SystemHighlightText = 14;

TColor SystemColor(int index) { return ResolveSystemColor(SystemColorFlag | static_cast<TColor>(index)); }

const TsGeneralData* Section(const TsGeneralDataArray& sections, std::string_view name)
{
    const int index = FindSectionIndex(sections, name);
    return index < 0 ? nullptr : &sections[static_cast<std::size_t>(index)];
}

bool IsUnsetText(TColor c) { return c == static_cast<TColor>(NoColorValue) || c == clKeyColor; }

void ReadEditColors(const TsGeneralDataArray& sections, TsSkinColors& colors)
{
    const TsGeneralData* edit = Section(sections, "EDIT");
    colors[scEditText] = edit ? OptionColorToRGB(static_cast<std::int32_t>(edit->Props[0].FontColor[fcMain]))
                              : ResolveSystemColor(clWindowText);
    colors[scEditColor] = edit ? OptionColorToRGB(static_cast<std::int32_t>(edit->Props[0].Color))
                               : ResolveSystemColor(clWindow);
}

void SelectionFromMenuItem(const TsGeneralDataArray& sections, TsSkinColors& colors)
{
    TColor text = SystemColor(SystemHighlightText);
    TColor background = SystemColor(SystemHighlight);
    if (const TsGeneralData* menuItem = Section(sections, "MENUITEM")) {
        const TsGenState& hot = menuItem->Props[1];
        const TColor hotText = hot.FontColor[fcMain];
        text = IsUnsetText(hotText) ? SystemColor(SystemHighlightText)
                                    : OptionColorToRGB(static_cast<std::int32_t>(hotText));
        background = menuItem->States < 2 ? 0 : hot.Color;
    }
    colors[scSelectionText] = colors[scHotSelectionText] = text;
    colors[scSelectionColor] = colors[scHotSelectionColor] = background;
}

void ReadSelectionColors(const TsGeneralDataArray& sections, TsSkinColors& colors)
{
    const TColor none = static_cast<TColor>(NoColorValue);
    colors[scSelectionColor] = colors[scSelectionText] = none;
    colors[scHotSelectionColor] = colors[scHotSelectionText] = none;
    if (const TsGeneralData* selection = Section(sections, "SELECTION")) {
        const TsGenState& normal = selection->Props[0];
        const TsGenState& hot = selection->States > 1 ? selection->Props[1] : normal;
        colors[scSelectionText] = normal.FontColor[fcMain];
        colors[scSelectionColor] = normal.Color;
        colors[scHotSelectionText] = hot.FontColor[fcMain];
        colors[scHotSelectionColor] = hot.Color;
    }
    if (IsUnsetText(colors[scSelectionText]))
        SelectionFromMenuItem(sections, colors);
}

} // namespace

TsSkinColors ReadSkinColors(const TMemIniFile& options, const TsGeneralDataArray& sections)
{
    auto global = [&](const char* key, TColor defaultValue) {
        const std::string text = options.ReadString(GlobalInfoSection, key, "");
        return static_cast<TColor>(OptionInteger(text, static_cast<std::int32_t>(defaultValue)));
    };
    TsSkinColors c{};
    c[scGlobalColor] = global("COLOR", ResolveSystemColor(clBtnFace));
    c[scGlobalFontColor] = global("FONTCOLOR", 0);
    c[scBottomColor] = global("TCBOTTOM", 0xFF0000);
    c[scTopColor] = global("TCTOP", 0x0000FF);
    ReadEditColors(sections, c);
    ReadSelectionColors(sections, c);
    c[scEditBgInverse] = global("EDITBG_INV", c[scEditText]);
    c[scEditTextInverse] = global("EDITTEXT_INV", c[scEditColor]);
    c[scEditBgOdd] = global("EDITBG_ODD", c[scEditColor]);
    c[scEditBgEven] = global("EDITBG_EVEN", BlendColors(c[scEditText], c[scEditColor], 0.05));
    c[scEditTextOk] = global("EDITTEXT_OK", 0x008000);
    c[scEditTextWarning] = global("EDITTEXT_WARN", 0x008484);
    // The fourth and fifth edit states have no keys of their own: skins set
    // them together with the alert state.
    c[scEditTextAlert] = global("EDITTEXT_ALERT", 0x0000FF);
    c[scEditTextFourth] = global("EDITTEXT_ALERT", 0x8597D9);
    c[scEditTextFifth] = global("EDITTEXT_ALERT", 0x4AB28F);
    c[scEditBgOk] = global("EDITBG_OK", 0x6CC2A5);
    c[scEditBgWarning] = global("EDITBG_WARN", 0x40FFFF);
    c[scEditBgAlert] = global("EDITBG_ALERT", 0x95A7E9);
    c[scEditBgFourth] = global("EDITBG_ALERT", 0x8597D9);
    c[scEditBgFifth] = global("EDITBG_ALERT", 0x4AB28F);
    c[scEditTextH1] = global("EDITTEXT_H1", 0);
    c[scEditTextH2] = global("EDITTEXT_H2", 0);
    c[scEditTextH3] = global("EDITTEXT_H3", 0);
    c[scBorderColor] = global("BORDERCOLOR", 0);
    return c;
}

} // namespace pp
