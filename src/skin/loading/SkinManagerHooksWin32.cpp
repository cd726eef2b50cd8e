// The default manager's two hooks: the window-creation hook of the GUI
// thread, through which new windows get skinned, and the hook on the
// application window's messages.
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"

namespace pp {
namespace {

// Repaint of a skinned popup menu window, posted by the menu painter.
constexpr UINT PopupMenuRepaintMessage = 0xBCB3;

// The next hook runs first and its answer is given back unchanged: the
// skinning never decides whether a window is made or activated.
LRESULT CALLBACK WindowCreationHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code >= 0 && SkinManagerSeams.WindowCreation)
        SkinManagerSeams.WindowCreation(code, wParam, lParam);
    return result;
}

bool HidesTheApplication(const TMessage& message)
{
    const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    return position && (position->flags & SWP_HIDEWINDOW) != 0;
}

bool IsMinimizeOrRestore(const TMessage& message)
{
    const WPARAM command = message.WParam & 0xFFF0;
    return command == SC_MINIMIZE || command == SC_RESTORE;
}

// The messages whose handling belongs to the form animations and the menu
// painter.
bool IsPassedOn(const TMessage& message)
{
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGING: return HidesTheApplication(message);
    case WM_SYSCOMMAND: return IsMinimizeOrRestore(message);
    case PopupMenuRepaintMessage: return true;
    default: return false;
    }
}

} // namespace

void TsSkinManager::InstallCreationHook()
{
    if (creationHook_ || SkinEngine.DefaultManager != this || IsDesigning())
        return;
    creationHook_.Reset(SetWindowsHookExW(WH_CBT, WindowCreationHookProc, nullptr, GetCurrentThreadId()));
}

bool TsSkinManager::HandleApplicationMessage(TMessage& message)
{
    // The skin stays as it is when the system's visual theme changes.
    if (message.Msg == WM_THEMECHANGED)
        return true;
    return IsPassedOn(message) && SkinManagerSeams.ApplicationMessage &&
           SkinManagerSeams.ApplicationMessage(message);
}

} // namespace pp
