// How often the frame image is composed: activation, moves and caption
// hovers only copy it; every new size composes it once.
#include "FrameFixture.h"

#include "toolkit/Application.h"

namespace pp::test {
namespace {

// A second top-level window to take the activation away; it appears
// without taking it.
class TOtherWindow {
public:
    TOtherWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 600, 600, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr))
    {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
    ~TOtherWindow() { DestroyWindow(window_); }
    HWND Get() const { return window_; }

private:
    HWND window_;
};

void ActivateAndBack(HWND form, HWND other)
{
    SetActiveWindow(other);
    SendMessageW(form, WM_NCACTIVATE, FALSE, 0);
    Application->ProcessMessages();
    SetActiveWindow(form);
    SendMessageW(form, WM_NCACTIVATE, TRUE, 0);
    Application->ProcessMessages();
}

TEST_F(FrameTest, ActivationMoveAndCaptionHoverDoNotComposeSingleLookSkins)
{
    ShowSkinnedForm();
    const TOtherWindow other;
    ASSERT_EQ(GetActiveWindow(), Window());
    const int before = Frame().Rebuilds;
    ActivateAndBack(Window(), other.Get());
    RECT r{};
    GetWindowRect(Window(), &r);
    SetWindowPos(Window(), nullptr, r.left + 15, r.top + 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const TFrameMeasures m = Frame().Measures();
    const LPARAM caption = MAKELPARAM(r.left + 15 + m.Width / 2, r.top + 9 + m.Frame + m.Caption / 2);
    SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, caption);
    SendMessageW(Window(), WM_NCPAINT, 1, 0);
    Settle();
    EXPECT_EQ(Frame().Rebuilds, before);
}

TEST_F(FrameTest, ActivationComposesAgainWhenTheFormHasTwoLooks)
{
    manager->Skin().SectionAt(manager->GetSkinIndex("FORM")).States = 2;
    ShowSkinnedForm();
    const TOtherWindow other;
    ASSERT_EQ(GetActiveWindow(), Window());
    const int before = Frame().Rebuilds;
    ActivateAndBack(Window(), other.Get());
    EXPECT_EQ(Frame().Rebuilds, before + 2) << "one inactive and one active image";
    EXPECT_EQ(Frame().ActiveLook, 1);
    const TPoint client = Frame().ClientOffset();
    EXPECT_EQ(ImagePixel(client.X + 10, client.Y + 10), FormHotColor) << "the active form's look is state 1";
}

TEST_F(FrameTest, DraggingTheCornerComposesOncePerNewSize)
{
    ShowSkinnedForm();
    const int before = Frame().Rebuilds;
    RECT r{};
    GetWindowRect(Window(), &r);
    const int sizes[][2] = {{10, 5}, {20, 12}, {20, 12}, {35, 30}};
    for (const auto& grow : sizes) {
        SetWindowPos(Window(), nullptr, 0, 0, r.right - r.left + grow[0], r.bottom - r.top + grow[1],
                     SWP_NOMOVE | SWP_NOZORDER);
        Settle();
    }
    EXPECT_EQ(Frame().Rebuilds, before + 3) << "the repeated size composes nothing";
    const TFrameMeasures m = Frame().Measures();
    EXPECT_EQ(Frame().FrameImage()->Size(), (TSize{m.Width, m.Height}));
    EXPECT_EQ(m.Width, r.right - r.left + 35);
    // The border mask is wider than the platform's frame, so the image's
    // border reaches into the client; where it ran before, the client's
    // background shows now.
    const int oldClientRight = r.right - r.left - m.Frame * 2 - 1;
    HDC dc = GetDC(Window());
    const COLORREF oldEdge = GetPixel(dc, oldClientRight, 50);
    ReleaseDC(Window(), dc);
    EXPECT_EQ(static_cast<TColor>(oldEdge), FormColor);
}

TEST_F(FrameTest, NewCaptionTextComposesTheFrameAndKeepsThePlatformCaptionAway)
{
    ShowSkinnedForm();
    const int before = Frame().Rebuilds;
    form->SetCaption("Other caption");
    Settle();
    EXPECT_EQ(Frame().Rebuilds, before + 1);
    EXPECT_NE(GetWindowLongW(Window(), GWL_STYLE) & WS_VISIBLE, 0) << "the window stays visible";
}

TEST_F(FrameTest, PaintingGivesBackEveryHandle)
{
    ShowSkinnedForm();
    const THandleKind kinds[] = {THandleKind::DC, THandleKind::Bitmap, THandleKind::Region,
                                 THandleKind::Font};
    long counts[std::size(kinds)];
    for (std::size_t i = 0; i < std::size(kinds); ++i)
        counts[i] = LiveHandleCount(kinds[i]);
    for (int round = 0; round < 3; ++round) {
        Frame().RepaintFrame();
        SendMessageW(Window(), WM_NCPAINT, 1, 0);
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        Settle();
    }
    for (std::size_t i = 0; i < std::size(kinds); ++i)
        EXPECT_EQ(LiveHandleCount(kinds[i]), counts[i]) << HandleKindName(kinds[i]);
}

} // namespace
} // namespace pp::test
