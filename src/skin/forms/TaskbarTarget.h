#pragma once
// Where a minimized window's picture goes: its button on the taskbar when
// the taskbar's button list can be read, else the taskbar's inner edge in
// line with the window. The button list lives in the shell's process, so
// finding the button means reading that process's memory; the search
// gives up quietly whenever anything on the way is missing.
#include "core/Geometry.h"
#include "skin/forms/FormGeometry.h"

#include <functional>
#include <vector>

#include <windows.h>

namespace pp {

struct TTaskbarApi {
    // The taskbar window ("Shell_TrayWnd"), or null.
    std::function<HWND()> Tray;
};

TTaskbarApi PlatformTaskbarApi();
// Replaces the functions (tests build a taskbar of their own); answers the previous.
TTaskbarApi SetTaskbarApi(TTaskbarApi api);

// The screen rectangle of the button of one of `windows` in the button
// list below `tray` ("ReBarWindow32", "MSTaskSwWClass", "ToolbarWindow32"),
// each button's data naming its window. False when there is none to read.
bool FindTaskbarButton(HWND tray, const std::vector<HWND>& windows, TRect& button);

// The taskbar's place on the monitor that shows `place` (screen).
TTaskbarPlace TaskbarPlaceFor(const TRect& place);

// The minimize animation's target for a window standing at `place`, whose
// button belongs to one of `buttonWindows`. With desktop composition the
// button list is not the one this search knows, and the picture goes to
// the taskbar's edge.
TRect MinimizeTarget(const TRect& place, const std::vector<HWND>& buttonWindows, bool composited);

} // namespace pp
