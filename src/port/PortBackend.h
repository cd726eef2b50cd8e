#pragma once
// The one interface to a port: where writes and reads end up. The driver
// library on a machine that has it and the simulated data latch implement
// it, and so does the process-wide traced port the application drives; the
// application's rules take it, so that tests can put a recorder in its place.
#include <cstdint>

namespace pp::port {

class TPortBackend {
public:
    virtual ~TPortBackend() = default;
    // Writes one byte to the I/O port.
    virtual void Write(std::uint16_t port, std::uint8_t value) = 0;
    // Reads the I/O port; callers keep the low 8 bits.
    virtual int Read(std::uint16_t port) = 0;
};

} // namespace pp::port
