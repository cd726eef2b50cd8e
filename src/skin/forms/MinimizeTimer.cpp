#include "skin/forms/MinimizeTimer.h"

#include "skin/paint/EffectFormWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/NearestStretch.h"

namespace pp {

TacMinTimer::TacMinTimer(TComponent* owner, TMinimizeEvents events)
    : TacThreadedTimer(owner, true), events_(std::move(events))
{
    SetInterval(MinimizeStepMs);
}

TacMinTimer::~TacMinTimer() { SetEnabled(false); }

void TacMinTimer::SetUp(TBitmap snapshot, const TRect& source, const TRect& target, int timeMs,
                        int startOpacity)
{
    snapshot_ = std::move(snapshot);
    source_ = source;
    timeMs_ = timeMs;
    path_ = PlanMinimize(source, target, timeMs, startOpacity);
    opacity_ = startOpacity;
}

void TacMinTimer::Retarget(const TRect& target)
{
    path_ = PlanMinimize(source_, target, timeMs_, path_.StartOpacity);
}

void TacMinTimer::StartMinimizing() { Start(false); }
void TacMinTimer::StartRestoring() { Start(true); }

void TacMinTimer::Start(bool restoring)
{
    restoring_ = restoring;
    tick_ = 0;
    opacity_ = restoring ? 0 : path_.StartOpacity;
    if (!window_)
        window_ = std::make_unique<TacEffectForm>(nullptr, WS_EX_LAYERED, true);
    SetEnabled(true);
}

void TacMinTimer::Tick()
{
    if (InHandler)
        return;
    InHandler = true;
    ++tick_;
    opacity_ = MinimizeOpacity(path_, tick_, restoring_);
    if (!restoring_ && opacity_ <= 0)
        EndMinimizing();
    else if (restoring_ && opacity_ >= path_.StartOpacity)
        EndRestoring();
    else
        PushFrame(MinimizeFrameRect(path_, restoring_ ? path_.Steps - tick_ : tick_), opacity_);
    InHandler = false;
}

// The picture at `rect`, stretched to its size. The window stays at the
// top of the ordinary windows, so below the taskbar (which is topmost).
void TacMinTimer::PushFrame(const TRect& rect, int opacity)
{
    if (!window_ || snapshot_.Empty() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    if (work_.Width() != rect.Width() || work_.Height() != rect.Height())
        work_ = TBitmap(rect.Width(), rect.Height());
    work_.Fill(TBGRA{0, 0, 0, 0});
    StretchNearest(work_, work_.Bounds(), snapshot_, snapshot_.Bounds());
    TLayeredPush push;
    push.Window = window_->Handle();
    push.Position = {rect.Left, rect.Top};
    push.Size = {rect.Width(), rect.Height()};
    push.Picture = &work_;
    push.Alpha = opacity;
    PushLayeredWindow(push);
    SetWindowPos(push.Window, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void TacMinTimer::HideWindow()
{
    if (window_ && window_->HandleAllocated())
        ShowWindow(window_->HandleValue(), SW_HIDE);
}

void TacMinTimer::EndMinimizing()
{
    SetEnabled(false);
    HideWindow();
    if (events_.Minimized)
        events_.Minimized();
}

// The last picture stands where the window will be, so that the window
// appears under it without a gap; the picture's window goes after that.
void TacMinTimer::EndRestoring()
{
    SetEnabled(false);
    PushFrame(source_, path_.StartOpacity);
    if (events_.Restored)
        events_.Restored();
    window_.reset();
}

} // namespace pp
