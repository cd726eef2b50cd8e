// Glow windows around a control the mouse is over: whether one shows, its
// size, its cut where the control is covered, and what goes to the
// layered-window update.
#include "animation/AnimationFixture.h"
#include "skin/paint/GlowWin32.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// The form at (200, 150), 120 x 80, no frame: its client area starts there.
constexpr int FormLeft = 200;
constexpr int FormTop = 150;

class GlowTest : public testing::Test {
protected:
    void Make(const TSectionValues& values)
    {
        form_ = ShownForm(FormLeft, FormTop, 120, 80);
        manager_ = MakeManager(values, true);
        button_ = std::make_unique<TAnimatedButton>(form_.get(), *manager_);
    }
    void TearDown() override
    {
        if (button_)
            RemoveGlow(button_->GlowHandle());
        RemoveAllGlows(true);
        PumpMessagesFor(20ms);
    }
    // Puts the control at (left, top) in the form, 20 x 10, and the mouse
    // over the given point of the form.
    void PlaceAndHover(int left, int top, TPoint mouseInForm)
    {
        button_->SetBounds(left, top, 20, 10);
        SetCursorPos(FormLeft + mouseInForm.X, FormTop + mouseInForm.Y);
        PumpMessagesFor(10ms);
    }

    std::unique_ptr<TForm> form_;
    std::unique_ptr<TsSkinManager> manager_;
    std::unique_ptr<TAnimatedButton> button_;
};

TEST_F(GlowTest, Glow0ShowsNoGlow)
{
    TLayeredRecorder layered;
    Make({.Glow = 0});
    PlaceAndHover(30, 30, {35, 35});
    UpdateControlGlow(*button_, false);
    EXPECT_EQ(button_->GlowHandle(), -1);
    EXPECT_TRUE(layered.Pushes.empty());
}

// GLOW0 has borders of 1 on every side; margin 0: 20 + 2 by 10 + 2, one
// pixel left of and above the control.
TEST_F(GlowTest, Glow1IsTheControlsSizePlusTheImagesBorders)
{
    TLayeredRecorder layered;
    Make({.Glow = 1, .GlowMargin = 0});
    PlaceAndHover(30, 30, {35, 35});
    UpdateControlGlow(*button_, false);
    ASSERT_GE(button_->GlowHandle(), 0);
    ASSERT_EQ(layered.Pushes.size(), 1u);
    const auto& push = layered.Pushes[0];
    EXPECT_EQ(push.Size, (TSize{22, 12}));
    EXPECT_EQ(push.Position, (TPoint{FormLeft + 29, FormTop + 29}));
    EXPECT_EQ(push.Source, (TPoint{0, 0}));
    EXPECT_EQ(push.Alpha, 255);
    // The whole picture is the image drawn around the control: white.
    EXPECT_EQ(push.Picture.Size(), (TSize{22, 12}));
    EXPECT_EQ(push.Picture.Pixel32(0, 0).R, 255);
    EXPECT_EQ(push.Picture.Pixel32(21, 11).B, 255);

    HWND glow = push.Window;
    const LONG_PTR exStyle = GetWindowLongPtrW(glow, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(glow));
    EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(FormLeft + 30, FormTop + 30)), HTTRANSPARENT);
    EXPECT_EQ(GetWindow(form_->Handle(), GW_HWNDPREV), glow) << "directly above the form";
    RECT r{};
    GetWindowRect(glow, &r);
    EXPECT_EQ(r.left, FormLeft + 29);
    EXPECT_EQ(r.right - r.left, 22);
}

// The control reaches 10 pixels past the form's right edge (120): only
// x = 0..9 of it shows. Right cut = 20 + 1 - 10 = 11: 22 - 11 = 11 wide.
TEST_F(GlowTest, AControlHalfCoveredByItsParentsEdgeGetsItsGlowCutThere)
{
    TLayeredRecorder layered;
    Make({.Glow = 1});
    PlaceAndHover(110, 30, {115, 35});
    UpdateControlGlow(*button_, false);
    ASSERT_EQ(layered.Pushes.size(), 1u);
    EXPECT_EQ(layered.Pushes[0].Size, (TSize{11, 12}));
    EXPECT_EQ(layered.Pushes[0].Position, (TPoint{FormLeft + 109, FormTop + 29}));
}

// The same for a control without a window: its visible part comes from
// its parent's clip box, moved to the control and cut to its size.
TEST_F(GlowTest, AWindowlessControlHalfCoveredGetsItsGlowCutToo)
{
    TLayeredRecorder layered;
    Make({.Glow = 1});
    TAnimatedGraphic graphic(form_.get(), *manager_);
    graphic.SetBounds(110, 50, 20, 10);
    SetCursorPos(FormLeft + 115, FormTop + 55);
    UpdateControlGlow(graphic, false);
    ASSERT_EQ(layered.Pushes.size(), 1u);
    EXPECT_EQ(layered.Pushes[0].Size, (TSize{11, 12}));
    EXPECT_EQ(layered.Pushes[0].Position, (TPoint{FormLeft + 109, FormTop + 49}));
    RemoveGlow(graphic.GlowHandle());
}

TEST_F(GlowTest, LeavingOrMovingAwayRemovesTheGlow)
{
    TLayeredRecorder layered;
    Make({.Glow = 1});
    PlaceAndHover(30, 30, {35, 35});
    UpdateControlGlow(*button_, false);
    ASSERT_GE(button_->GlowHandle(), 0);
    UpdateControlGlow(*button_, true);
    EXPECT_EQ(button_->GlowHandle(), -1);
    EXPECT_TRUE(TacGlowEffects().empty());

    UpdateControlGlow(*button_, false);
    ASSERT_GE(button_->GlowHandle(), 0);
    SetCursorPos(FormLeft + 100, FormTop + 70);
    UpdateControlGlow(*button_, false);
    EXPECT_EQ(button_->GlowHandle(), -1) << "the mouse is elsewhere";
}

TEST_F(GlowTest, WithoutLayeredWindowsThereIsNoGlow)
{
    TLayeredRecorder layered(false);
    Make({.Glow = 1});
    EXPECT_EQ(CreateGlow({0, 0, 20, 10}, {0, 0, 20, 10}, "BUTTON", *manager_, form_->Handle(), 255, 0), -1);
    EXPECT_TRUE(layered.Pushes.empty());
}

TEST_F(GlowTest, ASkinWithoutTheGlowImageGivesNoGlow)
{
    TLayeredRecorder layered;
    Make({.Glow = 1});
    EXPECT_EQ(
        CreateGlow({0, 0, 20, 10}, {0, 0, 20, 10}, "BUTTON", *manager_, form_->Handle(), 255, 0, "SHINE"),
        -1);
}

TEST_F(GlowTest, AHandleKeptAcrossRemovingAllGlowsNeverClosesANewerGlow)
{
    TLayeredRecorder layered;
    Make({.Glow = 1});
    int stale = CreateGlow({0, 0, 20, 10}, {0, 0, 20, 10}, "BUTTON", *manager_, form_->Handle(), 255, 0);
    ASSERT_GE(stale, 0);
    RemoveAllGlows(true);
    int fresh = CreateGlow({0, 0, 20, 10}, {0, 0, 20, 10}, "BUTTON", *manager_, form_->Handle(), 255, 0);
    ASSERT_GE(fresh, 0);
    RemoveGlow(stale);
    EXPECT_EQ(stale, -1);
    EXPECT_EQ(TacGlowEffects().count(fresh), 1u);
    RemoveGlow(fresh);
}

} // namespace
} // namespace pp::test
