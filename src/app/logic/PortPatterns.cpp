#include "app/logic/PortPatterns.h"

namespace pp::app {

namespace {
// The running light's counter value after which the sequence wraps; the
// wrapping step writes nothing, so D7 stays lit for two intervals.
constexpr std::int32_t RunningLightWrap = 9;
} // namespace

void TPortPatterns::WriteOutputByte() { port_.Write(DataPortAddress, state_.Lines.OutputByte()); }

int TPortPatterns::RefreshTick()
{
    WriteOutputByte();
    return port_.Read(DataPortAddress) & 0xFF;
}

void TPortPatterns::ToggleFlasher() { timers_.Flasher.SetEnabled(!timers_.Flasher.Enabled()); }

void TPortPatterns::FlasherStep()
{
    // Line D0 alone decides: the lines flip together whatever the others were.
    if (state_.Lines.Slot(0) == 0)
        state_.Lines.SetAllLines();
    else
        state_.Lines.ClearAllLines();
    WriteOutputByte();
}

void TPortPatterns::ToggleRunningLight()
{
    if (timers_.RunningLight.Enabled()) {
        // The line lit last stays high; the refresh tick carries it from now on.
        timers_.RunningLight.SetEnabled(false);
        timers_.Refresh.SetEnabled(true);
    } else {
        state_.Lines.ClearAllLines();
        port_.Write(DataPortAddress, 0);
        timers_.RunningLight.SetEnabled(true);
        timers_.Refresh.SetEnabled(false);
        timers_.Flasher.SetEnabled(false);
    }
    state_.StepCounter = 0;
}

void TPortPatterns::RunningLightStep()
{
    std::int32_t& counter = state_.StepCounter;
    if (counter >= 1 && counter <= LineCount) {
        state_.Lines.LightOnly(counter - 1);
        WriteOutputByte();
    } else if (counter == RunningLightWrap) {
        counter = 0;
    }
    ++counter;
}

} // namespace pp::app
