// The window region and the platform's answers to hit-testing on the
// skinned frame.
#include "FrameFixture.h"

#include "win/Handles.h"

namespace pp::test {
namespace {

class TWindowRegion {
public:
    explicit TWindowRegion(HWND window) : region_(CreateRectRgn(0, 0, 0, 0))
    {
        kind_ = GetWindowRgn(window, region_.Get());
    }
    bool Has(int x, int y) const { return PtInRegion(region_.Get(), x, y) != FALSE; }
    int Kind() const { return kind_; }
    TRect Box() const
    {
        RECT box{};
        GetRgnBox(region_.Get(), &box);
        return {box.left, box.top, box.right, box.bottom};
    }

private:
    TRegionHandle region_;
    int kind_ = ERROR;
};

TEST_F(FrameTest, RestoredFormHasItsCornersCutByTheKeyColouredMaskPixels)
{
    ShowSkinnedForm();
    const TFrameMeasures m = Frame().Measures();
    const TWindowRegion region(Window());
    ASSERT_EQ(region.Kind(), COMPLEXREGION);
    const int right = m.Width - 1, bottom = m.Height - 1;
    // The three key pixels of each corner are cut; the next pixel inward is not.
    const struct {
        int X, Y;
        bool Shown;
    } cases[] = {{0, 0, false},          {1, 0, false},
                 {0, 1, false},          {1, 1, true},
                 {2, 0, true},           {right, 0, false},
                 {right - 1, 0, false},  {right, 1, false},
                 {right - 2, 0, true},   {0, bottom, false},
                 {0, bottom - 1, false}, {1, bottom - 1, true},
                 {right, bottom, false}, {right - 1, bottom, false},
                 {m.Width / 2, 0, true}};
    for (const auto& c : cases)
        EXPECT_EQ(region.Has(c.X, c.Y), c.Shown) << c.X << "," << c.Y;
}

TEST_F(FrameTest, MaximizedFormGetsTheRectangleThatHidesItsFrame)
{
    ShowSkinnedForm();
    ShowWindow(Window(), SW_MAXIMIZE);
    Settle();
    SendMessageW(Window(), WM_NCPAINT, 1, 0);
    const TFrameMeasures m = Frame().Measures();
    ASSERT_TRUE(m.Maximized);
    const TWindowRegion region(Window());
    EXPECT_EQ(region.Kind(), SIMPLEREGION);
    EXPECT_EQ(region.Box(), (TRect{m.Frame, m.Frame, m.Width - m.Frame, m.Height - m.Frame}));
    ShowWindow(Window(), SW_RESTORE);
    Settle();
    SendMessageW(Window(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(TWindowRegion(Window()).Kind(), COMPLEXREGION) << "restored: the corners are cut again";
}

TEST_F(FrameTest, HitTestingFollowsTheFrameImageGeometry)
{
    ShowSkinnedForm();
    const TFrameMeasures m = Frame().Measures();
    RECT r{};
    GetWindowRect(Window(), &r);
    const int inFrame = m.Frame / 2, title = TitleHeight(m);
    const int midX = m.Width / 2 - 40, midY = title + (m.Height - title) / 2;
    const struct {
        int X, Y;
        LRESULT Code;
    } cases[] = {
        {midX, m.Frame + m.Caption / 2, HTCAPTION},
        {inFrame, midY, HTLEFT},
        {m.Width - 1 - inFrame, midY, HTRIGHT},
        {midX, m.Height - 1 - inFrame, HTBOTTOM},
        {midX, inFrame, HTTOP},
        {inFrame, inFrame, HTTOPLEFT},
        {m.Width - 1 - inFrame, m.Height - 1 - inFrame, HTBOTTOMRIGHT},
        {inFrame, m.Height - 1 - inFrame, HTBOTTOMLEFT},
        {m.Width - 1 - inFrame, inFrame, HTTOPRIGHT},
        {m.Width - m.Frame - 30, HeaderBottom(m) + m.MenuLine / 2, HTMENU},
        {midX, midY, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendMessageW(Window(), WM_NCHITTEST, 0, MAKELPARAM(r.left + c.X, r.top + c.Y)), c.Code)
            << c.X << "," << c.Y;
}

} // namespace
} // namespace pp::test
