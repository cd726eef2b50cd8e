#pragma once
// The program's own resource figures, for a watcher outside the process:
// a long run can show that GDI and USER handles and memory stay flat. The
// platform's GetGuiResources is no help where it is a stub, so the handle
// figures are the live counts of the owners in Handles.h.
//
// Any of the program's forms answers the registered message named
// ResourceReportMessageName, sent with a figure's number as wParam, with
// that figure, or with -1 for a number it does not know.
#include <windows.h>

namespace pp {

inline constexpr const wchar_t* ResourceReportMessageName = L"Pindrel.ResourceReport";

enum class TResourceFigure : WPARAM {
    GdiHandles = 0,       // device contexts, bitmaps, fonts, brushes, pens, regions
    UserHandles = 1,      // windows, menus, icons, hooks
    PrivateKilobytes = 2, // committed memory private to the process
};

UINT ResourceReportMessage();
LRESULT ResourceFigure(WPARAM figure);

} // namespace pp
