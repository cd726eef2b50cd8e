#pragma once
// A trace of every port write and read, one line each:
//   <monotonic microseconds> <W|R> <port> <value>
// appended and flushed at once, so another process can follow it while the
// program runs (tests check bytes and cadence with it; users debug wiring).
//
// A trace the user asked for but that cannot be written is never dropped in
// silence: a file that does not open leaves a notice for the start, and a
// write that fails (a full disk, a file gone read-only) stops the trace and
// hands one notice to the stop handler. The port itself is never held up.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace pp::port {

// Where the trace lines go.
class TTraceFile {
public:
    virtual ~TTraceFile() = default;
    // False when the text could not be written whole.
    virtual bool Append(std::string_view text) = 0;
    // Why the last Append failed, in words for the user.
    virtual std::string FailureReason() const = 0;
};

// Opens (creating or appending to) the named file; null with the reason
// when it cannot be opened.
std::unique_ptr<TTraceFile> OpenTraceFile(const std::string& fileName, std::string& reason);

using TTraceStoppedHandler = std::function<void(const std::string& notice)>;

class TPortTrace {
public:
    // An empty name leaves the trace off without a notice.
    explicit TPortTrace(const std::string& fileName);
    // A trace into a file already opened (tests put a failing one here).
    TPortTrace(std::string fileName, std::unique_ptr<TTraceFile> file);
    TPortTrace(const TPortTrace&) = delete;
    TPortTrace& operator=(const TPortTrace&) = delete;

    bool IsOn() const { return file_ != nullptr; }
    // Why the file asked for did not open; empty when it did or none was asked.
    const std::string& OpenNotice() const { return openNotice_; }
    void SetStoppedHandler(TTraceStoppedHandler handler) { stopped_ = std::move(handler); }
    void Record(char kind, std::uint16_t port, int value);

private:
    void Stop();

    std::string fileName_;
    std::unique_ptr<TTraceFile> file_;
    std::string openNotice_;
    TTraceStoppedHandler stopped_;
};

std::int64_t MonotonicMicroseconds();

} // namespace pp::port
