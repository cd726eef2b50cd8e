// The least a Win32 program with a 10 ms timer can cost: one window, one
// timer, a handler that does nothing. The idle-CPU benchmark measures it
// beside the real program, so the platform's own share is seen.
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
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
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
