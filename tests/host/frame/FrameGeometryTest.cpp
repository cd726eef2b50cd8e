#include "skin/paint/FrameGeometry.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

// The main window as the platform lays it out: 409 x 250 outside, 393 x 192
// inside, 8-pixel frames, a 23-pixel caption and one 19-pixel menu line.
TFrameMeasures MainWindow()
{
    TFrameMeasures m;
    m.Width = 409;
    m.Height = 250;
    m.ClientWidth = 393;
    m.ClientHeight = 192;
    m.Frame = 8;
    m.Caption = 23;
    m.MenuLine = 19;
    m.MenuLines = 1;
    return m;
}

TEST(CaptionIcon, SizeFollowsTheCaptionHeight)
{
    const struct {
        int Caption, Side;
    } cases[] = {{0, 1}, {8, 1}, {9, 8}, {12, 8}, {16, 8}, {17, 16}, {30, 16}};
    for (const auto& c : cases)
        EXPECT_EQ(CaptionIconSize(c.Caption), c.Side) << "caption " << c.Caption;
}

TEST(CaptionIcon, CentredOnTheCaptionAfterTheFrame)
{
    const TFrameMeasures m = MainWindow();
    // centre 23 div 2 + 8 div 2 = 15; 16 pixels from 15 - 8 = 7; left 8 + BILEFT 2.
    EXPECT_EQ(CaptionIconRect(m, 2, true), (TRect{10, 7, 26, 23}));
    EXPECT_TRUE(CaptionIconRect(m, 2, false).IsEmpty());
    EXPECT_EQ(CaptionIconRect(m, 2, false).Left, 10);
}

TEST(CaptionIcon, MaximizedCaptionSitsTwoRowsLower)
{
    TFrameMeasures m = MainWindow();
    m.Maximized = true;
    EXPECT_EQ(CaptionCenterY(m), 17);
}

TEST(MenuLines, WrappedBarCountsEveryLine)
{
    // SM_CYMENU 20: one line per 18 rows between the first item's bottom and
    // the client area.
    const struct {
        int ItemBottom, MenuBottom, Lines;
    } cases[] = {{100, 100, 1}, {101, 100, 1}, {82, 100, 2}, {83, 100, 1}, {64, 100, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(MenuLineCount(c.ItemBottom, c.MenuBottom, 20), c.Lines) << c.ItemBottom;
}

TEST(MenuLines, TwoLinesTakeTwiceTheLineAndOneRow)
{
    TFrameMeasures m = MainWindow();
    m.MenuLines = 2;
    EXPECT_EQ(MenuLineRows(m), 2 * 19 + 1);
    EXPECT_EQ(MenuLineRect(m), (TRect{0, 31, 409, 31 + 39}));
    m.MenuLine = 0;
    EXPECT_EQ(MenuLineRows(m), 0);
}

TEST(CaptionText, EndsTwelvePixelsBeforeTheButtons)
{
    const TFrameMeasures m = MainWindow();
    // close 27 and minimize 25 wide, BIRIGHT 4, BISPACE 1: block 4 + 28 + 26 = 58.
    const std::vector<int> widths{27, 25};
    const int block = ButtonBlockWidth(widths, 4, 1);
    EXPECT_EQ(block, 58);
    const TRect icon = CaptionIconRect(m, 0, true);
    const TRect text = CaptionTextRect(m, icon, 0, block, false);
    EXPECT_EQ(text.Left, 8 + 16 + 4);
    EXPECT_EQ(text.Right, 409 - 58 - 12);
    EXPECT_EQ(CaptionTextRect(m, icon, 0, block, true).Left, 8 + 16 + 4 + 2);
}

TEST(CaptionText, NarrowWindowLeavesAnEmptyRectangle)
{
    TFrameMeasures m = MainWindow();
    m.Width = 60;
    const TRect text = CaptionTextRect(m, CaptionIconRect(m, 0, true), 0, 58, false);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(TitleButtons, PlacedFromTheRightEdgeCloseFirst)
{
    const TFrameMeasures m = MainWindow();
    const std::vector<TRect> placed = PlaceTitleButtons(m, {27, 25}, 21, 4, 1);
    ASSERT_EQ(placed.size(), 2u);
    // x starts at 409 - 4 - 8 = 397; centre 15, height 21: top 5.
    EXPECT_EQ(placed[0], (TRect{370, 5, 397, 26}));
    EXPECT_EQ(placed[1], (TRect{344, 5, 369, 26}));
}

TEST(NonClientCopy, FourStripsCoverTheFrameAndNothingOfTheClient)
{
    const TFrameMeasures m = MainWindow();
    const auto strips = NonClientStrips(m);
    // T = 250 - 192 - 8 = 50: frame, caption and menu line.
    EXPECT_EQ(strips[0], (TRect{0, 0, 409, 50}));
    EXPECT_EQ(strips[1], (TRect{0, 50, 8, 250}));
    EXPECT_EQ(strips[2], (TRect{8, 242, 409, 250}));
    EXPECT_EQ(strips[3], (TRect{401, 50, 409, 242}));
    const TRect client{8, 50, 401, 242};
    for (const TRect& strip : strips)
        EXPECT_TRUE(IntersectRect(strip, client).IsEmpty());
    int covered = 0;
    for (const TRect& strip : strips)
        covered += strip.Width() * strip.Height();
    EXPECT_EQ(covered, 409 * 250 - client.Width() * client.Height());
}

TEST(Regions, MaximizedFormHidesItsFrame)
{
    TFrameMeasures m = MainWindow();
    m.Maximized = true;
    EXPECT_EQ(MaximizedRegionRect(m), (TRect{8, 8, 401, 242}));
}

TEST(MinimizedForm, FrameImageIsTheCaptionBand)
{
    TFrameMeasures m = MainWindow();
    m.Caption = 18;
    EXPECT_EQ(MinimizedFrameImageSize(m), (TSize{160, 8 + 18 + 2}));
}

} // namespace
} // namespace pp
