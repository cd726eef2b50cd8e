#include "port/DriverPortWin32.h"

#include "port/SystemErrorWin32.h"
#include "win/Text.h"

#include <windows.h>

namespace pp::port {
namespace {

#ifdef _WIN64
constexpr const char* ProgramBitness = "64";
#else
constexpr const char* ProgramBitness = "32";
#endif

// Where the loader would find the library, or nothing when it is nowhere.
std::wstring FoundLibraryPath(const wchar_t* libraryName)
{
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = SearchPathW(nullptr, libraryName, nullptr, static_cast<DWORD>(std::size(path)), path,
                                     nullptr);
    if (length == 0 || length >= std::size(path))
        return {};
    return std::wstring(path, length);
}

std::wstring ModulePath(HMODULE module)
{
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
    return std::wstring(path, length < std::size(path) ? length : 0);
}

std::string LoadFailureReason(DWORD error)
{
    if (error == ERROR_BAD_EXE_FORMAT)
        return std::string("библиотека другой разрядности, этой программе нужна ") + ProgramBitness +
               "-битная";
    return SystemErrorText(error);
}

std::string MissingFunctionsReason(bool out32Missing, bool inp32Missing)
{
    if (out32Missing && inp32Missing)
        return "в библиотеке нет функций Out32 и Inp32";
    return std::string("в библиотеке нет функции ") + (out32Missing ? "Out32" : "Inp32");
}

TDriverLoad Unusable(std::wstring where, std::string reason)
{
    TDriverLoad load;
    load.Outcome = TDriverLoad::TOutcome::Unusable;
    load.Where = Utf8FromWide(where);
    load.Reason = std::move(reason);
    return load;
}

// A damaged library must not stop the start with a system error box: the
// program reports it in its own notice instead.
TModuleHandle LoadQuietly(const wchar_t* libraryName, DWORD& error)
{
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    TModuleHandle module = LoadModule(libraryName);
    error = module ? ERROR_SUCCESS : GetLastError();
    SetThreadErrorMode(previousMode, nullptr);
    return module;
}

} // namespace

const wchar_t* DriverLibraryName()
{
#ifdef _WIN64
    return L"inpoutx64.dll";
#else
    return L"inpout32.dll";
#endif
}

TDriverLoad TDriverPort::Load(const wchar_t* libraryName)
{
    DWORD error = ERROR_SUCCESS;
    TModuleHandle module = LoadQuietly(libraryName, error);
    if (!module) {
        const std::wstring found = FoundLibraryPath(libraryName);
        if (found.empty() && (error == ERROR_MOD_NOT_FOUND || error == ERROR_FILE_NOT_FOUND ||
                              error == ERROR_PATH_NOT_FOUND)) {
            TDriverLoad missing;
            missing.Where = Utf8FromWide(libraryName);
            return missing;
        }
        return Unusable(found.empty() ? libraryName : found, LoadFailureReason(error));
    }
    const auto out32 = ModuleFunction<TOut32>(module.Get(), "Out32");
    const auto inp32 = ModuleFunction<TInp32>(module.Get(), "Inp32");
    if (!out32 || !inp32)
        return Unusable(ModulePath(module.Get()), MissingFunctionsReason(!out32, !inp32));
    TDriverLoad bound;
    bound.Outcome = TDriverLoad::TOutcome::Bound;
    bound.Where = Utf8FromWide(ModulePath(module.Get()));
    bound.Port = std::unique_ptr<TDriverPort>(new TDriverPort(std::move(module), out32, inp32));
    return bound;
}

std::unique_ptr<TDriverPort> TDriverPort::TryLoad(const wchar_t* libraryName)
{
    return Load(libraryName).Port;
}

void TDriverPort::Write(std::uint16_t port, std::uint8_t value)
{
    out32_(static_cast<short>(port), static_cast<short>(value));
}

int TDriverPort::Read(std::uint16_t port) { return inp32_(static_cast<short>(port)); }

} // namespace pp::port
