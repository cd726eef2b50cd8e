#include "toolkit/WindowClass.h"

#include "toolkit/Errors.h"
#include "win/Text.h"

#include <set>
#include <string>

namespace pp {

void RegisterClassOnce(const wchar_t* name, WNDPROC procedure, HICON icon)
{
    static std::set<std::wstring> registered;
    if (registered.contains(name))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc))
        throw EOutOfResources("Cannot register window class " + Utf8FromWide(name));
    registered.insert(name);
}

} // namespace pp
