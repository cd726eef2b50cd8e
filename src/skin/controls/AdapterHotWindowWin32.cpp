#include "skin/controls/AdapterHotWindowWin32.h"

#include "skin/paint/SkinCommandsWin32.h"

#include <utility>

namespace pp {
namespace {

HWND hotWindow = nullptr;

} // namespace

HWND AdapterHotWindow() { return hotWindow; }

void SetAdapterHotWindow(TsSkinManager* manager, HWND window)
{
    if (window == hotWindow)
        return;
    const HWND previous = std::exchange(hotWindow, window);
    const auto managerParam = reinterpret_cast<LPARAM>(manager);
    if (previous)
        SendSkinCommandToWindow(previous, SkinMsgMouseLeave, managerParam);
    if (window)
        SendSkinCommandToWindow(window, SkinMsgMouseEnter, managerParam);
}

void ForgetAdapterHotWindow(HWND window)
{
    if (window && window == hotWindow)
        hotWindow = nullptr;
}

} // namespace pp
