#include "skin/forms/LayeredStyle.h"

#include "skin/pixels/PlatformPaintApiWin32.h"

#include <algorithm>

namespace pp {

bool IsLayeredWindow(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

void SetWindowOpacity(HWND window, int opacity)
{
    const auto set = PlatformPaintApi().SetLayeredWindowAttributes;
    if (!window || !set)
        return;
    if (!IsLayeredWindow(window))
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    set(window, 0, static_cast<BYTE>(std::clamp(opacity, 0, 255)), LWA_ALPHA);
}

void RemoveLayeredStyle(HWND window)
{
    if (window && IsLayeredWindow(window))
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

} // namespace pp
