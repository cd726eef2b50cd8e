#pragma once
// While a modal window or message box is up, the program's other top-level
// windows take no input; they get it back when the box closes.
#include <windows.h>

#include <vector>

namespace pp {

class TTaskWindowsDisabler {
public:
    // Disables every visible, enabled top-level window of this thread except `keep`.
    explicit TTaskWindowsDisabler(HWND keep);
    TTaskWindowsDisabler(const TTaskWindowsDisabler&) = delete;
    TTaskWindowsDisabler& operator=(const TTaskWindowsDisabler&) = delete;
    ~TTaskWindowsDisabler() { Restore(); }
    void Restore();

private:
    std::vector<HWND> disabled_;
};

} // namespace pp
