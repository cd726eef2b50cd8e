// The main window's bitmap buttons under the built-in default skin: the
// cache takes the parent's colour in the border's transparent corners,
// only the large button's border cuts a window region (and removing the
// skin gives it back), hover and focus change the look, a disabled button
// fades toward its parent. The skin reaches the button by the set-skin
// command, as the manager's broadcast delivers it.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/controls/sBitBtnWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/PixelMath.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pp::test {
namespace {

class SkinnedBitBtn : public ::testing::Test {
protected:
    void SetUp() override
    {
        port::InitializePort("sim", "");
        // The tests send the mouse's comings and goings themselves; the real
        // pointer, in the middle of the screen where the form is centred,
        // would add hovers and a hint of its own.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        form = new TForm1(Application);
        form->Timer1->SetEnabled(false);
        button = form->sBitBtn1;
        manager = form->sSkinManager1;
        form->Show();
        Send(SkinMsgSetSkin);
        Paint();
    }
    void TearDown() override
    {
        delete form;
        port::ShutdownPort();
    }
    void Send(TSkinCommand command) { SendSkinCommand(button, command, reinterpret_cast<LPARAM>(manager)); }
    void Paint()
    {
        RedrawWindow(button->HandleValue(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Application->ProcessMessages();
    }
    std::uint32_t CachePixel(int x, int y) const
    {
        return PixelValue(button->SkinData.CacheBitmap->Pixel32(x, y)) & 0xFFFFFFu;
    }
    bool HasWindowRegion() const
    {
        const TRegionHandle probe(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(button->HandleValue(), probe.Get()) != ERROR;
    }
    const TsGeneralData& Section() const { return *button->SkinData.Section(); }

    TForm1* form = nullptr;
    TsBitBtn* button = nullptr;
    TsSkinManager* manager = nullptr;
};

TEST_F(SkinnedBitBtn, TheBorderCornersShowTheParentsColourAndNoRegionIsCut)
{
    ASSERT_TRUE(button->PaintsSkinned());
    EXPECT_EQ(button->SkinData.SkinSection(), "BUTTON");
    ASSERT_EQ(button->SkinData.CacheBitmap->Size(), (TSize{75, 25}));
    // The unskinned form answers with its own colour.
    const std::uint32_t parent = SwapChannelOrder(ColorToRGB(form->Color()));
    EXPECT_EQ(CachePixel(0, 0), parent);
    EXPECT_EQ(CachePixel(74, 24), parent);
    EXPECT_NE(CachePixel(37, 2), parent);
    EXPECT_FALSE(HasWindowRegion());
}

TEST_F(SkinnedBitBtn, OnlyTheLargeButtonsBorderCutsTheWindowAndRemovingTheSkinRestoresIt)
{
    button->SkinData.SetSkinSection("BUTTON_HUGE");
    Paint();
    ASSERT_TRUE(button->PaintsSkinned());
    EXPECT_TRUE(HasWindowRegion());
    const long regions = LiveHandleCount(THandleKind::Region);
    Paint();
    Paint();
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), regions);
    Send(SkinMsgRemoveSkin);
    EXPECT_FALSE(button->PaintsSkinned());
    EXPECT_FALSE(HasWindowRegion());
}

TEST_F(SkinnedBitBtn, ALargeButtonThatShrinksHasItsOldCornersRepaintedOnItsParent)
{
    button->SkinData.SetSkinSection("BUTTON_HUGE");
    Paint();
    ASSERT_TRUE(HasWindowRegion());
    Paint(); // the region is in place; the next change of size makes a new one
    const TRect old = button->BoundsRect();
    ValidateRect(form->HandleValue(), nullptr);
    button->SetBounds(old.Left, old.Top, old.Width() - 20, old.Height() - 6);
    ValidateRect(form->HandleValue(), nullptr);
    UpdateWindow(button->HandleValue());
    RECT dirty{};
    ASSERT_TRUE(GetUpdateRect(form->HandleValue(), &dirty, FALSE));
    // The old bottom-right corner lies outside the smaller button.
    const POINT oldCorner{old.Right - 1, old.Bottom - 1};
    EXPECT_TRUE(PtInRect(&dirty, oldCorner));
}

TEST_F(SkinnedBitBtn, HoverFadesToTheHotImageAndASecondEnterIsNotAnnounced)
{
    int enters = 0;
    button->OnMouseEnter = [&](TObject*) { ++enters; };
    const std::uint32_t normal = CachePixel(37, 12);
    button->Perform(CM_MOUSEENTER, 0, 0);
    // The section fades: the change is shown in steps, 10 ms apart.
    EXPECT_TRUE(button->FadeRunning());
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(enters, 1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !button->FadeRunning(); }));
    EXPECT_EQ(button->PaintState(), TButtonPaintState::Hot);
    EXPECT_NE(CachePixel(37, 12), normal);

    button->Perform(CM_MOUSELEAVE, 0, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !button->FadeRunning(); }));
    Paint();
    EXPECT_EQ(CachePixel(37, 12), normal);
}

TEST_F(SkinnedBitBtn, WithoutFadingEventsTheHotLookIsPaintedAtOnce)
{
    button->AnimatEvents = 0;
    const std::uint32_t normal = CachePixel(37, 12);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(button->FadeRunning());
    EXPECT_NE(CachePixel(37, 12), normal);
}

TEST_F(SkinnedBitBtn, AQuickClickShowsThePressedLookBeforeTheReleaseFade)
{
    button->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !button->FadeRunning(); }));
    std::vector<TButtonPaintState> looks;
    button->OnPaint = [&](TObject*, TBitmap&) { looks.push_back(button->PaintState()); };
    const HWND window = button->HandleValue();
    const LPARAM inside = MAKELPARAM(10, 10);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_TRUE(button->FadeRunning());
    SendMessageW(window, WM_LBUTTONUP, 0, inside);
    EXPECT_NE(std::find(looks.begin(), looks.end(), TButtonPaintState::Pressed), looks.end());
    ASSERT_TRUE(PumpMessagesUntil([&] { return !button->FadeRunning(); }));
    ASSERT_FALSE(looks.empty());
    EXPECT_EQ(looks.back(), TButtonPaintState::Hot);
}

TEST_F(SkinnedBitBtn, AFocusedButtonShowsDotsInTheHotTextColourAroundItsCaption)
{
    button->SetFocus();
    Paint();
    ASSERT_TRUE(button->Focused());
    TBitmap probe(75, 25);
    TBitmapCanvas canvas(probe);
    const TRect caption = button->ComputeLayout(canvas).CaptionRect;
    const TRect frame = caption.Inflate(button->FocusMargin + 1, button->FocusMargin);
    const std::uint32_t dots = SwapChannelOrder(Section().Props[1].FontColor[fcMain]);
    EXPECT_EQ(CachePixel(frame.Left + 2, frame.Top), dots);
    EXPECT_EQ(CachePixel(frame.Left + 4, frame.Bottom - 1), dots);
}

std::vector<long> LiveHandleCounts()
{
    std::vector<long> counts;
    for (std::size_t i = 0; i < std::size_t(THandleKind::Count); ++i)
        counts.push_back(LiveHandleCount(static_cast<THandleKind>(i)));
    return counts;
}

// Every fade makes its frames and, when it ends, frees its timer; a leave
// during an enter's fade turns that fade back. Over many cycles of both
// kinds nothing may be left behind.
TEST_F(SkinnedBitBtn, ManyEntersAndLeavesWithFadesLeaveTheHandleCountsWhereTheyWere)
{
    const std::vector<long> start = LiveHandleCounts();
    const auto fadeEnds = [&] { return PumpMessagesUntil([&] { return !button->FadeRunning(); }); };
    for (int cycle = 0; cycle < 200; ++cycle) {
        button->Perform(CM_MOUSEENTER, 0, 0);
        ASSERT_TRUE(button->FadeRunning()) << cycle;
        // Every other enter fades to its end; the others are left while
        // their fade is still running.
        if (cycle % 2 == 0) {
            ASSERT_TRUE(fadeEnds()) << cycle;
        }
        button->Perform(CM_MOUSELEAVE, 0, 0);
        ASSERT_TRUE(fadeEnds()) << cycle;
    }
    EXPECT_EQ(button->PaintState(), TButtonPaintState::Normal);
    EXPECT_EQ(LiveHandleCounts(), start);
}

TEST_F(SkinnedBitBtn, ADisabledButtonFadesHalfwayTowardItsParentsColour)
{
    const std::uint32_t enabled = CachePixel(37, 2);
    button->SetEnabled(false);
    Paint();
    const std::uint32_t parent = SwapChannelOrder(ColorToRGB(form->Color()));
    const std::uint32_t disabled = CachePixel(37, 2);
    for (int shift : {0, 8, 16}) {
        const int e = int(enabled >> shift & 0xFF), p = int(parent >> shift & 0xFF);
        const int d = int(disabled >> shift & 0xFF);
        EXPECT_NEAR(d, (e + p) / 2, 1) << shift;
    }
}

} // namespace
} // namespace pp::test
