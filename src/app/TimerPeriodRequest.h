#pragma once
// On stock Windows window timers fire on the 15.6 ms system tick, so the
// 10 ms port refresh would run about 64 times a second instead of 100, and
// the flasher and the running light would drift the same way. While the
// program runs it asks for a 1 ms timer period; Windows may still refuse it
// (recent versions do while the window is minimized or hidden).
#include <windows.h>

namespace pp {

// The system's pair of calls (timeBeginPeriod and timeEndPeriod), held as
// pointers so that tests can watch what is asked and given back.
struct TTimerPeriodCalls {
    UINT(WINAPI* Begin)(UINT milliseconds);
    UINT(WINAPI* End)(UINT milliseconds);
};

const TTimerPeriodCalls& SystemTimerPeriodCalls();

// Asks for the period when made and gives it back when destroyed, on every
// way out of the scope that holds it; a period that was refused is not given
// back.
class TTimerPeriodRequest {
public:
    static constexpr UINT Milliseconds = 1;

    explicit TTimerPeriodRequest(const TTimerPeriodCalls& calls = SystemTimerPeriodCalls());
    ~TTimerPeriodRequest();
    TTimerPeriodRequest(const TTimerPeriodRequest&) = delete;
    TTimerPeriodRequest& operator=(const TTimerPeriodRequest&) = delete;

    bool Granted() const { return granted_; }

private:
    TTimerPeriodCalls calls_;
    bool granted_;
};

} // namespace pp
