#pragma once
// The rules that drive the port: the refresh tick, the flasher and the running
// light, and how their three timers switch each other on and off.
#include "app/logic/LineImage.h"
#include "app/logic/TimerSwitch.h"
#include "port/PortBackend.h"

namespace pp::app {

// Data register of the first parallel port; no other address is ever used.
constexpr std::uint16_t DataPortAddress = 888;

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
    TPortPatterns(TLineState& state, port::TPortBackend& port, TPatternTimers timers)
        : state_(state), port_(port), timers_(timers)
    {
    }

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
    port::TPortBackend& port_;
    TPatternTimers timers_;
};

} // namespace pp::app
