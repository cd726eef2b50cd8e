// A skinned form minimizing to the taskbar and restoring from it on its own
// timer, with the platform's minimize animation off meanwhile; the main
// form doing the same through the application's window; the maximized size
// and edge snapping of a skinned form.
#include "FormAnimationSeams.h"
#include "FrameFixture.h"

#include "skin/forms/FormSnapshot.h"
#include "skin/forms/FormStateBits.h"
#include "skin/forms/LayeredStyle.h"
#include "skin/paint/HideTimerWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"

namespace pp::test {
namespace {

TRect WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

class FormAnimationTest : public FrameTest {
protected:
    void TearDown() override
    {
        if (madeMain)
            Application->SetMainForm(previousMain);
        FrameTest::TearDown();
    }
    bool Animating() const
    {
        const TacMinTimer* timer = provider->Animations().MinTimer();
        return provider->Animations().OwnAnimationRunning || (timer && timer->Enabled());
    }
    // Handles messages until the form's own animation is over (or 5 s went by).
    void WaitForAnimation()
    {
        const DWORD start = GetTickCount();
        while (Animating() && GetTickCount() - start < 5000) {
            Application->ProcessMessages();
            Sleep(5);
        }
        ASSERT_FALSE(Animating()) << "the animation never ended";
        Settle();
    }
    void MakeMainForm()
    {
        previousMain = Application->MainForm();
        madeMain = true;
        Application->SetMainForm(form);
    }
    std::vector<TRecordedPushes::TPush> PushesSince(size_t first) const
    {
        return {pushes.pushes.begin() + static_cast<std::ptrdiff_t>(first), pushes.pushes.end()};
    }

    TRecordedPushes pushes;
    TTaskbar noTaskbar;
    TCustomForm* previousMain = nullptr;
    bool madeMain = false;
};

// Minimize time 200: 13 steps, the opacity falling 255 / 12 a tick, so 11
// frames above 0 before it ends; the restore shows the same 11 rising and
// the last picture at the window's place.
void ExpectShrinkingFrames(const std::vector<TRecordedPushes::TPush>& frames, const TRect& window)
{
    ASSERT_EQ(frames.size(), 11u);
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_LT(frames[i].Alpha, frames[i - 1].Alpha) << "frame " << i;
        EXPECT_LT(frames[i].Rect.Width(), frames[i - 1].Rect.Width()) << "frame " << i;
    }
    EXPECT_LT(frames.front().Rect.Width(), window.Width());
    // No taskbar: the target is the work area's bottom edge below the window.
    EXPECT_GT(frames.back().Rect.Top, frames.front().Rect.Top);
}

void ExpectGrowingFrames(const std::vector<TRecordedPushes::TPush>& frames, const TRect& window)
{
    ASSERT_EQ(frames.size(), 12u) << "11 frames and the picture at the window's place";
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_GT(frames[i].Alpha, frames[i - 1].Alpha) << "frame " << i;
        EXPECT_GT(frames[i].Rect.Width(), frames[i - 1].Rect.Width()) << "frame " << i;
    }
    EXPECT_EQ(frames.back().Alpha, 255);
    EXPECT_EQ(frames.back().Rect.Left, window.Left);
    EXPECT_EQ(frames.back().Rect.Top, window.Top);
    EXPECT_EQ(frames.back().Rect.Width(), window.Width());
}

TEST_F(FormAnimationTest, FormMinimizesAndRestoresThroughItsOwnAnimation)
{
    ShowSkinnedForm();
    const TRect place = WindowRect(Window());
    TRecordedSetting setting(true);

    SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(Window()));
    EXPECT_EQ(setting.writes, (std::vector<bool>{false, true})) << "off around the minimizing only";
    WaitForAnimation();
    ExpectShrinkingFrames(pushes.pushes, place);
    EXPECT_FALSE(IsLayeredWindow(Window())) << "the form is plain again once the picture has gone";

    const size_t restoreStart = pushes.pushes.size();
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsIconic(Window())) << "the window waits for the animation";
    WaitForAnimation();
    ExpectGrowingFrames(PushesSince(restoreStart), place);
    EXPECT_FALSE(IsIconic(Window()));
    const TRect after = WindowRect(Window());
    EXPECT_EQ(after.Left, place.Left);
    EXPECT_EQ(after.Top, place.Top);
    EXPECT_EQ(after.Width(), place.Width());
    EXPECT_FALSE(IsLayeredWindow(Window()));
    EXPECT_TRUE(setting.On());
    EXPECT_EQ(provider->Animations().StateBits & (fsMinimizeHid | fsRestorePending), 0u);
}

TEST_F(FormAnimationTest, MainFormMinimizesAsTheApplicationInBothCompositionModes)
{
    ShowSkinnedForm();
    MakeMainForm();
    const TRect place = WindowRect(Window());
    for (const bool composited : {false, true}) {
        SCOPED_TRACE(composited ? "composition on" : "composition off");
        const TComposition composition(composited);
        TRecordedSetting setting(true);
        const size_t first = pushes.pushes.size();

        SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(Window()));
        // Without composition the application minimizes with the user's
        // animation off; with it the platform's own transitions are the
        // window's, and the setting is left alone.
        EXPECT_EQ(setting.writes, (composited ? std::vector<bool>{} : std::vector<bool>{false, true}));
        WaitForAnimation();
        EXPECT_EQ(PushesSince(first).size(), 11u);

        const size_t restoreStart = pushes.pushes.size();
        SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
        WaitForAnimation();
        ExpectGrowingFrames(PushesSince(restoreStart), place);
        EXPECT_FALSE(IsIconic(Window()));
        EXPECT_EQ(WindowRect(Window()).Top, place.Top);
        EXPECT_TRUE(setting.On());
    }
}

TEST_F(FormAnimationTest, RestoreIsRefusedWithoutAMinimizedPictureOrWhileOneIsPending)
{
    ShowSkinnedForm();
    TFormAnimations& animations = provider->Animations();
    EXPECT_FALSE(animations.StartRestoring()) << "nothing was minimized";
    // Minimized by other means: restoring takes the platform's way at once.
    ShowWindow(Window(), SW_MINIMIZE);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(Window()));

    SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    WaitForAnimation();
    EXPECT_TRUE(animations.StartRestoring());
    EXPECT_FALSE(animations.StartRestoring()) << "one restore at a time";
    WaitForAnimation();
    EXPECT_FALSE(IsIconic(Window()));
}

TEST_F(FormAnimationTest, MinimizingInactiveLeavesItToThePlatform)
{
    ShowSkinnedForm();
    manager->AnimEffects.Minimizing.Active = false;
    TRecordedSetting setting(true);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(Window()));
    EXPECT_TRUE(pushes.pushes.empty());
    EXPECT_TRUE(setting.writes.empty());
    EXPECT_FALSE(provider->Animations().OwnAnimationRunning);
}

// The work area of the form's monitor.
TRect WorkArea(HWND window)
{
    MONITORINFO info{sizeof(info), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

TEST_F(FormAnimationTest, MaximizedFormPutsItsFrameOutsideTheWorkArea)
{
    ShowSkinnedForm();
    RECT client{};
    GetClientRect(Window(), &client);
    const int frame = (WindowRect(Window()).Width() - client.right) / 2;
    ASSERT_GT(frame, 0);
    MINMAXINFO info{};
    SendMessageW(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const TRect work = WorkArea(Window());
    EXPECT_EQ(info.ptMaxPosition.x, -frame);
    EXPECT_EQ(info.ptMaxPosition.y, -frame);
    EXPECT_EQ(info.ptMaxSize.x, work.Width() + 2 * frame);
    EXPECT_EQ(info.ptMaxSize.y, work.Height() + 2 * frame);

    ShowWindow(Window(), SW_MAXIMIZE);
    Settle();
    const TRect maximized = WindowRect(Window());
    EXPECT_EQ(maximized.Left, work.Left - frame);
    EXPECT_EQ(maximized.Top, work.Top - frame);
    EXPECT_EQ(maximized.Right, work.Right + frame);
}

TEST_F(FormAnimationTest, DraggedFormSnapsToTheWorkAreaEdgesOnlyWhenAsked)
{
    ShowSkinnedForm();
    const TRect work = WorkArea(Window());
    const int width = WindowRect(Window()).Width();
    const int x = work.Right - width - 9;
    for (const bool snap : {false, true}) {
        provider->Moving().ScreenSnap = snap;
        SetWindowPos(Window(), nullptr, x, work.Top + 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(WindowRect(Window()).Right, snap ? work.Right : work.Right - 9)
            << (snap ? "snap" : "no snap");
    }
}

// With a FormShow and FormHide Time of 36 ms (3 steps) the form fades in
// on a layered window of its own and ends shown, and fades out after it
// was hidden; with the declared Time 0 it is shown and hidden at once.
TEST_F(FormAnimationTest, ShowAndHideFadeOnlyWithATime)
{
    for (const int time : {0, 36}) {
        SCOPED_TRACE("Time " + std::to_string(time));
        manager->AnimEffects.FormShow.Time = time;
        manager->AnimEffects.FormHide.Time = time;
        ShowSkinnedForm();
        if (time == 0) {
            EXPECT_TRUE(IsWindowVisible(Window())) << "shown at once";
        }
        const DWORD start = GetTickCount();
        while (!IsWindowVisible(Window()) && GetTickCount() - start < 3000) {
            Application->ProcessMessages();
            Sleep(5);
        }
        EXPECT_TRUE(IsWindowVisible(Window()));
        const size_t shown = pushes.pushes.size();
        EXPECT_EQ(shown, time == 0 ? 0u : 5u) << "the picture at alpha 0, then 4 frames";
        form->Hide();
        Settle();
        EXPECT_FALSE(IsWindowVisible(Window()));
        const DWORD hideStart = GetTickCount();
        while (HideTimer() && HideTimer()->Running() && GetTickCount() - hideStart < 3000) {
            Application->ProcessMessages();
            Sleep(5);
        }
        EXPECT_EQ(pushes.pushes.size() > shown, time != 0) << "the hide fades only with a time";
        delete provider;
        provider = nullptr;
        delete menu;
        menu = nullptr;
    }
}

// The picture that shrinks away shows the form's controls, at their places.
TEST_F(FormAnimationTest, PictureOfTheFormShowsItsControls)
{
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 30, 80, 25);
    button->SetCaption("D0(1)");
    ShowSkinnedForm();
    const TBitmap picture = FormSnapshot(*form);
    const TPoint client = Frame().ClientOffset();
    const TColor background = ColorFromPixel(picture.Pixel32(client.X + 150, client.Y + 100));
    int differing = 0;
    for (int y = 30; y < 55; ++y)
        for (int x = 20; x < 100; ++x)
            differing += ColorFromPixel(picture.Pixel32(client.X + x, client.Y + y)) != background;
    EXPECT_GT(differing, 200) << "the button is in the picture";
}

} // namespace
} // namespace pp::test
