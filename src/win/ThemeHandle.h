#pragma once
// Visual style theme data of a window class ("BUTTON", ...), open for one
// drawing and closed by its owner.
#include "win/Handles.h"

#include <windows.h>
#include <uxtheme.h>

namespace pp {

namespace detail {
inline void CloseTheme(HTHEME theme) { CloseThemeData(theme); }
} // namespace detail

using TThemeHandle = TOwnedHandle<HTHEME, THandleKind::Theme, detail::CloseTheme>;

// The theme of `window` for `classList` when visual styles are on; an empty
// owner when they are off or the class has no theme.
inline TThemeHandle OpenTheme(HWND window, const wchar_t* classList)
{
    return TThemeHandle(IsThemeActive() ? OpenThemeData(window, classList) : nullptr);
}

} // namespace pp
