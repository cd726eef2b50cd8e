// The timer's enabled and interval rules, against a recording stand-in for
// the platform's timer calls; punctual timers ticking from inside long work.
#include "toolkit/Timer.h"
#include "support/WinTestSupport.h"
#include "toolkit/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <utility>

namespace pp::test {
namespace {

struct TTimerCalls {
    int Starts = 0;
    int Stops = 0;
    UINT LastInterval = 0;
    bool Refuse = false;
};
TTimerCalls calls;

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls = {};
        previous_ = SetTimerService({[](HWND, UINT_PTR id, UINT interval) -> UINT_PTR {
                                         if (calls.Refuse)
                                             return 0;
                                         ++calls.Starts;
                                         calls.LastInterval = interval;
                                         return id;
                                     },
                                     [](HWND, UINT_PTR) { ++calls.Stops; }});
        timer_ = std::make_unique<TTimer>(nullptr);
        timer_->SetOnTimer([](TObject*) {});
        calls.Starts = calls.Stops = 0;
    }
    void TearDown() override
    {
        timer_.reset();
        SetTimerService(previous_);
    }
    std::unique_ptr<TTimer> timer_;
    TTimerService previous_;
};

TEST_F(TimerTest, SettingTheSameValueAgainDoesNothing)
{
    timer_->SetEnabled(true);
    timer_->SetInterval(timer_->Interval());
    EXPECT_EQ(calls.Starts, 0);
    EXPECT_EQ(calls.Stops, 0);
}

TEST_F(TimerTest, AChangeRestartsThePlatformTimerWithTheFullInterval)
{
    timer_->SetInterval(250);
    EXPECT_EQ(calls.Stops, 1);
    EXPECT_EQ(calls.Starts, 1);
    EXPECT_EQ(calls.LastInterval, 250u);
    timer_->SetEnabled(false);
    EXPECT_EQ(calls.Stops, 2);
    EXPECT_FALSE(timer_->Running());
    timer_->SetEnabled(true);
    EXPECT_EQ(calls.Starts, 2);
    EXPECT_TRUE(timer_->Running());
}

TEST_F(TimerTest, IntervalZeroKeepsTheTimerEnabledButSilent)
{
    timer_->SetInterval(0);
    EXPECT_TRUE(timer_->Enabled());
    EXPECT_FALSE(timer_->Running());
    timer_->SetEnabled(false);
    timer_->SetEnabled(true);
    EXPECT_EQ(calls.Starts, 0);
    timer_->SetInterval(100);
    EXPECT_TRUE(timer_->Running());
    EXPECT_EQ(calls.LastInterval, 100u);
}

TEST_F(TimerTest, IntervalsPassToThePlatformAsTheyAre)
{
    timer_->SetInterval(4294967295u);
    EXPECT_EQ(calls.LastInterval, 4294967295u);
}

TEST_F(TimerTest, NoHandlerMeansNoPlatformTimer)
{
    TTimer bare(nullptr);
    bare.SetInterval(50);
    EXPECT_FALSE(bare.Running());
}

TEST_F(TimerTest, ARefusedTimerRaisesTheErrorAndKeepsItsNewValues)
{
    timer_->SetEnabled(false);
    calls.Refuse = true;
    try {
        timer_->SetEnabled(true);
        FAIL() << "no error raised";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Not enough timers available");
    }
    EXPECT_TRUE(timer_->Enabled());
    EXPECT_FALSE(timer_->Running());
    EXPECT_THROW(timer_->SetInterval(300), EOutOfResources);
    EXPECT_EQ(timer_->Interval(), 300u);
    EXPECT_FALSE(timer_->Running());
}

TEST(TimerTickTest, AChangedIntervalTicksOnThePlatformTimer)
{
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    EXPECT_TRUE(PumpMessagesUntil([&] { return ticks >= 2; }));
    timer.SetInterval(0);
    const int frozen = ticks;
    PumpMessagesFor(100ms);
    EXPECT_EQ(ticks, frozen) << "an interval of 0 must be silent";
}

} // namespace
} // namespace pp::test

namespace pp::test {
namespace {

// Long work on the GUI thread: nothing is dispatched while it runs.
void BusyFor(std::chrono::milliseconds time) { Sleep(static_cast<DWORD>(time.count())); }

TEST(PunctualTimerTest, DueTicksOfPunctualTimersRunFromInsideLongWork)
{
    int punctualTicks = 0, otherTicks = 0;
    TTimer punctual(nullptr), other(nullptr);
    punctual.SetPunctual(true);
    for (auto [timer, ticks] : {std::pair{&punctual, &punctualTicks}, std::pair{&other, &otherTicks}}) {
        timer->SetInterval(10);
        timer->SetOnTimer([ticks](TObject*) { ++*ticks; });
    }
    BusyFor(60ms);
    RunDuePunctualTimers();
    EXPECT_EQ(punctualTicks, 1) << "one due tick, as the message loop would give";
    EXPECT_EQ(otherTicks, 0) << "other timers wait for the message loop";
}

TEST(PunctualTimerTest, AHandlerThatRunsDueTicksIsNotReentered)
{
    int depth = 0, deepest = 0;
    TTimer timer(nullptr);
    timer.SetPunctual(true);
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject*) {
        deepest = std::max(deepest, ++depth);
        BusyFor(30ms);
        RunDuePunctualTimers();
        --depth;
    });
    BusyFor(30ms);
    RunDuePunctualTimers();
    EXPECT_EQ(deepest, 1);
}

} // namespace
} // namespace pp::test
