#include "port/PortTraceWin32.h"

#include "core/Utf8Path.h"

#include <windows.h>
#include <cstdio>

namespace pp::port {

std::int64_t MonotonicMicroseconds()
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<std::int64_t>(now.QuadPart / frequency * 1000000 +
                                     now.QuadPart % frequency * 1000000 / frequency);
}

TPortTrace::TPortTrace(const std::string& fileName)
{
    if (fileName.empty())
        return;
    // Unbuffered appends: each line reaches the file before the next port access.
    HANDLE h = CreateFileW(PathFromUtf8(fileName).wstring().c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        file_ = h;
}

TPortTrace::~TPortTrace()
{
    if (file_)
        CloseHandle(static_cast<HANDLE>(file_));
}

void TPortTrace::Record(char kind, std::uint16_t port, int value)
{
    if (!file_)
        return;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%lld %c %u %d\n",
                                static_cast<long long>(MonotonicMicroseconds()), kind,
                                static_cast<unsigned>(port), value);
    DWORD written = 0;
    WriteFile(static_cast<HANDLE>(file_), line, static_cast<DWORD>(n), &written, nullptr);
}

} // namespace pp::port
