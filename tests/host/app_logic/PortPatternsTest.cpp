#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/logic/PortPatterns.h"
#include "core/Error.h"

namespace pp::app {
namespace {

// Records every port access in order: "W<byte>" for a write, "R" for a read;
// an access to any port but the data register is recorded as such.
class TRecordingPort : public port::TPortBackend {
public:
    void Write(std::uint16_t address, std::uint8_t value) override
    {
        trace.push_back(AtDataRegister(address) + "W" + std::to_string(value));
    }
    int Read(std::uint16_t address) override
    {
        trace.push_back(AtDataRegister(address) + "R");
        return readBack;
    }
    static std::string AtDataRegister(std::uint16_t address)
    {
        return address == 888 ? "" : "port " + std::to_string(address) + ": ";
    }
    std::vector<std::string> trace;
    int readBack = 0;
};

class PortPatternsTest : public ::testing::Test {
protected:
    TLineState state;
    TRecordingPort port;
    TTimerState refresh{true, RefreshInterval};
    TTimerState flasher{false, FlasherInterval};
    TTimerState light{false, RunningLightInterval};
    TPortPatterns patterns{state, port, {refresh, flasher, light}};

    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(port.trace);
        return taken;
    }
    void ExpectTimers(bool r, bool f, bool l)
    {
        EXPECT_EQ(refresh.Enabled(), r);
        EXPECT_EQ(flasher.Enabled(), f);
        EXPECT_EQ(light.Enabled(), l);
    }
};

using Trace = std::vector<std::string>;

TEST(LineImageTest, CommandsGiveTheOutputByte)
{
    struct Case {
        const char* name;
        void (*apply)(TLineImage&);
        int byte;
        int sum;
    };
    const Case cases[] = {
        {"fresh", [](TLineImage&) {}, 0, 0},
        {"D3 high", [](TLineImage& l) { l.SetLine(3); }, 8, 8},
        {"D5 set twice then cleared",
         [](TLineImage& l) {
             l.SetLine(5);
             l.SetLine(5);
             l.ClearLine(5);
         },
         0, 0},
        {"D0 and D7",
         [](TLineImage& l) {
             l.SetLine(0);
             l.SetLine(7);
         },
         129, 129},
        {"D0 D1 D5 D6",
         [](TLineImage& l) {
             for (int k : {0, 1, 5, 6})
                 l.SetLine(k);
         },
         99, 99},
        {"all", [](TLineImage& l) { l.SetAllLines(); }, 255, 255},
        {"all set twice",
         [](TLineImage& l) {
             l.SetAllLines();
             l.SetAllLines();
         },
         255, 255},
        {"all then D0 low",
         [](TLineImage& l) {
             l.SetAllLines();
             l.ClearLine(0);
         },
         254, 254},
        {"all then abort",
         [](TLineImage& l) {
             l.SetAllLines();
             l.ClearAllLines();
         },
         0, 0},
        {"light D4 only",
         [](TLineImage& l) {
             l.SetAllLines();
             l.LightOnly(4);
         },
         16, 16},
    };
    for (const Case& c : cases) {
        TLineImage lines;
        c.apply(lines);
        EXPECT_EQ(lines.OutputByte(), c.byte) << c.name;
        EXPECT_EQ(lines.SlotSum(), c.sum) << c.name;
        for (int k = 0; k < LineCount; ++k) {
            const int slot = lines.Slot(k);
            EXPECT_TRUE(slot == 0 || slot == LineWeight(k)) << c.name << " slot " << k;
        }
    }
}

TEST_F(PortPatternsTest, RefreshWritesTheByteThenReadsAndMasksTheReadBack)
{
    EXPECT_EQ(patterns.RefreshTick(), 0);
    state.Lines.SetLine(3);
    port.readBack = 0x1F0; // a port answering something else, with stray high bits
    EXPECT_EQ(patterns.RefreshTick(), 0xF0);
    EXPECT_EQ(Take(), (Trace{"W0", "R", "W8", "R"}));
    EXPECT_EQ(state.Lines.OutputByte(), 8) << "the read-back value never reaches the slots";
}

TEST_F(PortPatternsTest, RunningLightFromAFreshStartForTwentyTicks)
{
    state.Lines.SetLine(2);
    patterns.ToggleRunningLight();
    EXPECT_EQ(Take(), Trace{"W0"});
    ExpectTimers(false, false, true);
    // Tick 1 writes nothing; D7 is held for ticks 9 and 10; the 9-tick cycle repeats.
    const std::vector<int> written = {-1, 1, 2, 4, 8,  16, 32, 64,  128, -1,
                                      1,  2, 4, 8, 16, 32, 64, 128, -1,  1};
    for (std::size_t tick = 0; tick < written.size(); ++tick) {
        if (tick == 4)
            state.Lines.SetAllLines(); // a line button pressed meanwhile is overwritten
        patterns.RunningLightStep();
        const Trace expected = written[tick] < 0 ? Trace{} : Trace{"W" + std::to_string(written[tick])};
        EXPECT_EQ(Take(), expected) << "tick " << tick + 1;
    }
    EXPECT_EQ(state.Lines.OutputByte(), 1);
}

TEST_F(PortPatternsTest, StoppingOnD4LeavesItLitForTheRefreshTick)
{
    patterns.ToggleRunningLight();
    for (int tick = 0; tick < 6; ++tick)
        patterns.RunningLightStep();
    Take();
    patterns.ToggleRunningLight();
    ExpectTimers(true, false, false);
    EXPECT_EQ(state.StepCounter, 0);
    EXPECT_TRUE(Take().empty()) << "stopping writes nothing by itself";
    patterns.RefreshTick();
    EXPECT_EQ(Take(), (Trace{"W16", "R"}));
}

TEST_F(PortPatternsTest, RestartingBeginsTheSequenceAgain)
{
    patterns.ToggleRunningLight();
    for (int tick = 0; tick < 4; ++tick)
        patterns.RunningLightStep();
    patterns.ToggleRunningLight();
    Take();
    patterns.ToggleRunningLight();
    patterns.RunningLightStep();
    patterns.RunningLightStep();
    EXPECT_EQ(Take(), (Trace{"W0", "W1"}));
}

TEST_F(PortPatternsTest, FlasherFirstStepIsDecidedByD0Alone)
{
    struct Case {
        const char* name;
        std::vector<int> highLines;
        Trace firstTwoSteps;
    };
    const Case cases[] = {
        {"only D0 high", {0}, {"W0", "W255"}},
        {"only D3 high", {3}, {"W255", "W0"}},
        {"all but D0 high", {1, 2, 3, 4, 5, 6, 7}, {"W255", "W0"}},
        {"all low", {}, {"W255", "W0"}},
    };
    for (const Case& c : cases) {
        state.Lines.ClearAllLines();
        for (int line : c.highLines)
            state.Lines.SetLine(line);
        Take();
        patterns.FlasherStep();
        patterns.FlasherStep();
        EXPECT_EQ(Take(), c.firstTwoSteps) << c.name;
    }
}

TEST_F(PortPatternsTest, AbortWhileFlashingIsUndoneByTheNextStep)
{
    patterns.ToggleFlasher();
    patterns.FlasherStep();
    state.Lines.ClearAllLines();
    Take();
    patterns.FlasherStep();
    EXPECT_EQ(Take(), Trace{"W255"});
}

TEST_F(PortPatternsTest, TimerStateTable)
{
    ExpectTimers(true, false, false);

    patterns.ToggleFlasher();
    ExpectTimers(true, true, false);
    EXPECT_TRUE(Take().empty()) << "the flasher button touches neither slots nor port";

    patterns.ToggleRunningLight(); // stops the flasher
    ExpectTimers(false, false, true);
    patterns.ToggleRunningLight(); // does not restart it
    ExpectTimers(true, false, false);

    patterns.ToggleRunningLight();
    patterns.ToggleFlasher(); // both may run; the refresh tick stays off
    ExpectTimers(false, true, true);
    patterns.ToggleRunningLight();
    ExpectTimers(true, true, false);
}

// A timer the platform refuses to start: the flag is kept, the error raised.
class TRefusingTimer : public TTimerState {
public:
    using TTimerState::TTimerState;
    void SetEnabled(bool enabled) override
    {
        TTimerState::SetEnabled(enabled);
        if (enabled)
            throw Exception("Not enough timers available");
    }
};

TEST(PortPatternsRefusedTimer, StartingTheRunningLightStopsWhereTheTimerFailed)
{
    TLineState state;
    state.Lines.SetLine(5);
    state.StepCounter = 4;
    TRecordingPort port;
    TTimerState refresh{true, RefreshInterval};
    TTimerState flasher{true, FlasherInterval};
    TRefusingTimer light{false, RunningLightInterval};
    TPortPatterns patterns{state, port, {refresh, flasher, light}};

    EXPECT_THROW(patterns.ToggleRunningLight(), Exception);
    EXPECT_EQ(port.trace, Trace{"W0"});
    EXPECT_EQ(state.Lines.OutputByte(), 0);
    EXPECT_TRUE(light.Enabled()) << "keeps its new flag";
    EXPECT_TRUE(refresh.Enabled()) << "the refresh tick is not left off";
    EXPECT_TRUE(flasher.Enabled());
    EXPECT_EQ(state.StepCounter, 4) << "the rest of the command did not run";
}

} // namespace
} // namespace pp::app
