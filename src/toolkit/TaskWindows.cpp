#include "toolkit/TaskWindows.h"

namespace pp {

namespace {
struct TDisableContext {
    HWND Keep;
    std::vector<HWND>* Disabled;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM context)
{
    auto* c = reinterpret_cast<TDisableContext*>(context);
    if (window != c->Keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        c->Disabled->push_back(window);
    }
    return TRUE;
}
} // namespace

TTaskWindowsDisabler::TTaskWindowsDisabler(HWND keep)
{
    TDisableContext context{keep, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&context));
}

void TTaskWindowsDisabler::Restore()
{
    for (HWND window : disabled_)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    disabled_.clear();
}

} // namespace pp
