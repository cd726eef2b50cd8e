// Entry point of every Win test program: the toolkit's application object
// is initialised (nothing is shown) before the tests run.
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// Under Wine on a display without a window manager, hiding a window the X
// server considers managed waits two seconds for a state change that never
// comes. Test programs ask Wine (for themselves only, by executable name)
// to leave their windows unmanaged. Real Windows ignores the key.
void AvoidUnmanagedDisplayWaits()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* name = wcsrchr(path, L'\\') ? wcsrchr(path, L'\\') + 1 : path;
    const std::wstring key = std::wstring(L"Software\\Wine\\AppDefaults\\") + name + L"\\X11 Driver";
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    const wchar_t no[] = L"N";
    RegSetValueExW(handle, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof(no));
    RegCloseKey(handle);
}

} // namespace

int main(int argc, char** argv)
{
    AvoidUnmanagedDisplayWaits();
    testing::InitGoogleTest(&argc, argv);
    pp::Application->Initialize();
    const int result = RUN_ALL_TESTS();
    pp::Application->Finalize();
    return result;
}
