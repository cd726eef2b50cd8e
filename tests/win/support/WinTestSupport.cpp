#include "WinTestSupport.h"

#include "toolkit/Application.h"

#include <algorithm>
#include <vector>

namespace pp::test {

bool PumpMessagesUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        Application->ProcessMessages();
        if (predicate())
            return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<long long>(left.count(), 50)), QS_ALLINPUT);
    }
}

void PumpMessagesFor(std::chrono::milliseconds duration)
{
    PumpMessagesUntil([] { return false; }, duration);
}

namespace {
TModalWatcher* activeWatcher = nullptr;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
} // namespace

TModalWatcher::TModalWatcher(std::function<bool(HWND)> handle) : handle_(std::move(handle))
{
    activeWatcher = this;
    timer_ = SetTimer(nullptr, 0, 30, &TModalWatcher::Tick);
}

TModalWatcher::~TModalWatcher()
{
    KillTimer(nullptr, timer_);
    activeWatcher = nullptr;
}

void CALLBACK TModalWatcher::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    TModalWatcher* watcher = activeWatcher;
    if (!watcher)
        return;
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows)
        if (watcher->handle_(window))
            ++watcher->handled_;
}

std::wstring WindowClassName(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND FindChildOfClass(HWND parent, const wchar_t* className)
{
    return FindWindowExW(parent, nullptr, className, nullptr);
}

bool CloseMessageBox(HWND window, std::wstring* caption, std::wstring* text)
{
    if (WindowClassName(window) != L"#32770")
        return false;
    if (caption)
        *caption = WindowText(window);
    if (text) {
        // The message is the static control that is not the icon.
        for (HWND child = FindWindowExW(window, nullptr, L"Static", nullptr); child;
             child = FindWindowExW(window, child, L"Static", nullptr))
            if (GetWindowTextLengthW(child) > 0)
                *text = WindowText(child);
    }
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return true;
}

} // namespace pp::test
