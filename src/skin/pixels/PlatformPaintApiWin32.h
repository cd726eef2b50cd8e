#pragma once
// Platform paint functions that not every system has, looked up once on
// first use and released when the program ends. Translucent windows are
// used only when the layered-window functions are there.
#include <windows.h>

namespace pp {

struct TPlatformPaintApi {
    using TGradientFill = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    using TUpdateLayeredWindow = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                               BLENDFUNCTION*, DWORD);
    using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    TGradientFill GradientFill = nullptr;
    TUpdateLayeredWindow UpdateLayeredWindow = nullptr;
    TSetLayeredWindowAttributes SetLayeredWindowAttributes = nullptr;

    bool HasLayeredWindows() const { return UpdateLayeredWindow && SetLayeredWindowAttributes; }
};

const TPlatformPaintApi& PlatformPaintApi();

} // namespace pp
