#include "toolkit/Timer.h"

#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/WindowClass.h"

namespace pp {

namespace {
constexpr UINT_PTR TimerId = 1;

UINT_PTR PlatformStart(HWND window, UINT_PTR id, UINT interval)
{
    return SetTimer(window, id, interval, nullptr);
}
void PlatformStop(HWND window, UINT_PTR id) { KillTimer(window, id); }

TTimerService currentService{&PlatformStart, &PlatformStop};

constexpr wchar_t UtilWindowClass[] = L"TPUtilWindow";
} // namespace

TTimerService PlatformTimerService() { return {&PlatformStart, &PlatformStop}; }

TTimerService SetTimerService(TTimerService service)
{
    const TTimerService previous = currentService;
    currentService = service.Start && service.Stop ? service : PlatformTimerService();
    return previous;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(UtilWindowClass, UtilWindowProc);
    // A message-only helper window: it receives the ticks and is never seen.
    window_.Reset(CreateWindowExW(0, UtilWindowClass, L"", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr));
    if (!window_)
        throw EOutOfResources("Not enough timers available");
    // The timer rides in the window's user data, read on every tick: a
    // property named by a string costs an atom look-up in the window server
    // per tick under Wine, at 100 ticks a second for the port refresh.
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer()
{
    SetPunctual(false);
    if (running_)
        currentService.Stop(window_.Get(), TimerId);
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(std::uint32_t interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (running_)
        currentService.Stop(window_.Get(), TimerId);
    running_ = false;
    // Nothing ticks while the description is still being read.
    if (IsLoading() || !enabled_ || interval_ == 0 || !onTimer_)
        return;
    if (!currentService.Start(window_.Get(), TimerId, interval_))
        throw EOutOfResources("Not enough timers available");
    running_ = true;
}

void TTimer::Timer()
{
    if (onTimer_)
        onTimer_(this);
}

LRESULT CALLBACK TTimer::UtilWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == TimerId) {
        if (auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            if (timer->Punctual())
                NotePunctualTick(*timer);
            try {
                timer->Timer();
            } catch (...) {
                if (Application)
                    Application->HandleException(timer);
            }
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace pp
