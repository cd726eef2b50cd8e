// The engine's timer: re-arming, dropped re-entrant ticks, routed ticks.
#include "skin/paint/ThreadedTimerWin32.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

struct TTimerCalls {
    int Starts = 0;
    int Stops = 0;
    UINT LastInterval = 0;
};
TTimerCalls calls;

class RecordedTimerTest : public testing::Test {
protected:
    void SetUp() override
    {
        calls = {};
        previous_ = SetTimerService({[](HWND, UINT_PTR id, UINT interval) -> UINT_PTR {
                                         ++calls.Starts;
                                         calls.LastInterval = interval;
                                         return id;
                                     },
                                     [](HWND, UINT_PTR) { ++calls.Stops; }});
    }
    void TearDown() override { SetTimerService(previous_); }
    TTimerService previous_;
};

TEST_F(RecordedTimerTest, ThreadPriorityOnlyRearms)
{
    TacThreadedTimer timer(nullptr);
    timer.SetInterval(40);
    timer.SetOnTimer([](TObject*) {});
    calls = {};

    timer.SetThreadPriority(tpHighest);
    EXPECT_EQ(calls.Stops, 1);
    EXPECT_EQ(calls.Starts, 1);
    EXPECT_EQ(calls.LastInterval, 40u);
    EXPECT_EQ(timer.ThreadPriority(), tpHighest);
    EXPECT_TRUE(timer.Enabled());

    calls = {};
    timer.SetThreadPriority(tpHighest);
    EXPECT_EQ(calls.Stops + calls.Starts, 0) << "the same value again changes nothing";
}

TEST_F(RecordedTimerTest, ArmedOnlyWithIntervalEnabledAndHandler)
{
    TacThreadedTimer timer(nullptr);
    EXPECT_EQ(calls.Starts, 0) << "no handler yet";
    timer.SetOnTimer([](TObject*) {});
    EXPECT_EQ(calls.Starts, 1);
    EXPECT_EQ(calls.LastInterval, 1000u);
    calls = {};
    timer.SetInterval(0);
    EXPECT_EQ(calls.Starts, 0);
    timer.SetInterval(5);
    EXPECT_EQ(calls.Starts, 1);
    EXPECT_EQ(calls.LastInterval, 5u);
    calls = {};
    timer.SetEnabled(false);
    EXPECT_EQ(calls.Starts, 0);
}

TEST(ThreadedTimer, ATickArrivingDuringATickIsDropped)
{
    TacThreadedTimer timer(nullptr);
    timer.SetInterval(5);
    int calls = 0;
    int depth = 0;
    int deepest = 0;
    timer.SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++calls;
        deepest = std::max(deepest, ++depth);
        // The first tick runs a nested loop long enough for several more
        // ticks to fall due.
        if (calls == 1)
            PumpMessagesFor(60ms);
        --depth;
    });
    ASSERT_TRUE(PumpMessagesUntil([&] { return calls >= 3; }));
    EXPECT_EQ(deepest, 1);
}

class TRoutedTimer : public TacThreadedTimer {
public:
    TRoutedTimer() : TacThreadedTimer(nullptr, true) { }
    int Ticks = 0;

protected:
    void Tick() override { ++Ticks; }
};

TEST(ThreadedTimer, TheSecondConstructorStartsDisabledAndRoutesTicksToTick)
{
    TRoutedTimer timer;
    EXPECT_FALSE(timer.Enabled());
    timer.SetInterval(5);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpMessagesUntil([&] { return timer.Ticks >= 2; }));
}

} // namespace
} // namespace pp::test
