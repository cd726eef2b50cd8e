#pragma once
// The port-I/O driver library, bound at run time: inpout32.dll in the 32-bit
// build, inpoutx64.dll in the 64-bit one. Both export Out32 and Inp32 as
// __stdcall functions taking the port as a 16-bit integer.
#include "port/PortBackend.h"
#include "win/ModuleHandle.h"

#include <memory>
#include <string>

namespace pp::port {

const wchar_t* DriverLibraryName();

// The driver's two functions as it exports them. __stdcall matters in the
// 32-bit build only, where the callee clears the stack: a wrong convention
// there would unbalance it on every port access.
using TOut32Function = void __stdcall(short port, short data);
using TInp32Function = short __stdcall(short port);

class TDriverPort;

// What binding the library gave: the port, or why there is none. A library
// that is there but cannot be used (another bitness, a function missing) is
// told apart from one that is not there at all, because its owner has to
// be told what to fix.
struct TDriverLoad {
    enum class TOutcome { Bound, Missing, Unusable };
    TOutcome Outcome = TOutcome::Missing;
    std::unique_ptr<TDriverPort> Port;
    // The library's full path when it was found, else the name asked for.
    std::string Where;
    // Why an unusable library cannot be used.
    std::string Reason;
};

class TDriverPort final : public TPortBackend {
public:
    static TDriverLoad Load(const wchar_t* libraryName = DriverLibraryName());
    // Null when the library cannot be bound, whatever the reason.
    static std::unique_ptr<TDriverPort> TryLoad(const wchar_t* libraryName = DriverLibraryName());
    TDriverPort(const TDriverPort&) = delete;
    TDriverPort& operator=(const TDriverPort&) = delete;

    void Write(std::uint16_t port, std::uint8_t value) override;
    int Read(std::uint16_t port) override;

private:
    using TOut32 = TOut32Function*;
    using TInp32 = TInp32Function*;
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
