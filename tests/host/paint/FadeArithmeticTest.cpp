// The fade's frames, its restart after an earlier fade, and which button
// events fade, worked by hand.
#include "skin/paint/FadeEvents.h"
#include "skin/paint/FadeFrame.h"
#include "skin/paint/FadeProgress.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp {
namespace {

TEST(FadeFrame, FiveIterationsShowFifthsOf255)
{
    std::vector<int> weights;
    for (int level = 1; level <= 5; ++level)
        weights.push_back(FadeFrameWeight(level, 5));
    EXPECT_EQ(weights, (std::vector<int>{51, 102, 153, 204, 255}));
}

TEST(FadeFrame, NoIterationsGiveTheNewLookWithoutDividingByZero)
{
    EXPECT_EQ(FadeFrameWeight(1, 0), 255);
    EXPECT_EQ(FadeFrameWeight(1, -3), 255);
}

// Old look 200/100/0 per channel in pixel 0, 100/200/255 in pixel 1; new
// look the reverse. out = ((255 - b) * (old - new) + new * 256) >> 8.
TEST(FadeFrame, BlendsTheOldLookTowardTheNewOne)
{
    TBitmap oldLook(2, 1), newLook(2, 1);
    oldLook.Pixel32(0, 0) = TBGRA{200, 100, 0, 255};
    oldLook.Pixel32(1, 0) = TBGRA{100, 200, 255, 255};
    newLook.Pixel32(0, 0) = TBGRA{100, 200, 255, 255};
    newLook.Pixel32(1, 0) = TBGRA{200, 100, 0, 255};

    // b = 51, old weight 204. Blue: (204 * 100 + 100 * 256) >> 8 = 46000 >> 8
    // = 179; green: (204 * -100 + 200 * 256) >> 8 = 30800 >> 8 = 120; red:
    // (204 * -255 + 255 * 256) >> 8 = 13260 >> 8 = 51. Pixel 1 the other way:
    // 120, 179, and red (204 * 255) >> 8 = 52020 >> 8 = 203.
    const TBitmap first = MakeFadeFrame(oldLook, newLook, 1, 5);
    EXPECT_EQ(first.Pixel32(0, 0).B, 179);
    EXPECT_EQ(first.Pixel32(0, 0).G, 120);
    EXPECT_EQ(first.Pixel32(0, 0).R, 51);
    EXPECT_EQ(first.Pixel32(1, 0).B, 120);
    EXPECT_EQ(first.Pixel32(1, 0).G, 179);
    EXPECT_EQ(first.Pixel32(1, 0).R, 203);

    const TBitmap last = MakeFadeFrame(oldLook, newLook, 5, 5);
    EXPECT_EQ(last.Pixel32(0, 0).B, 100);
    EXPECT_EQ(last.Pixel32(0, 0).R, 255);
    EXPECT_EQ(last.Pixel32(1, 0).R, 0);
    // The old look itself is left as it was.
    EXPECT_EQ(oldLook.Pixel32(0, 0).B, 200);
}

TEST(FadeFrame, ALookOfAnotherSizeGivesTheNewLook)
{
    TBitmap oldLook(3, 1), newLook(2, 1);
    newLook.Fill(TBGRA{1, 2, 3, 255});
    const TBitmap frame = MakeFadeFrame(oldLook, newLook, 1, 5);
    ASSERT_EQ(frame.Size(), newLook.Size());
    EXPECT_EQ(frame.Pixel32(1, 0).R, 3);
}

struct TRestartCase {
    const char* Name;
    TFadeProgress Previous;
    bool Reused;
    bool Halve;
    int Level;
    int Iterations;
};

class FadeRestartTest : public testing::TestWithParam<TRestartCase> { };

TEST_P(FadeRestartTest, LevelAndIterations)
{
    const TRestartCase& c = GetParam();
    const TFadeProgress next = RestartFade(c.Previous, c.Reused, 5, c.Halve);
    EXPECT_EQ(next.Level, c.Level);
    EXPECT_EQ(next.Iterations, c.Iterations);
}

// FADINGITERATIONS 5 throughout.
INSTANTIATE_TEST_SUITE_P(Cases, FadeRestartTest,
                         testing::Values(TRestartCase{"NewTimer", {}, false, false, 1, 5},
                                         TRestartCase{"NewTimerHalved", {}, false, true, 1, 2},
                                         // A reused timer's level stands at 5; after direction 1 the
                                         // iterations are that level, and level 5 (not below 5) starts over.
                                         TRestartCase{"ReusedAfterFadeIn", {fdIn, 3, 5}, true, false, 1, 5},
                                         // After direction 2: 5 - 5 = 0 iterations, over at the first tick.
                                         TRestartCase{"ReusedAfterFadeOut", {fdOut, 3, 5}, true, false, 1, 0},
                                         TRestartCase{
                                             "ReusedAfterFadeInHalved", {fdIn, 6, 5}, true, true, 1, 2}),
                         [](const auto& info) { return info.param.Name; });

TEST(FadeProgress, OverOnceTheLevelLeavesTheIterations)
{
    EXPECT_FALSE(FadeOver({fdIn, 5, 5}));
    EXPECT_TRUE(FadeOver({fdIn, 6, 5}));
    EXPECT_TRUE(FadeOver({fdIn, 1, 0}));
    EXPECT_TRUE(FadeOver({fdIn, -1, 5}));
}

struct TEventCase {
    const char* Name;
    TFadeEvent Event;
    unsigned AnimatEvents;
    unsigned ManagerEvents;
    bool Fades;
};

class EventFadesTest : public testing::TestWithParam<TEventCase> { };

TEST_P(EventFadesTest, Decides)
{
    const TEventCase& c = GetParam();
    TacBtnEffects manager;
    manager.Events = c.ManagerEvents;
    EXPECT_EQ(EventFades(c.Event, c.AnimatEvents, manager), c.Fades);
}

constexpr unsigned AllManagerEvents = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;

INSTANTIATE_TEST_SUITE_P(
    Cases, EventFadesTest,
    testing::Values(
        TEventCase{"GlobalDefFollowsManagerEnter", feMouseEnter, FadeEventGlobalDefault, beMouseEnter, true},
        TEventCase{"GlobalDefWithoutManagerEnter", feMouseEnter, FadeEventGlobalDefault,
                   AllManagerEvents & ~beMouseEnter, false},
        TEventCase{"GlobalDefFollowsManagerUp", feMouseUp, FadeEventGlobalDefault, beMouseUp, true},
        TEventCase{"OwnEventWithoutGlobalDef", feMouseDown, FadeEventBit(feMouseDown), 0, true},
        TEventCase{"ManagerIgnoredWithoutGlobalDef", feMouseLeave, FadeEventBit(feMouseEnter),
                   AllManagerEvents, false},
        TEventCase{"NoEventsAtAll", feMouseEnter, 0, AllManagerEvents, false}),
    [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace pp
