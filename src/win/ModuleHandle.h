#pragma once
// Libraries loaded at run time, for functions that not every system has.
// The module is freed when its owner goes, so a function looked up in it
// may be called only while the owner lives.
#include "win/Handles.h"

#include <windows.h>

namespace pp {

namespace detail {
inline void UnloadModule(HMODULE module) { FreeLibrary(module); }
} // namespace detail

using TModuleHandle = TOwnedHandle<HMODULE, THandleKind::Module, detail::UnloadModule>;

// Loads a library by name; an empty owner when it is not there.
inline TModuleHandle LoadModule(const wchar_t* name) { return TModuleHandle(LoadLibraryW(name)); }

// A function of a loaded module as the type it is called through; null when
// the module is null or lacks it.
template <class Function> Function ModuleFunction(HMODULE module, const char* name)
{
    if (!module)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace pp
