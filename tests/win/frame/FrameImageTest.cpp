// What the frame image holds and that it is what the window shows.
#include "FrameFixture.h"

#include "skin/paint/PaintWindowTreeWin32.h"
#include "toolkit/Canvas.h"
#include "win/WindowFrameDC.h"

namespace pp::test {
namespace {

TEST_F(FrameTest, FrameImageCoversTheWindowWithFrameCaptionMenuLineAndClient)
{
    ShowSkinnedForm();
    const TFrameMeasures m = Frame().Measures();
    ASSERT_NE(Frame().FrameImage(), nullptr);
    EXPECT_EQ(Frame().FrameImage()->Size(), (TSize{m.Width, m.Height}));
    const TPoint client = Frame().ClientOffset();
    // The caption's top row, right of the text and left of the buttons.
    EXPECT_EQ(ImagePixel(m.Width / 2 + 60, m.Frame + 1), TitleColor);
    EXPECT_EQ(ImagePixel(client.X + 100, client.Y + 50), FormColor);
    // The menu line beyond its one item, and the item itself.
    const int lineY = HeaderBottom(m) + 1;
    EXPECT_EQ(ImagePixel(m.Width - m.Frame - 5, lineY), MenuLineColor);
    RECT item{};
    ASSERT_TRUE(GetMenuItemRect(Window(), GetMenu(Window()), 0, &item));
    RECT window{};
    GetWindowRect(Window(), &window);
    EXPECT_EQ(ImagePixel(item.left - window.left + 1, lineY), MenuItemColor);
    // The border mask's grey runs down the left side below the caption.
    EXPECT_EQ(ImagePixel(1, m.Height / 2), BorderGrey);
}

TEST_F(FrameTest, MainWindowStyleShowsCloseAndMinimizeOnlyAndNoSystemMenu)
{
    ShowSkinnedForm();
    EXPECT_EQ(GetWindowLongW(Window(), GWL_STYLE) & WS_SYSMENU, 0);
    const std::vector<TRect>& buttons = Frame().TitleButtonRects();
    ASSERT_EQ(buttons.size(), 2u);
    const TFrameMeasures m = Frame().Measures();
    // Close at the right edge (no BIRIGHT in the fixture), minimize beside it.
    EXPECT_EQ(buttons[0].Right, m.Width - m.Frame);
    EXPECT_EQ(buttons[0].Width(), ButtonWidth);
    EXPECT_EQ(buttons[1].Right, buttons[0].Left);
    EXPECT_EQ(ImagePixel(buttons[0].Left + 2, buttons[0].Top + 2), 0x0000FF);
    EXPECT_EQ(ImagePixel(buttons[1].Left + 2, buttons[1].Top + 2), 0x00FF00);
}

TEST_F(FrameTest, NonClientAreaOnScreenIsTheFrameImage)
{
    ShowSkinnedForm();
    const TFrameMeasures m = Frame().Measures();
    const TWindowFrameDC dc(Window());
    const TPoint points[] = {{m.Width / 2 + 60, m.Frame + 1},
                             {1, m.Height / 2},
                             {m.Width / 2, m.Height - 2},
                             {m.Width - 2, m.Height / 2}};
    for (const TPoint p : points) {
        const COLORREF screen = GetPixel(dc.Get(), p.X, p.Y);
        EXPECT_EQ(static_cast<TColor>(screen), ImagePixel(p.X, p.Y)) << p.X << "," << p.Y;
    }
}

TEST_F(FrameTest, ClientBackgroundComesFromTheFrameImage)
{
    ShowSkinnedForm();
    HDC dc = GetDC(Window());
    const COLORREF client = GetPixel(dc, 100, 50);
    ReleaseDC(Window(), dc);
    EXPECT_EQ(static_cast<TColor>(client), FormColor);
}

TEST_F(FrameTest, PictureOfTheFormHasTheSkinnedFrameAndClient)
{
    ShowSkinnedForm();
    const TFrameMeasures m = Frame().Measures();
    TBitmap picture(m.Width, m.Height);
    PaintWindowTree(picture, *form);
    const TPoint client = Frame().ClientOffset();
    EXPECT_EQ(ColorFromPixel(picture.Pixel32(m.Width / 2 + 60, m.Frame + 1)), TitleColor);
    EXPECT_EQ(ColorFromPixel(picture.Pixel32(1, m.Height / 2)), BorderGrey);
    EXPECT_EQ(ColorFromPixel(picture.Pixel32(client.X + 100, client.Y + 50)), FormColor);
    // Asked only for its background, the form gives the client's.
    TBitmap background(m.ClientWidth, m.ClientHeight);
    {
        TBitmapCanvas canvas(background);
        SendMessageW(Window(), WM_PRINT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_ERASEBKGND);
    }
    EXPECT_EQ(ColorFromPixel(background.Pixel32(100, 50)), FormColor);
}

TEST_F(FrameTest, WrappedMenuBarGivesOneMenuLinePerRowOfItems)
{
    form->SetClientSize(90, 120);
    ShowSkinnedForm({"Параметры", "Интервал", "Второй контакт"});
    RECT window{};
    GetWindowRect(Window(), &window);
    // The rows the platform laid the items out in.
    std::vector<LONG> rows;
    for (int i = 0; i < 3; ++i) {
        RECT item{};
        ASSERT_TRUE(GetMenuItemRect(Window(), GetMenu(Window()), static_cast<UINT>(i), &item));
        if (std::find(rows.begin(), rows.end(), item.top) == rows.end())
            rows.push_back(item.top);
    }
    ASSERT_GE(rows.size(), 2u) << "the bar must wrap for this test";
    const TFrameMeasures m = Frame().Measures();
    EXPECT_EQ(m.MenuLines, static_cast<int>(rows.size()));
    const int menuLine = GetSystemMetrics(SM_CYMENU) - 1;
    EXPECT_EQ(MenuLineRows(m), static_cast<int>(rows.size()) * menuLine + 1);
}

TEST_F(FrameTest, MinimizedFormThatIsNotTheMainFormHasACaptionSizedImage)
{
    ShowSkinnedForm();
    ShowWindow(Window(), SW_MINIMIZE);
    Settle();
    Frame().InvalidateFrame();
    ASSERT_TRUE(Frame().EnsureFrameImage());
    const int frame = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    EXPECT_EQ(Frame().FrameImage()->Size(), (TSize{160, frame + GetSystemMetrics(SM_CYCAPTION) + 2}));
}

} // namespace
} // namespace pp::test
