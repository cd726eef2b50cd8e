#pragma once
// Making a window see-through for an animation and giving it its plain
// style back afterwards.
#include <windows.h>

namespace pp {

// Adds WS_EX_LAYERED and sets the window's constant opacity (0..255).
void SetWindowOpacity(HWND window, int opacity);
// Takes WS_EX_LAYERED away again.
void RemoveLayeredStyle(HWND window);
bool IsLayeredWindow(HWND window);

} // namespace pp
