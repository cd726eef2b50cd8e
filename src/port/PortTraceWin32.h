#pragma once
// A trace of every port write and read, one line each:
//   <monotonic microseconds> <W|R> <port> <value>
// appended and flushed at once, so another process can follow it while the
// program runs (tests check bytes and cadence with it; users debug wiring).
#include <cstdint>
#include <string>

namespace pp::port {

class TPortTrace {
public:
    // Opens (creating or appending to) the named file; an empty name or a
    // file that cannot be opened leaves the trace off.
    explicit TPortTrace(const std::string& fileName);
    ~TPortTrace();
    TPortTrace(const TPortTrace&) = delete;
    TPortTrace& operator=(const TPortTrace&) = delete;

    bool IsOn() const { return file_ != nullptr; }
    void Record(char kind, std::uint16_t port, int value);

private:
    void* file_ = nullptr;
};

std::int64_t MonotonicMicroseconds();

} // namespace pp::port
