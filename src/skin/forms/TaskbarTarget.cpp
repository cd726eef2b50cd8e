#include "skin/forms/TaskbarTarget.h"

#include "win/Handles.h"
#include "win/Wow64.h"

#include <commctrl.h>

namespace pp {
namespace {

HWND PlatformTray() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

TTaskbarApi& CurrentApi()
{
    static TTaskbarApi api = PlatformTaskbarApi();
    return api;
}

HWND ButtonList(HWND tray)
{
    HWND rebar = tray ? FindWindowExW(tray, nullptr, L"ReBarWindow32", nullptr) : nullptr;
    HWND tasks = rebar ? FindWindowExW(rebar, nullptr, L"MSTaskSwWClass", nullptr) : nullptr;
    return tasks ? FindWindowExW(tasks, nullptr, L"ToolbarWindow32", nullptr) : nullptr;
}

// A few bytes in another process, for the list's answers to be written to.
class TRemoteBuffer {
public:
    TRemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~TRemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    TRemoteBuffer(const TRemoteBuffer&) = delete;
    TRemoteBuffer& operator=(const TRemoteBuffer&) = delete;

    void* Address() const { return address_; }
    template <class T> bool Read(T& value, const void* from = nullptr) const
    {
        SIZE_T read = 0;
        return ReadProcessMemory(process_, from ? from : address_, &value, sizeof(T), &read) &&
               read == sizeof(T);
    }

private:
    HANDLE process_;
    void* address_;
};

TKernelHandle OpenShellProcess(HWND list)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    TKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                    FALSE, processId));
    // A shell of the other bitness keeps its button records in another layout.
    if (process && IsWow64(process.Get()) != IsWow64(GetCurrentProcess()))
        process.Reset();
    return process;
}

// The window a button stands for: the first field of the record its data points to.
bool ButtonWindow(const TRemoteBuffer& buffer, HWND list, int index, HWND& window)
{
    TBBUTTON button{};
    if (!SendMessageW(list, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(button) || (button.fsState & TBSTATE_HIDDEN) || !button.dwData)
        return false;
    return buffer.Read(window, reinterpret_cast<const void*>(button.dwData));
}

bool ButtonRect(const TRemoteBuffer& buffer, HWND list, int index, TRect& rect)
{
    RECT r{};
    if (!SendMessageW(list, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(r))
        return false;
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

MONITORINFO MonitorOf(const TRect& place)
{
    const RECT r{place.Left, place.Top, place.Right, place.Bottom};
    MONITORINFO info{sizeof(info), {}, {}, 0};
    GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace

TTaskbarApi PlatformTaskbarApi() { return {&PlatformTray}; }

TTaskbarApi SetTaskbarApi(TTaskbarApi api)
{
    TTaskbarApi previous = CurrentApi();
    CurrentApi() = api.Tray ? std::move(api) : PlatformTaskbarApi();
    return previous;
}

bool FindTaskbarButton(HWND tray, const std::vector<HWND>& windows, TRect& button)
{
    HWND list = ButtonList(tray);
    if (!list)
        return false;
    const TKernelHandle process = OpenShellProcess(list);
    if (!process)
        return false;
    const TRemoteBuffer buffer(process.Get(), sizeof(TBBUTTON) + sizeof(RECT));
    if (!buffer.Address())
        return false;
    const int count = static_cast<int>(SendMessageW(list, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HWND window = nullptr;
        if (!ButtonWindow(buffer, list, i, window) || !window)
            continue;
        for (HWND wanted : windows)
            if (wanted && window == wanted)
                return ButtonRect(buffer, list, i, button);
    }
    return false;
}

TTaskbarPlace TaskbarPlaceFor(const TRect& place)
{
    const MONITORINFO monitor = MonitorOf(place);
    RECT bar{};
    HWND tray = CurrentApi().Tray();
    if (tray && GetWindowRect(tray, &bar) && !IsRectEmpty(&bar))
        return TaskbarFromBar(ToRect(monitor.rcMonitor), ToRect(bar));
    return TaskbarFromWorkArea(ToRect(monitor.rcMonitor), ToRect(monitor.rcWork));
}

TRect MinimizeTarget(const TRect& place, const std::vector<HWND>& buttonWindows, bool composited)
{
    TRect button;
    if (!composited && FindTaskbarButton(CurrentApi().Tray(), buttonWindows, button))
        return button;
    const TPoint centre{(place.Left + place.Right) / 2, (place.Top + place.Bottom) / 2};
    return TaskbarEdgeTarget(TaskbarPlaceFor(place), centre);
}

} // namespace pp
