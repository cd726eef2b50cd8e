// Disabled text: once, with no contour, in 40 percent of the normal font
// colour over 60 percent of what lies behind (the section's colour for
// section text, the skin's global colour for a control's text, which also
// takes the control's colour changes); unskinned text embossed.
#include "text/TextFixture.h"

#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/paint/TextPasses.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr TColor FontColor = MakeColor(0, 100, 200);
constexpr TColor SectionColor = MakeColor(250, 0, 50);
constexpr TColor GlobalColor = MakeColor(100, 200, 0);
constexpr TColor Contour = MakeColor(0xE0, 0x40, 0x10);

// Contours on every side and a hot look of other colours: disabled text
// reads none of them.
TsLoadedSkin DisabledSkin()
{
    const TLook normal{SectionColor, {FontColor, Contour, Contour, Contour, Contour}};
    const TLook hot{MakeColor(1, 2, 3), {MakeColor(4, 5, 6), Contour, Contour, Contour, Contour}};
    return SkinWith(LabelSection(normal, hot), GlobalColor);
}

TEST(DisabledText, OnceInFortyPercentFontColourOverWhatLiesBehind)
{
    const TsLoadedSkin skin = DisabledSkin();
    const auto itemText = [&](int hue, int saturation) {
        TItemTextSource source{&skin, 0};
        source.HueOffset = hue;
        source.Saturation = saturation;
        return PaintedOnBlank(
            [&](TCanvas& c) { DrawItemText(c, SampleText, false, true, source, TextFormat, TextRect); });
    };
    struct TCase {
        const char* Name;
        TBitmap Drawing;
        TColor Expected;
    } cases[] = {
        // 0.4 * (0, 100, 200) + 0.6 * (250, 0, 50) = (150, 40, 110).
        {"section text over the section colour", PaintedOnBlank([&](TCanvas& c) {
             DrawSectionText(c, SampleText, false, &skin, true, 0, TextFormat, TextRect);
         }),
         MakeColor(150, 40, 110)},
        // 0.4 * (0, 100, 200) + 0.6 * (100, 200, 0) = (60, 160, 80).
        {"control text over the global colour", itemText(0, 0), MakeColor(60, 160, 80)},
        // (60, 160, 80) has hue 132; turned by 120 to 252: sector 4 with 12
        // degrees in, so (t, p, v) = (160 - 80, 160 - 100, 160). Saturation
        // -50 then moves each channel half way to the mean 100.
        {"control text with hue and saturation changed", itemText(120, -50), MakeColor(90, 80, 130)},
    };
    for (const TCase& c : cases)
        ExpectDrawnAsPlainText(c.Drawing, c.Expected, std::nullopt, c.Name);
}

TEST(DisabledText, UnskinnedOrCustomFontIsEmbossedHighlightBelowRightShadowInPlace)
{
    const TsLoadedSkin skin = DisabledSkin();
    TItemTextSource customFont{&skin, 0};
    customFont.CustomFont = true;
    const TColor highlight = ColorToRGB(SystemColorFlag | COLOR_BTNHIGHLIGHT_INDEX);
    const TColor shadow = ColorToRGB(SystemColorFlag | COLOR_BTNSHADOW_INDEX);
    ASSERT_NE(highlight, shadow);
    ASSERT_NE(shadow, Background);
    struct TCase {
        const char* Name;
        TItemTextSource Source;
    } cases[] = {{"not skinned", {}}, {"skinned, custom font", customFont}, {"invalid section", {&skin, 3}}};
    for (const TCase& c : cases) {
        const TBitmap drawing = PaintedOnBlank([&](TCanvas& canvas) {
            DrawItemText(canvas, SampleText, false, false, c.Source, TextFormat, TextRect);
        });
        EXPECT_GT(ExpectDrawnAsPlainText(drawing, shadow, TShiftedInk{1, 1, highlight}, c.Name), 20)
            << c.Name;
    }
}

TEST(PlainText, EnabledTextWithoutASkinIsTheCanvasFontColourOnce)
{
    const TColor ink = MakeColor(10, 120, 30);
    const TBitmap item = PaintedOnBlank([&](TCanvas& c) {
        c.Font.SetColor(ink);
        DrawItemText(c, SampleText, true, true, {}, TextFormat, TextRect);
    });
    ExpectDrawnAsPlainText(item, ink, std::nullopt, "DrawItemText");
    const TBitmap section = PaintedOnBlank([&](TCanvas& c) {
        c.Font.SetColor(ink);
        DrawSectionText(c, SampleText, false, nullptr, false, 0, TextFormat, TextRect);
    });
    ExpectDrawnAsPlainText(section, ink, std::nullopt, "DrawSectionText without a skin");
}

} // namespace
} // namespace pp::test
