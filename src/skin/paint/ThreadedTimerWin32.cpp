#include "skin/paint/ThreadedTimerWin32.h"

#include "skin/loading/SkinEngineState.h"
#include "toolkit/Application.h"

namespace pp {
namespace {

bool ApplicationTerminating() { return Application && Application->Terminated(); }

// Every setter compares, stores and re-arms.
template <class T> bool StoreChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TacThreadedTimer::TacThreadedTimer(TComponent* owner) : TComponent(owner) { CreateWindowTimer(); }

TacThreadedTimer::TacThreadedTimer(TComponent* owner, bool routeToTick)
    : TComponent(owner), enabled_(false), routeToTick_(routeToTick)
{
    CreateWindowTimer();
}

TacThreadedTimer::~TacThreadedTimer()
{
    if (windowTimer_)
        windowTimer_->SetEnabled(false);
}

void TacThreadedTimer::CreateWindowTimer()
{
    if (ApplicationTerminating())
        return;
    windowTimer_ = std::make_unique<TTimer>(nullptr);
    windowTimer_->SetEnabled(false);
    windowTimer_->SetOnTimer([this](TObject*) { WindowTimerTick(); });
    Rearm();
}

void TacThreadedTimer::SetEnabled(bool value)
{
    if (StoreChanged(enabled_, value))
        Rearm();
}

void TacThreadedTimer::SetInterval(std::uint32_t value)
{
    if (StoreChanged(interval_, value))
        Rearm();
}

void TacThreadedTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    Rearm();
}

void TacThreadedTimer::SetThreadPriority(TThreadPriority value)
{
    // The priority only re-arms: every tick runs on the GUI thread anyway.
    if (StoreChanged(priority_, value))
        Rearm();
}

void TacThreadedTimer::Rearm()
{
    if (!windowTimer_)
        return;
    windowTimer_->SetEnabled(false);
    windowTimer_->SetInterval(interval_);
    if (interval_ != 0 && enabled_ && HasHandler())
        windowTimer_->SetEnabled(true);
}

void TacThreadedTimer::WindowTimerTick()
{
    // A handler that pumps messages (a modal box, a nested loop) must not
    // be entered again by its own next tick.
    if (!windowTimer_ || !windowTimer_->Enabled() || ticking_)
        return;
    const TFlagScope ticking(ticking_, true);
    if (routeToTick_)
        Tick();
    else if (onTimer_)
        onTimer_(this);
}

} // namespace pp
