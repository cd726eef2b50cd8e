// Ticks of punctual timers taken out of the queue and run while the GUI
// thread is busy with long work, so that they come on time as they would
// from the message loop.
#include "toolkit/Timer.h"

#include <algorithm>
#include <vector>

namespace pp {
namespace {

std::vector<TTimer*>& PunctualTimers()
{
    static std::vector<TTimer*> timers;
    return timers;
}

bool runningDueTicks = false;

struct TRunningDueTicks {
    TRunningDueTicks() { runningDueTicks = true; }
    ~TRunningDueTicks() { runningDueTicks = false; }
};

} // namespace

void TTimer::SetPunctual(bool punctual)
{
    if (punctual == punctual_)
        return;
    punctual_ = punctual;
    auto& timers = PunctualTimers();
    if (punctual)
        timers.push_back(this);
    else
        timers.erase(std::ranges::find(timers, this));
}

void RunDuePunctualTimers()
{
    if (runningDueTicks)
        return;
    const TRunningDueTicks running;
    // A copy: a handler may make or free timers.
    for (TTimer* timer : std::vector<TTimer*>(PunctualTimers())) {
        if (std::ranges::find(PunctualTimers(), timer) == PunctualTimers().end() || !timer->Running())
            continue;
        // Only this timer's tick, and no message sent from elsewhere is
        // handled here: the work in progress is not re-entered by them.
        MSG tick;
        if (PeekMessageW(&tick, timer->WindowHandle(), WM_TIMER, WM_TIMER,
                         PM_REMOVE | PM_NOYIELD | PM_QS_POSTMESSAGE))
            DispatchMessageW(&tick);
    }
}

} // namespace pp
