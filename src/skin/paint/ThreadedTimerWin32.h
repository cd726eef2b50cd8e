#pragma once
// The skin engine's timer component. Despite its name it starts no thread:
// it ticks on a window timer of the GUI thread, like every other timer of
// the program, so its handlers may touch windows and skin data freely.
#include "toolkit/Component.h"
#include "toolkit/Timer.h"

#include <cstdint>
#include <memory>

namespace pp {

// Kept for the stored descriptions that name it; no thread is ever made.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TacThreadedTimer : public TComponent {
public:
    // Enabled, 1000 ms, ticking once OnTimer is set. While the application
    // terminates no window timer is made and the component never ticks.
    explicit TacThreadedTimer(TComponent* owner);
    // Disabled; with `routeToTick` every tick goes to Tick() instead of
    // OnTimer (the engine's own animations).
    TacThreadedTimer(TComponent* owner, bool routeToTick);
    ~TacThreadedTimer() override;
    std::string ClassName() const override { return "TacThreadedTimer"; }

    // Each setter stores a different value and re-arms the window timer,
    // which then waits a full interval again.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t value);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    TThreadPriority ThreadPriority() const { return priority_; }
    void SetThreadPriority(TThreadPriority value);

    // Set by descendants while their own tick runs, to guard it.
    bool InHandler = false;
    // True while a tick is being handled; ticks arriving then are dropped.
    bool Ticking() const { return ticking_; }

protected:
    // What a routed tick does; nothing here.
    virtual void Tick() { }

private:
    void CreateWindowTimer();
    void Rearm();
    void WindowTimerTick();
    bool HasHandler() const { return routeToTick_ || static_cast<bool>(onTimer_); }

    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
    TThreadPriority priority_ = tpNormal;
    bool routeToTick_ = false;
    bool ticking_ = false;
    std::unique_ptr<TTimer> windowTimer_;
};

} // namespace pp
