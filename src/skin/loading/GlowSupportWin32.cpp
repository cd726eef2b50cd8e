// Whether this machine can show glow effects at all, found once at start.
#include "skin/loading/GlowSupport.h"

#include "skin/loading/SkinManagerOptions.h"

#include <windows.h>

namespace pp {
namespace {

bool IsWow64()
{
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto query = reinterpret_cast<TIsWow64Process>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return query && query(GetCurrentProcess(), &wow64) && wow64;
}

// Desktop composition exists from Windows 6 on; dwmapi.dll may be missing.
bool CompositionEnabled()
{
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    if (!dwm)
        return false;
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto query = reinterpret_cast<TDwmIsCompositionEnabled>(
        reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")));
    BOOL enabled = FALSE;
    const bool result = query && SUCCEEDED(query(&enabled)) && enabled;
    FreeLibrary(dwm);
    return result;
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
