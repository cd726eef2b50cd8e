#include "skin/forms/PlatformTransitions.h"

#include "win/ModuleHandle.h"

namespace pp {
namespace {

// DWMWA_TRANSITIONS_FORCEDISABLED; named here because older headers lack it.
constexpr DWORD TransitionsForceDisabled = 3;

} // namespace

void ForbidPlatformTransitions(HWND window, bool forbid)
{
    if (!window)
        return;
    // dwmapi.dll exists from Windows 6 on; looked up each time, as a form
    // is attached or let go only a few times in a run.
    const TModuleHandle dwm = LoadModule(L"dwmapi.dll");
    using TIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    using TSetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    const auto enabledQuery = ModuleFunction<TIsCompositionEnabled>(dwm.Get(), "DwmIsCompositionEnabled");
    const auto setAttribute = ModuleFunction<TSetWindowAttribute>(dwm.Get(), "DwmSetWindowAttribute");
    BOOL enabled = FALSE;
    if (!enabledQuery || !setAttribute || FAILED(enabledQuery(&enabled)) || !enabled)
        return;
    const BOOL value = forbid ? TRUE : FALSE;
    setAttribute(window, TransitionsForceDisabled, &value, sizeof value);
}

} // namespace pp
