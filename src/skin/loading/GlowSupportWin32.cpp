// Whether this machine can show glow effects at all, found once at start.
#include "skin/loading/GlowSupport.h"

#include "skin/loading/SkinManagerOptions.h"
#include "win/ModuleHandle.h"

#include <windows.h>

namespace pp {
namespace {

bool IsWow64()
{
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto query = ModuleFunction<TIsWow64Process>(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return query && query(GetCurrentProcess(), &wow64) && wow64;
}

// Desktop composition exists from Windows 6 on; dwmapi.dll may be missing.
bool CompositionEnabled()
{
    const TModuleHandle dwm = LoadModule(L"dwmapi.dll");
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto query = ModuleFunction<TDwmIsCompositionEnabled>(dwm.Get(), "DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    return query && SUCCEEDED(query(&enabled)) && enabled;
}

} // namespace

void DetectGlowSupport()
{
    static bool detected = false;
    if (detected)
        return;
    detected = true;
    // A 32-bit program on 64-bit Windows draws its layered glow windows
    // badly without composition.
    SetGlowingDisabledAtStart(IsWow64() && !CompositionEnabled());
}

} // namespace pp
