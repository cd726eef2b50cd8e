#pragma once
// Helpers for tests that run the toolkit under the real message loop.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace pp::test {

using namespace std::chrono_literals;

// Runs the message loop until `predicate` holds or `timeout` passes; answers
// whether the predicate held. Waits for messages, never sleeps blindly.
bool PumpMessagesUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout = 5s);
// Runs the message loop for a while (for "nothing happens" checks).
void PumpMessagesFor(std::chrono::milliseconds duration);

// Watches for modal windows of this thread while it lives: every visible,
// enabled top-level window is handed to `handle`, which closes it (or not)
// and answers whether it did. The watch runs on a thread timer, so it also
// works inside nested modal loops and message boxes.
class TModalWatcher {
public:
    explicit TModalWatcher(std::function<bool(HWND window)> handle);
    TModalWatcher(const TModalWatcher&) = delete;
    TModalWatcher& operator=(const TModalWatcher&) = delete;
    ~TModalWatcher();
    int Handled() const { return handled_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<bool(HWND)> handle_;
    UINT_PTR timer_ = 0;
    int handled_ = 0;
};

std::wstring WindowClassName(HWND window);
std::wstring WindowText(HWND window);
// The first child window of a class, or null.
HWND FindChildOfClass(HWND parent, const wchar_t* className);
// A platform message box: answers OK, and records its caption and text.
bool CloseMessageBox(HWND window, std::wstring* caption = nullptr, std::wstring* text = nullptr);

} // namespace pp::test
