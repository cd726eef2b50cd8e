#pragma once
// The port-I/O driver library, bound at run time: inpout32.dll in the 32-bit
// build, inpoutx64.dll in the 64-bit one. Both export Out32 and Inp32 as
// __stdcall functions taking the port as a 16-bit integer.
#include "port/PortBackend.h"
#include "win/ModuleHandle.h"

#include <memory>

namespace pp::port {

const wchar_t* DriverLibraryName();

class TDriverPort final : public TPortBackend {
public:
    // Null when the library or one of its two functions is missing.
    static std::unique_ptr<TDriverPort> TryLoad(const wchar_t* libraryName = DriverLibraryName());
    TDriverPort(const TDriverPort&) = delete;
    TDriverPort& operator=(const TDriverPort&) = delete;

    void Write(std::uint16_t port, std::uint8_t value) override;
    int Read(std::uint16_t port) override;

private:
    using TOut32 = void(__stdcall*)(short port, short data);
    using TInp32 = short(__stdcall*)(short port);
    TDriverPort(TModuleHandle module, TOut32 out32, TInp32 inp32)
        : module_(std::move(module)), out32_(out32), inp32_(inp32)
    {
    }
    // Keeps the library loaded while its functions may be called.
    TModuleHandle module_;
    TOut32 out32_;
    TInp32 inp32_;
};

} // namespace pp::port
