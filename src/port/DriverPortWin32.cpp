#include "port/DriverPortWin32.h"

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
    TModuleHandle module = LoadModule(libraryName);
    const auto out32 = ModuleFunction<TOut32>(module.Get(), "Out32");
    const auto inp32 = ModuleFunction<TInp32>(module.Get(), "Inp32");
    if (!out32 || !inp32)
        return nullptr;
    return std::unique_ptr<TDriverPort>(new TDriverPort(std::move(module), out32, inp32));
}

void TDriverPort::Write(std::uint16_t port, std::uint8_t value)
{
    out32_(static_cast<short>(port), static_cast<short>(value));
}

int TDriverPort::Read(std::uint16_t port) { return inp32_(static_cast<short>(port)); }

} // namespace pp::port
