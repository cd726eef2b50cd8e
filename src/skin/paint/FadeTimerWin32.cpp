#include "skin/paint/FadeTimerWin32.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/paint/AnimationState.h"
#include "skin/paint/FadeFrame.h"
#include "skin/paint/GlowWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"

#include <algorithm>
#include <vector>

namespace pp {
namespace {

std::vector<TsFadeTimer*>& LiveTimers()
{
    static std::vector<TsFadeTimer*> timers;
    return timers;
}

bool ApplicationTerminating() { return Application && Application->Terminated(); }

bool SectionFades(const TAnimationBinding& binding)
{
    const TsGeneralData* section = AnimatedSection(binding);
    return section && section->FadingEnabled;
}

int SectionIterations(const TAnimationBinding& binding)
{
    const TsGeneralData* section = AnimatedSection(binding);
    return section ? section->FadingIterations : 0;
}

bool CanFadeNow(TAnimationBinding& binding)
{
    const TBitmap* cache = binding.CacheBitmap();
    return !SkinEngine.SkinLoading && SectionFades(binding) && !AnimationState.ShutdownPending && cache &&
           !binding.BackgroundStale();
}

// The frame goes straight to the screen: the control's window, or its
// parent's where the control has none.
void CopyToScreen(TControl& control, const TBitmap& frame)
{
    HWND window = nullptr;
    TPoint at{0, 0};
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        window = windowed->HandleAllocated() ? windowed->HandleValue() : nullptr;
    } else if (control.Parent() && control.Parent()->HandleAllocated()) {
        window = control.Parent()->HandleValue();
        at = {control.Left(), control.Top()};
    }
    if (!window || !frame.NativeHandle())
        return;
    const TWindowDCHandle dc(window);
    TMemoryDCHandle source(CreateCompatibleDC(dc.Get()));
    const TSelectObject picture(source.Get(), static_cast<HBITMAP>(frame.NativeHandle()));
    BitBlt(dc.Get(), at.X, at.Y, frame.Width(), frame.Height(), source.Get(), 0, 0, SRCCOPY);
}

} // namespace

TsFadeTimer::TsFadeTimer(TControl* control, TsFadeTimer*& holder) : TTimer(control), holder_(&holder)
{
    SetEnabled(false);
    // The platform timer only runs for a timer with a handler; the fade's
    // own tick is Timer() below.
    SetOnTimer([](TObject*) {});
    LiveTimers().push_back(this);
}

TsFadeTimer::~TsFadeTimer()
{
    auto& timers = LiveTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void TsFadeTimer::Timer()
{
    if (IsDestroying())
        return;
    // At the end of a session a fade ends at its next tick, drawing
    // nothing, so that the wait for the fade timers to go ends too.
    if (AnimationState.ShutdownPending || !Binding) {
        FinishFade();
        return;
    }
    TControl* control = Binding->HostControl();
    if (!control || control->IsDestroying() || ApplicationTerminating() || FadeOver(Progress)) {
        FinishFade();
        return;
    }
    if (Progress.Direction == fdIn || Progress.Direction == fdOut)
        DrawFrame(*control);
}

void TsFadeTimer::DrawFrame(TControl& control)
{
    if (!control.Enabled()) {
        // A disabled control shows its disabled look at once. The fade
        // ends the usual way, so that its timer goes too.
        Binding->InvalidateOwner(false);
        FinishFade();
        return;
    }
    TBitmap* cache = Binding->CacheBitmap();
    // A control that has to wait for its parent gets this frame later.
    if (!cache || !Binding->PrepareCache())
        return;
    const TBitmap frame = MakeFadeFrame(FromBitmap, *cache, Progress.Level, Progress.Iterations);
    ++Progress.Level;
    ShowFrame(control, frame);
}

void TsFadeTimer::ShowFrame(TControl& control, const TBitmap& frame)
{
    if (SendSkinCommand(&control, SkinMsgFadeFrame, reinterpret_cast<LPARAM>(&frame)) == 0)
        CopyToScreen(control, frame);
}

void TsFadeTimer::FinishFade()
{
    SetEnabled(false);
    Progress.Direction = fdNone;
    // The control frees this timer when told (StopFade); one that does not
    // listen gets it freed here. Nothing of this object is touched once
    // the message has been sent.
    TsFadeTimer** holder = holder_;
    TsFadeTimer* self = this;
    if (Binding)
        SendSkinCommand(Binding->HostControl(), SkinMsgStopFading);
    if (*holder == self)
        StopFade(*holder);
}

void FadeOnStateChange(TsFadeTimer*& holder, TAnimationBinding& binding, int direction, bool halve,
                       bool wanted)
{
    if (!AnimatedSection(binding))
        return;
    if (wanted && CanFadeNow(binding)) {
        binding.SetBackgroundStale(true);
        StartFade(holder, binding, halve, direction);
    } else {
        StopFade(holder);
        binding.SetBackgroundStale(true);
        if (TControl* control = binding.HostControl())
            control->Repaint();
    }
    UpdateControlGlow(binding, direction == fdOut);
}

void StartFade(TsFadeTimer*& holder, TAnimationBinding& binding, bool halve, int direction)
{
    if (!SectionFades(binding) || !binding.HostControl())
        return;
    const bool reused = holder != nullptr;
    if (!holder)
        holder = new TsFadeTimer(binding.HostControl(), holder);
    TsFadeTimer& timer = *holder;
    timer.Binding = &binding;
    TBitmap* cache = binding.CacheBitmap();
    bool refused = false;
    if (binding.BackgroundStale() && (!cache || cache->Empty()))
        refused = SendSkinCommand(binding.HostControl(), SkinMsgClearStale) != 0;
    if (cache)
        timer.FromBitmap = *cache;
    timer.SetInterval(FadeFrameIntervalMs);
    timer.Progress = RestartFade(timer.Progress, reused, SectionIterations(binding), halve);
    if (refused)
        timer.SetEnabled(false);
    timer.Progress.Direction = direction;
    timer.SetEnabled(direction != fdNone);
}

void StopFade(TsFadeTimer*& holder)
{
    if (!holder || holder->IsDestroying())
        return;
    TsFadeTimer* timer = std::exchange(holder, nullptr);
    timer->SetEnabled(false);
    timer->Progress.Direction = fdNone;
    delete timer;
}

int LiveFadeTimers() { return static_cast<int>(LiveTimers().size()); }

void EndFadesForSessionEnd()
{
    AnimationState.ShutdownPending = true;
    if (ApplicationTerminating() || !Application)
        return;
    // A fade timer that stands disabled (a fade that never started) would
    // never tick: every timer ticks once more and ends there.
    for (TsFadeTimer* timer : LiveTimers()) {
        timer->SetInterval(FadeFrameIntervalMs);
        timer->SetEnabled(true);
    }
    while (LiveFadeTimers() > 0 && !ApplicationTerminating())
        Application->HandleMessage();
}

} // namespace pp
