#pragma once
// The timer component: ticks on a platform window timer of a small helper
// window of class "TPUtilWindow".
#include "toolkit/Component.h"
#include "win/Handles.h"

#include <cstdint>

namespace pp {

// The platform timer calls, replaceable so that tests can make them fail.
struct TTimerService {
    UINT_PTR (*Start)(HWND window, UINT_PTR id, UINT interval) = nullptr;
    void (*Stop)(HWND window, UINT_PTR id) = nullptr;
};
TTimerService PlatformTimerService();
// Replaces the timer calls; answers the previous ones.
TTimerService SetTimerService(TTimerService service);

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    // Same value: nothing. Otherwise restarts the platform timer with a full
    // interval when the timer should tick; throws EOutOfResources with "Not
    // enough timers available" when the platform refuses, keeping the flag.
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t interval);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);

    // The helper window the ticks arrive at.
    HWND WindowHandle() const { return window_.Get(); }
    // True while a platform timer runs for this component.
    bool Running() const { return running_; }
    void Loaded() override;

    // Calls the handler; the platform timer's tick ends up here.
    virtual void Timer();

    // A punctual timer's due ticks also run from inside long work of the
    // GUI thread (see RunDuePunctualTimers), not only from the message loop.
    bool Punctual() const { return punctual_; }
    void SetPunctual(bool punctual);

private:
    static LRESULT CALLBACK UtilWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateTimer();

    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
    TWindowHandle window_;
    bool running_ = false;
    bool punctual_ = false;
};

// Runs the ticks that punctual timers have due now. Long work on the GUI
// thread calls it between steps that leave everything in a state a tick
// may see (a tick's handler may repaint), so that such a timer (the port
// refresh) keeps its pace through the work. Never re-entered: a handler
// that itself calls it gets nothing.
void RunDuePunctualTimers();
// The same for the message loop, before it dispatches anything but a tick:
// posted messages, input and painting all come before ticks, so that a
// stream of them (the pointer swept across buttons) would hold the ticks
// back. Looks into the queue only for a timer whose interval has passed
// since its last tick.
void RunOverduePunctualTimers();
// A punctual timer's tick, from wherever it ran.
void NotePunctualTick(TTimer& timer);

} // namespace pp
