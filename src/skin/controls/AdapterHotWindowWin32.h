#pragma once
// The one window under the mouse that the skin manager's adapters treat as
// hot. Making another window hot tells the previous one that the mouse left
// (SkinMsgMouseLeave) and then the new one that it entered
// (SkinMsgMouseEnter), each with the manager as lParam, so that at most one
// adapted control shows its hot look at a time.
//
// The skin manager is to keep this itself; until it does, the adapters keep
// it here, one for the process (all adapters of this program work for the
// default manager).
#include <windows.h>

namespace pp {

class TsSkinManager;

HWND AdapterHotWindow();
void SetAdapterHotWindow(TsSkinManager* manager, HWND window);
// A window being destroyed stops being hot without being told.
void ForgetAdapterHotWindow(HWND window);

} // namespace pp
