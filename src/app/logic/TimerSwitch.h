#pragma once
// What the patterns need of a timer: its enabled flag and its interval. A
// pattern runs exactly while its timer is enabled; there is no other run flag.
#include <cstdint>

namespace pp::app {

class TTimerSwitch {
public:
    virtual ~TTimerSwitch() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual std::uint32_t Interval() const = 0;
    virtual void SetInterval(std::uint32_t milliseconds) = 0;
};

// A timer as plain state: enabled flag and interval, ticking only while both
// allow it. Used where no platform timer is wanted.
class TTimerState : public TTimerSwitch {
public:
    TTimerState(bool enabled, std::uint32_t interval) : enabled_(enabled), interval_(interval) { }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    std::uint32_t Interval() const override { return interval_; }
    void SetInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }

private:
    bool enabled_;
    std::uint32_t interval_;
};

} // namespace pp::app
