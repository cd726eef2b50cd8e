#include "skin/loading/SectionKeys.h"

#include "skin/loading/OptionValues.h"

namespace pp {
namespace {

TsGenState& Normal(TsGeneralData& r) { return r.RawProps[0]; }
TsGenState& Hot(TsGeneralData& r) { return r.RawProps[1]; }
TColor AsColor(const TKeyValue& v) { return static_cast<TColor>(v.Number); }
std::uint8_t AsByte(const TKeyValue& v) { return static_cast<std::uint8_t>(v.Number); }

constexpr TSectionKey NormalKeys[] = {
    {"COLOR", TKeyForm::ColorRGB, 0xFFFFFF, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).Color = AsColor(v); }},
    {"RESERVEDBOOLEAN", TKeyForm::Flag, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { r.ReservedBoolean = v.Number != 0; }},
    {"GIVEOWNFONT", TKeyForm::Flag, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { r.GiveOwnFont = v.Number != 0; }},
    {"FADINGENABLED", TKeyForm::Flag, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { r.FadingEnabled = v.Number != 0; }},
    {"GLOW", TKeyForm::Integer, 0, "", [](TsGeneralData& r, const TKeyValue& v) { r.GlowCount = v.Number; }},
    {"GLOWMARGIN", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { r.GlowMargin = v.Number; }},
    {"FONTCOLOR", TKeyForm::Color, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).FontColor[fcMain] = AsColor(v); }},
    {"TCLEFT", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).FontColor[fcLeft] = AsColor(v); }},
    {"TCTOP", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).FontColor[fcTop] = AsColor(v); }},
    {"TCRIGHT", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).FontColor[fcRight] = AsColor(v); }},
    {"TCBOTTOM", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).FontColor[fcBottom] = AsColor(v); }},
    {"TRANSPARENCY", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).Transparency = v.Number; }},
    {"GRADIENTPERCENT", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).GradientPercent = v.Number; }},
    {"IMAGEPERCENT", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).ImagePercent = v.Number; }},
    {"GRADIENTDATA", TKeyForm::Text, 0, " ",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).GradientData = v.Text; }},
    {"FADINGITERATIONS", TKeyForm::Integer, 5, "",
     [](TsGeneralData& r, const TKeyValue& v) { r.FadingIterations = v.Number; }},
    {"GCOL", TKeyForm::ColorRGB, 0xFFFFFF, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).GlowColor = AsColor(v); }},
    {"GSIZE", TKeyForm::Byte, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Normal(r).GlowSize = AsByte(v); }},
    {"STATES", TKeyForm::Integer, 3, "", [](TsGeneralData& r, const TKeyValue& v) { r.States = v.Number; }},
};

constexpr TSectionKey HotKeys[] = {
    {"HOTFONTCOLOR", TKeyForm::Color, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).FontColor[fcMain] = AsColor(v); }},
    {"HOTTCLEFT", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).FontColor[fcLeft] = AsColor(v); }},
    {"HOTTCTOP", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).FontColor[fcTop] = AsColor(v); }},
    {"HOTTCRIGHT", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).FontColor[fcRight] = AsColor(v); }},
    {"HOTTCBOTTOM", TKeyForm::Color, -1, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).FontColor[fcBottom] = AsColor(v); }},
    {"HGCOL", TKeyForm::ColorRGB, 0xFFFFFF, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).GlowColor = AsColor(v); }},
    {"HGSIZE", TKeyForm::Byte, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).GlowSize = AsByte(v); }},
    {"HOTCOLOR", TKeyForm::Color, 0xFFFFFF, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).Color = AsColor(v); }},
    {"HOTTRANSPARENCY", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).Transparency = v.Number; }},
    {"HOTGRADIENTPERCENT", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).GradientPercent = v.Number; }},
    {"HOTIMAGEPERCENT", TKeyForm::Integer, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).ImagePercent = v.Number; }},
    {"HOTGRADIENTDATA", TKeyForm::Text, 0, "",
     [](TsGeneralData& r, const TKeyValue& v) { Hot(r).GradientData = v.Text; }},
};

// A gradient text shorter than two characters cannot describe a gradient:
// it switches the gradient off.
void ReadGradient(TsGenState& state)
{
    if (state.GradientData.size() < 2)
        state.GradientPercent = 0;
    else
        state.GradientArray = ParseGradientSpec(state.GradientData);
}

} // namespace

std::span<const TSectionKey> NormalSectionKeys() { return NormalKeys; }
std::span<const TSectionKey> HotSectionKeys() { return HotKeys; }

TKeyValue DefaultKeyValue(const TSectionKey& key)
{
    TKeyValue value;
    if (key.Form == TKeyForm::Text)
        value.Text = key.TextDefault;
    else
        value.Number = key.Default;
    return value;
}

TKeyValue ConvertKeyText(const TSectionKey& key, const std::string& text)
{
    TKeyValue value;
    switch (key.Form) {
    case TKeyForm::Text: value.Text = text; break;
    case TKeyForm::Flag: value.Number = OptionFlag(text) ? 1 : 0; break;
    case TKeyForm::ColorRGB:
        value.Number = static_cast<std::int32_t>(OptionColorToRGB(OptionInteger(text, key.Default)));
        break;
    case TKeyForm::Byte: value.Number = OptionInteger(text, key.Default) & 0xFF; break;
    case TKeyForm::Integer:
    case TKeyForm::Color: value.Number = OptionInteger(text, key.Default); break;
    }
    return value;
}

void FinishSectionRecord(TsGeneralData& record)
{
    if (record.States < 2)
        record.RawProps[1] = record.RawProps[0];
    for (TsGenState& state : record.RawProps)
        ReadGradient(state);
    record.Props = record.RawProps;
    record.ShowFocus = true;
}

} // namespace pp
