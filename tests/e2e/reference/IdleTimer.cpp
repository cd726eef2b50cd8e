// The least a Win32 program with the idle program's timers can cost: one
// window, a 10 ms timer (the port refresh) and a 22 ms one (the gauge's
// light), handlers that do nothing. The idle-CPU benchmark measures it beside
// the real program, so the platform's own share is seen. With the argument
// "10" only the 10 ms timer runs, as in the program with no line raised.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"IdleTimerReference";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowW(L"IdleTimerReference", L"Idle timer reference", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                              100, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    SetTimer(hwnd, 1, 10, nullptr);
    if (lstrcmpW(commandLine, L"10") != 0)
        SetTimer(hwnd, 2, 22, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
