#include "skin/loading/DesktopCompositionWin32.h"

#include "win/ModuleHandle.h"

#include <windows.h>

namespace pp {
namespace {

TCompositionQuery& CurrentQuery()
{
    static TCompositionQuery query = &PlatformDesktopComposition;
    return query;
}

} // namespace

// Desktop composition exists from Windows 6 on; dwmapi.dll may be missing.
bool PlatformDesktopComposition()
{
    const TModuleHandle dwm = LoadModule(L"dwmapi.dll");
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto query = ModuleFunction<TDwmIsCompositionEnabled>(dwm.Get(), "DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    return query && SUCCEEDED(query(&enabled)) && enabled;
}

bool DesktopCompositionEnabled() { return CurrentQuery()(); }

TCompositionQuery SetDesktopCompositionQuery(TCompositionQuery query)
{
    TCompositionQuery previous = CurrentQuery();
    CurrentQuery() = query ? std::move(query) : TCompositionQuery(&PlatformDesktopComposition);
    return previous;
}

} // namespace pp
