#pragma once
// The window under the mouse that the adapters treat as hot: the skin
// manager keeps it, one at a time. Making another window hot tells the
// previous one that the mouse left (SkinMsgMouseLeave) and then the new one
// that it entered (SkinMsgMouseEnter), so that at most one adapted control
// shows its hot look.
#include <windows.h>

namespace pp {

class TsSkinManager;

// The manager's hot window; null without a manager.
HWND AdapterHotWindow(const TsSkinManager* manager);
void SetAdapterHotWindow(TsSkinManager* manager, HWND window);
// A window being destroyed stops being hot without being told.
void ForgetAdapterHotWindow(TsSkinManager* manager, HWND window);

} // namespace pp
