#include "port/PortTraceWin32.h"

#include "core/Utf8Path.h"
#include "port/PortNotices.h"
#include "port/SystemErrorWin32.h"

#include <windows.h>
#include <cstdio>

namespace pp::port {
namespace {

class TWin32TraceFile final : public TTraceFile {
public:
    explicit TWin32TraceFile(HANDLE file) : file_(file) { }
    ~TWin32TraceFile() override { CloseHandle(file_); }
    TWin32TraceFile(const TWin32TraceFile&) = delete;
    TWin32TraceFile& operator=(const TWin32TraceFile&) = delete;

    bool Append(std::string_view text) override
    {
        DWORD written = 0;
        if (!WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
            error_ = GetLastError();
            return false;
        }
        // A short write without an error is what a full disk gives on some systems.
        if (written != text.size()) {
            error_ = ERROR_DISK_FULL;
            return false;
        }
        return true;
    }
    std::string FailureReason() const override { return SystemErrorText(error_); }

private:
    HANDLE file_;
    DWORD error_ = ERROR_SUCCESS;
};

// The path a notice names: in full, so that a relative name can be found.
std::string FullPath(const std::string& fileName)
{
    const std::wstring name = PathFromUtf8(fileName).wstring();
    const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return fileName;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return fileName;
    full.resize(length);
    return Utf8FromPath(std::filesystem::path(full));
}

} // namespace

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

std::unique_ptr<TTraceFile> OpenTraceFile(const std::string& fileName, std::string& reason)
{
    // Unbuffered appends: each line reaches the file before the next port access.
    HANDLE h = CreateFileW(PathFromUtf8(fileName).wstring().c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        reason = SystemErrorText(GetLastError());
        return nullptr;
    }
    return std::make_unique<TWin32TraceFile>(h);
}

TPortTrace::TPortTrace(const std::string& fileName)
{
    if (fileName.empty())
        return;
    fileName_ = FullPath(fileName);
    std::string reason;
    file_ = OpenTraceFile(fileName_, reason);
    if (!file_)
        openNotice_ = TraceNotOpenedNotice(fileName_, reason);
}

TPortTrace::TPortTrace(std::string fileName, std::unique_ptr<TTraceFile> file)
    : fileName_(std::move(fileName)), file_(std::move(file))
{
}

void TPortTrace::Record(char kind, std::uint16_t port, int value)
{
    if (!file_)
        return;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%lld %c %u %d\n",
                                static_cast<long long>(MonotonicMicroseconds()), kind,
                                static_cast<unsigned>(port), value);
    if (!file_->Append(std::string_view(line, static_cast<std::size_t>(n))))
        Stop();
}

void TPortTrace::Stop()
{
    const std::string notice = TraceStoppedNotice(fileName_, file_->FailureReason());
    // Off before anyone hears of it: a handler that lets the port run again
    // (a message loop) must not meet the broken file a second time.
    file_.reset();
    // A copy: the handler may end the trace, and this object with it.
    const TTraceStoppedHandler handler = stopped_;
    if (handler)
        handler(notice);
}

} // namespace pp::port
