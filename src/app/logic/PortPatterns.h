#pragma once
// The rules that drive the port: the refresh tick, the flasher and the running
// light, and how their three timers switch each other on and off.
#include "app/logic/LineImage.h"
#include "app/logic/PortBus.h"
#include "app/logic/TimerSwitch.h"

namespace pp::app {

struct TPatternTimers {
    TTimerSwitch& Refresh;      // Timer1, 10 ms, on at start
    TTimerSwitch& Flasher;      // Timer2, 500 ms, off at start
    TTimerSwitch& RunningLight; // Timer3, 100 ms, off at start
};

constexpr std::uint32_t RefreshInterval = 10;
constexpr std::uint32_t FlasherInterval = 500;
constexpr std::uint32_t RunningLightInterval = 100;

class TPortPatterns {
public:
    TPortPatterns(TLineState& state, TPortBus& port, TPatternTimers timers)
        : state_(state), port_(port), timers_(timers) {}

    // Writes the output byte, reads the register back and returns the low
    // 8 bits of what was read.
    int RefreshTick();

    void ToggleFlasher();
    void FlasherStep();
    void ToggleRunningLight();
    void RunningLightStep();

private:
    void WriteOutputByte();

    TLineState& state_;
    TPortBus& port_;
    TPatternTimers timers_;
};

} // namespace pp::app
