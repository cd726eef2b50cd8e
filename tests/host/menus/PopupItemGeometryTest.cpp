#include "skin/paint/PopupItemGeometry.h"
#include "skin/paint/DisabledItemBlend.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TEST(PopupItemKind, TellsDividersAndCaptionItemsFromTheCaption)
{
    const struct {
        const char* caption;
        TMenuItemKind kind;
    } cases[] = {
        {"-", mkDivider},    {"-Порт-", mkCaption}, {"--", mkCaption},      {"-Порт", mkNormal},
        {"Порт-", mkNormal}, {"", mkNormal},        {"Интервал", mkNormal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuItemKind(c.caption), c.kind) << c.caption;
}

// Text 50 x 13, the default 16 x 16 glyph, margin 2, spacing 8: the width is
// 50 + 2 * 16 + 3 * 2 + 8 = 96 for every kind, the extra line adds its 32.
TEST(PopupItemSize, FollowsTheKindAndTheGlyph)
{
    const TPopupMetrics plain;
    TPopupMetrics withExtraLine;
    withExtraLine.ExtraLine = 32;
    const struct {
        TMenuItemKind kind;
        TSize text;
        TPopupMetrics metrics;
        TSize expected;
    } cases[] = {
        // no text: 2 * 16 + 3 * 2 + 8
        {mkDivider, {0, 0}, plain, {46, 2}},
        // 13 + 2 * 2 + 3
        {mkCaption, {50, 13}, plain, {96, 20}},
        // max(13, 16) + 2 * 2 + 2: the glyph is taller than the text
        {mkNormal, {50, 13}, plain, {96, 22}},
        // a two-line caption is taller than the glyph: 26 + 6
        {mkNormal, {50, 26}, plain, {96, 32}},
        {mkNormal, {50, 13}, withExtraLine, {128, 22}},
    };
    for (const auto& c : cases) {
        const TSize size = PopupItemSize(c.kind, c.text, {16, 16}, c.metrics);
        EXPECT_EQ(size.Width, c.expected.Width) << c.kind;
        EXPECT_EQ(size.Height, c.expected.Height) << c.kind;
    }
}

TEST(PopupItemText, CaptionItemsKeepTheirDashesWhenMeasuredAndLoseThemWhenShown)
{
    EXPECT_EQ(MeasuredItemText(mkCaption, "-Порт-", ""), "--Порт--");
    EXPECT_EQ(MeasuredItemText(mkDivider, "-", "Ctrl+D"), "");
    EXPECT_EQ(MeasuredItemText(mkNormal, "Интервал", "Ctrl+I"), "Интервал\tCtrl+I");
    EXPECT_EQ(MeasuredItemText(mkNormal, "Интервал", ""), "Интервал");
    EXPECT_EQ(CaptionItemHeading("-Порт-"), "Порт");
    EXPECT_EQ(CaptionItemHeading("--Порт 888--"), "Порт 888");
    EXPECT_EQ(CaptionItemHeading("--"), "");
}

TEST(PopupItemText, SplitsAtTheFirstTabOnly)
{
    const TTabbedCaption split = SplitAtTab("Открыть\tCtrl+O\tx");
    EXPECT_EQ(split.Text, "Открыть");
    EXPECT_EQ(split.RightText, "Ctrl+O\tx");
    EXPECT_EQ(SplitAtTab("Интервал").RightText, "");
}

// Item 120 x 22, glyph 16, margin 2, spacing 8: the icon column is
// 16 + 4 + 8 = 28; the text runs from row 1 + 2 to row 22 - 2; the right
// text ends 8 pixels before the item's right edge.
TEST(PopupItemPlaces, TextRightTextAndDivider)
{
    const TPopupMetrics metrics;
    const TRect text = PopupTextRect({120, 22}, {16, 16}, metrics);
    EXPECT_EQ(text.Left, 28);
    EXPECT_EQ(text.Top, 3);
    EXPECT_EQ(text.Right, 120);
    EXPECT_EQ(text.Bottom, 20);
    EXPECT_EQ(RightTextRect(text, 120).Right, 112);

    // Without an icon column: from the margin to 2 margins before the end.
    const TDividerSpan plain = DividerSpan(120, 26, false, metrics);
    EXPECT_EQ(plain.Left, 2);
    EXPECT_EQ(plain.Right, 116);
    // With one: past the column (26 > 2 + 8), the spacing kept on the right.
    const TDividerSpan column = DividerSpan(120, 26, true, metrics);
    EXPECT_EQ(column.Left, 26);
    EXPECT_EQ(column.Right, 108);
    // With a 32-pixel extra line too.
    TPopupMetrics extra;
    extra.ExtraLine = 32;
    const TDividerSpan both = DividerSpan(120, 26, true, extra);
    EXPECT_EQ(both.Left, 58);
    EXPECT_EQ(both.Right, 76);
}

// 40 % of the item over 60 % of the background: item (200, 100, 50) over
// (0, 50, 250) gives (80, 70, 170); key pixels stay; the offset picks the
// background pixel behind.
TEST(DisabledItem, KeepsFortyPercentOverTheBackgroundAndSparesKeyPixels)
{
    TBitmap background(4, 4);
    background.Fill(PixelFromColor(MakeColor(0, 0, 0)));
    background.Pixel32(2, 1) = PixelFromColor(MakeColor(0, 50, 250));
    background.Pixel32(3, 1) = PixelFromColor(MakeColor(0, 50, 250));
    TBitmap item(2, 1);
    item.Pixel32(0, 0) = PixelFromColor(MakeColor(200, 100, 50));
    item.Pixel32(1, 0) = PixelFromColor(clKeyColor);
    BlendDisabledItem(item, background, {2, 1});
    EXPECT_EQ(ColorFromPixel(item.Pixel32(0, 0)), MakeColor(80, 70, 170));
    EXPECT_EQ(ColorFromPixel(item.Pixel32(1, 0)), clKeyColor);
}

TEST(DisabledItem, LeavesPixelsWithNothingBehindThem)
{
    TBitmap background(1, 1);
    background.Fill(PixelFromColor(MakeColor(0, 0, 0)));
    TBitmap item(3, 1);
    item.Fill(PixelFromColor(MakeColor(100, 100, 100)));
    BlendDisabledItem(item, background, {-1, 0});
    EXPECT_EQ(ColorFromPixel(item.Pixel32(0, 0)), MakeColor(100, 100, 100));
    EXPECT_EQ(ColorFromPixel(item.Pixel32(1, 0)), MakeColor(40, 40, 40));
    EXPECT_EQ(ColorFromPixel(item.Pixel32(2, 0)), MakeColor(100, 100, 100));
}

} // namespace
} // namespace pp
