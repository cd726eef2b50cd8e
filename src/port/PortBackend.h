#pragma once
// Where port writes and reads end up: the driver library on a machine that
// has it, a simulated data latch otherwise.
#include <cstdint>
#include <string>

namespace pp::port {

class TPortBackend {
public:
    virtual ~TPortBackend() = default;
    virtual void Write(std::uint16_t port, std::uint8_t value) = 0;
    virtual int Read(std::uint16_t port) = 0;
};

} // namespace pp::port
