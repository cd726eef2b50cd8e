#include "skin/controls/AdapterHotWindowWin32.h"

#include "skin/loading/SkinManagerWin32.h"

namespace pp {

HWND AdapterHotWindow(const TsSkinManager* manager) { return manager ? manager->HotWindow() : nullptr; }

void SetAdapterHotWindow(TsSkinManager* manager, HWND window)
{
    if (manager && !manager->IsDestroying())
        manager->SetHotWindow(window);
}

void ForgetAdapterHotWindow(TsSkinManager* manager, HWND window)
{
    if (window && AdapterHotWindow(manager) == window)
        SetAdapterHotWindow(manager, nullptr);
}

} // namespace pp
