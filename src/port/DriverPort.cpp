#include "port/DriverPort.h"

#include <windows.h>

namespace pp::port {

const wchar_t* DriverLibraryName()
{
#ifdef _WIN64
    return L"inpoutx64.dll";
#else
    return L"inpout32.dll";
#endif
}

std::unique_ptr<TDriverPort> TDriverPort::TryLoad(const wchar_t* libraryName)
{
    HMODULE module = LoadLibraryW(libraryName);
    if (!module)
        return nullptr;
    auto out32 = reinterpret_cast<TOut32>(reinterpret_cast<void*>(GetProcAddress(module, "Out32")));
    auto inp32 = reinterpret_cast<TInp32>(reinterpret_cast<void*>(GetProcAddress(module, "Inp32")));
    if (!out32 || !inp32) {
        FreeLibrary(module);
        return nullptr;
    }
    return std::unique_ptr<TDriverPort>(new TDriverPort(module, out32, inp32));
}

TDriverPort::~TDriverPort() { FreeLibrary(static_cast<HMODULE>(module_)); }

void TDriverPort::Write(std::uint16_t port, std::uint8_t value)
{
    out32_(static_cast<short>(port), static_cast<short>(value));
}

int TDriverPort::Read(std::uint16_t port) { return inp32_(static_cast<short>(port)); }

} // namespace pp::port
