#pragma once
// A timer component seen as the on/off switch and interval the patterns use.
#include "app/logic/TimerSwitch.h"
#include "toolkit/Timer.h"

namespace pp::app {

class TTimerComponentSwitch : public TTimerSwitch {
public:
    explicit TTimerComponentSwitch(TTimer& timer) : timer_(timer) { }
    bool Enabled() const override { return timer_.Enabled(); }
    // May throw the toolkit's "Not enough timers available"; the flag is kept.
    void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }
    std::uint32_t Interval() const override { return timer_.Interval(); }
    void SetInterval(std::uint32_t milliseconds) override { timer_.SetInterval(milliseconds); }

private:
    TTimer& timer_;
};

} // namespace pp::app
