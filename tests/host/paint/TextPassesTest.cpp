// The drawings a text is made of: which contours, in what order and
// colours, and the colours of disabled and unskinned text.
#include "skin/paint/TextPasses.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

constexpr TColor Main = 0x112233, Left = 0x0000FF, Right = 0x00FF00, Bottom = 0xFF0000;

TsFontColors Colors(TColor left, TColor top, TColor right, TColor bottom)
{
    return {Main, left, top, right, bottom};
}

TEST(EnabledTextPasses, ContoursLeftTopRightBottomThenTheTextSkippingNone)
{
    struct TCase {
        const char* Name;
        TsFontColors Colors;
        bool WithContour;
        TTextPasses Expected;
    } cases[] = {
        {"top has none",
         Colors(Left, NoContourColor, Right, Bottom),
         true,
         {{Left, -1, 0, true}, {Right, 1, 0, true}, {Bottom, 0, 1, true}, {Main, 0, 0, false}}},
        {"all four",
         Colors(Left, 0x010203, Right, Bottom),
         true,
         {{Left, -1, 0, true},
          {0x010203, 0, -1, true},
          {Right, 1, 0, true},
          {Bottom, 0, 1, true},
          {Main, 0, 0, false}}},
        {"no contour colours",
         Colors(NoContourColor, NoContourColor, NoContourColor, NoContourColor),
         true,
         {{Main, 0, 0, false}}},
        {"contours not asked for", Colors(Left, Left, Left, Left), false, {{Main, 0, 0, false}}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(EnabledTextPasses(c.Colors, c.WithContour), c.Expected) << c.Name;
}

TEST(EnabledTextPasses, EveryColourTakesTheHueAndSaturationChange)
{
    // Red turned by 120 degrees is green; saturation -100 then pulls green
    // (0, 255, 0) to its mean 85 on every channel. The font colour (51, 34,
    // 17) has hue 30, turned to 150: (17, 51, 34), whose mean is 34.
    const TTextPasses passes = EnabledTextPasses(Colors(Left, NoContourColor, NoContourColor, NoContourColor),
                                                 true, {120, -100});
    const TTextPasses expected = {{0x555555, -1, 0, true}, {0x222222, 0, 0, false}};
    EXPECT_EQ(passes, expected);
    EXPECT_EQ(ChangedTextColor(MakeColor(255, 0, 0), {120, 0}), MakeColor(0, 255, 0));
}

TEST(DisabledTextPass, FortyPercentFontColourOverSixtyPercentBackground)
{
    // red 0.4 * 100 + 0.6 * 200 = 160, green 0 + 30 = 30, blue 100 + 0 = 100.
    EXPECT_EQ(DisabledTextPass(MakeColor(100, 0, 250), MakeColor(200, 50, 0)),
              (TTextPass{MakeColor(160, 30, 100), 0, 0, false}));
    // System colours are resolved before mixing: window text is black and
    // the classic button face (212, 208, 200) gives 0.6 of each channel,
    // 127.2, 124.8 and 120, rounded.
    EXPECT_EQ(DisabledTextPass(clWindowText, clBtnFace).Color, MakeColor(127, 125, 120));
    // The change comes after the mix: black over white is grey 153, which
    // no hue turn alters.
    EXPECT_EQ(DisabledTextPass(clBlack, clWhite, {90, 0}).Color, 0x999999u);
}

TEST(PlainTextPasses, EnabledOnceDisabledEmbossedHighlightBelowRightThenShadow)
{
    EXPECT_EQ(PlainTextPasses(MakeColor(1, 2, 3), true), (TTextPasses{{MakeColor(1, 2, 3), 0, 0, false}}));
    // Classic scheme: highlight white, shadow mid grey.
    EXPECT_EQ(PlainTextPasses(MakeColor(1, 2, 3), false),
              (TTextPasses{{0xFFFFFF, 1, 1, false}, {0x808080, 0, 0, false}}));
}

} // namespace
} // namespace pp
