#pragma once
// Whether a process is a 32-bit one on 64-bit Windows. Systems before the
// function existed have no 64-bit version, so its absence means no.
#include "win/ModuleHandle.h"

#include <windows.h>

namespace pp {

inline bool IsWow64(HANDLE process)
{
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto query = ModuleFunction<TIsWow64Process>(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return query && query(process, &wow64) && wow64;
}

} // namespace pp
