// Ticks of punctual timers taken out of the queue and run while the GUI
// thread is busy with long work, so that they come on time as they would
// from the message loop.
#include "toolkit/Timer.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace pp {
namespace {

std::vector<TTimer*>& PunctualTimers()
{
    static std::vector<TTimer*> timers;
    return timers;
}

// When each punctual timer last ticked, in the order of PunctualTimers().
std::vector<ULONGLONG>& LastTicks()
{
    static std::vector<ULONGLONG> ticks;
    return ticks;
}

std::size_t IndexOf(const TTimer* timer)
{
    return static_cast<std::size_t>(std::ranges::find(PunctualTimers(), timer) - PunctualTimers().begin());
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
    if (punctual) {
        timers.push_back(this);
        LastTicks().push_back(GetTickCount64());
        return;
    }
    const std::size_t index = IndexOf(this);
    timers.erase(timers.begin() + std::ptrdiff_t(index));
    LastTicks().erase(LastTicks().begin() + std::ptrdiff_t(index));
}

void NotePunctualTick(TTimer& timer)
{
    const std::size_t index = IndexOf(&timer);
    if (index < LastTicks().size())
        LastTicks()[index] = GetTickCount64();
}

void RunOverduePunctualTimers()
{
    const ULONGLONG now = GetTickCount64();
    for (std::size_t i = 0; i < PunctualTimers().size(); ++i) {
        const TTimer* timer = PunctualTimers()[i];
        if (timer->Running() && now - LastTicks()[i] >= timer->Interval()) {
            RunDuePunctualTimers();
            return;
        }
    }
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
