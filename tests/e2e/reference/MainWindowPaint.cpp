// Time to repaint the whole skinned main window (frame, every control, the
// adapted buttons composing their looks afresh), against a plain BitBlt of
// the window's size onto it, in the same run. Prints both and the ratio.
// bench/paint_window.sh runs it.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Median microseconds of one call over several rounds.
double MedianMicroseconds(const std::function<void()>& once, int calls, int rounds)
{
    std::vector<double> perCall;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            once();
        GdiFlush();
        perCall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls);
    }
    std::sort(perCall.begin(), perCall.end());
    return perCall[perCall.size() / 2];
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

int wmain()
{
    pp::Application->Initialize();
    pp::port::InitializePort("sim", "");
    pp::Application->CreateForm(&pp::Form1);
    pp::AttachSkinProvider(*pp::Form1);
    pp::Form1->Timer1->SetEnabled(false);
    pp::Form1->Show();
    for (int i = 0; i < 20; ++i) {
        Pump();
        Sleep(10);
    }
    const HWND window = pp::Form1->Handle();
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;

    const double repaint = MedianMicroseconds(
        [&] {
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        },
        50, 7);
    std::vector<HWND> buttons;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (std::wstring(name) == L"TButton")
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&buttons));
    const double buttonsOnly = MedianMicroseconds(
        [&] {
            for (HWND button : buttons)
                RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        },
        50, 7);
    const pp::TWindowDCHandle screen(window);
    const pp::TMemoryDCHandle memory(CreateCompatibleDC(screen.Get()));
    const pp::TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    const pp::TSelectObject selected(memory.Get(), bitmap.Get());
    const double blit = MedianMicroseconds(
        [&] { BitBlt(screen.Get(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY); }, 50, 7);

    std::printf("main window %d x %d\n", width, height);
    std::printf("  whole repaint: %.1f us\n", repaint);
    std::printf("  the %zu push buttons alone: %.1f us\n", buttons.size(), buttonsOnly);
    std::printf("  plain BitBlt of the same size: %.1f us\n", blit);
    std::printf("  ratio repaint / BitBlt: %.1f\n", repaint / blit);
    std::fflush(stdout);
    delete pp::Form1;
    pp::port::ShutdownPort();
    return 0;
}
