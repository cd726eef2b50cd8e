// Show and hide animations: their frames as handed to the layered-window
// update, their events, and the message loop running meanwhile.
#include "animation/AnimationFixture.h"
#include "skin/paint/AnimationPlayerWin32.h"
#include "skin/paint/AnimationState.h"
#include "skin/paint/HideTimerWin32.h"
#include "skin/paint/ShowAnimationWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TBitmap Snapshot(int width, int height)
{
    TBitmap picture(width, height);
    picture.Fill(TBGRA{10, 20, 30, 0});
    return picture;
}

class WindowAnimationTest : public testing::Test {
protected:
    void SetUp() override { form_ = ShownForm(100, 100, 80, 40); }
    void TearDown() override { PumpMessagesFor(10ms); }

    TFormShowRequest ShowRequest(int timeMs)
    {
        TFormShowRequest request;
        request.Window = form_->Handle();
        request.Snapshot = Snapshot(80, 40);
        request.TimeMs = timeMs;
        request.Mode = atFading;
        request.ShowRealWindow = [this] { ++realShows_; };
        request.AfterAnimation = [this](int value) { afterValues_.push_back(value); };
        return request;
    }
    TWindowHideRequest HideRequest(int timeMs, std::vector<int>& events)
    {
        TWindowHideRequest request;
        request.Window = form_->Handle();
        request.Snapshot = Snapshot(80, 40);
        request.TimeMs = timeMs;
        request.Mode = atFading;
        request.AfterAnimation = [&events](int value) { events.push_back(value); };
        return request;
    }

    std::unique_ptr<TForm> form_;
    int realShows_ = 0;
    std::vector<int> afterValues_;
};

TEST_F(WindowAnimationTest, ShowTime0PlaysNothing)
{
    TLayeredRecorder layered;
    AnimateFormShow(ShowRequest(0));
    EXPECT_EQ(realShows_, 1) << "shown at once";
    EXPECT_EQ(afterValues_, std::vector<int>{0});
    EXPECT_TRUE(layered.Pushes.empty());
    EXPECT_EQ(RunningAnimations(), 0);
}

// 120 ms: 10 steps, 11 frames after the first picture at alpha 0; the
// alpha rises by 25.5 a step (to the nearest) and stays at 255.
TEST_F(WindowAnimationTest, Show120msGivesTenStepsAndElevenFrames)
{
    TLayeredRecorder layered;
    AnimateFormShow(ShowRequest(120));
    EXPECT_TRUE(AnimationState.FormAnimation);
    EXPECT_EQ(realShows_, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !afterValues_.empty(); }));

    EXPECT_EQ(realShows_, 1);
    EXPECT_EQ(afterValues_, std::vector<int>{0});
    EXPECT_FALSE(AnimationState.FormAnimation);
    ASSERT_EQ(layered.Pushes.size(), 12u);
    std::vector<int> alphas;
    for (const auto& push : layered.Pushes)
        alphas.push_back(push.Alpha);
    EXPECT_EQ(alphas, (std::vector<int>{0, 26, 51, 77, 102, 128, 153, 179, 204, 230, 255, 255}));
    // The picture goes up opaque, at the window's place and size.
    EXPECT_EQ(layered.Pushes[1].Picture.Pixel32(5, 5).A, 255);
    EXPECT_EQ(layered.Pushes[1].Size, (TSize{80, 40}));
    EXPECT_EQ(layered.Pushes[1].Position, (TPoint{100, 100}));
}

TEST_F(WindowAnimationTest, OtherTimersKeepTickingWhileAShowAnimationPlays)
{
    TLayeredRecorder layered;
    TTimer refresh(nullptr);
    refresh.SetInterval(10);
    int ticks = 0;
    refresh.SetOnTimer([&](TObject*) { ++ticks; });
    // 240 ms of animation: 20 steps.
    AnimateFormShow(ShowRequest(240));
    const int ticksAtStart = ticks;
    ASSERT_TRUE(PumpMessagesUntil([&] { return realShows_ > 0; }));
    // A loop with sleeps would have held every tick back until the end.
    EXPECT_GE(ticks - ticksAtStart, 5);
}

TEST_F(WindowAnimationTest, HideFiresItsAfterAnimationEventOnce)
{
    TLayeredRecorder layered;
    std::vector<int> events;
    AnimateWindowHide(HideRequest(60, events));
    ASSERT_TRUE(HideTimer());
    EXPECT_TRUE(HideTimer()->Running());
    ASSERT_TRUE(PumpMessagesUntil([&] { return !events.empty(); }));
    PumpMessagesFor(50ms);
    EXPECT_EQ(events, std::vector<int>{1});
    // 5 steps: the snapshot at 255, then frames at 204, 153, 102, 51, 0, 0.
    std::vector<int> alphas;
    for (const auto& push : layered.Pushes)
        alphas.push_back(push.Alpha);
    EXPECT_EQ(alphas, (std::vector<int>{255, 204, 153, 102, 51, 0, 0}));
    EXPECT_FALSE(HideTimer()->Running());
}

TEST_F(WindowAnimationTest, AHideCutShortStillTellsItsWindowOnce)
{
    TLayeredRecorder layered;
    std::vector<int> first, second;
    AnimateWindowHide(HideRequest(600, first));
    AnimateWindowHide(HideRequest(24, second));
    EXPECT_EQ(first, std::vector<int>{1});
    ASSERT_TRUE(PumpMessagesUntil([&] { return !second.empty(); }));
    EXPECT_EQ(first, std::vector<int>{1});
    EXPECT_EQ(second, std::vector<int>{1});
}

TEST_F(WindowAnimationTest, DestroyingTheHideTimerMidwayFiresTheEventOnce)
{
    TLayeredRecorder layered;
    std::vector<int> events;
    {
        TacHideTimer timer(nullptr);
        timer.Play(HideRequest(600, events));
        PumpMessagesFor(30ms);
        EXPECT_TRUE(events.empty());
    }
    EXPECT_EQ(events, std::vector<int>{1});
}

TEST_F(WindowAnimationTest, AHideWhoseWindowWasDestroyedTellsNobody)
{
    TLayeredRecorder layered;
    std::vector<int> events;
    AnimateWindowHide(HideRequest(60, events));
    form_.reset();
    PumpMessagesFor(150ms);
    EXPECT_FALSE(HideTimer()->Running());
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowAnimationTest, HideWithoutStepsIsSkippedButStillEnds)
{
    TLayeredRecorder layered;
    std::vector<int> events;
    AnimateWindowHide(HideRequest(0, events));
    EXPECT_EQ(events, std::vector<int>{1});
    EXPECT_TRUE(layered.Pushes.empty());
}

} // namespace
} // namespace pp::test
