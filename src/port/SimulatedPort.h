#pragma once
// A data latch in memory: a read gives back the last byte written to the
// same port, or a fixed byte when the simulation is told to answer with one
// (to show a port that reads back something else than it was given).
#include "port/PortBackend.h"

#include <map>
#include <optional>

namespace pp::port {

class TSimulatedPort final : public TPortBackend {
public:
    explicit TSimulatedPort(std::optional<std::uint8_t> fixedReadValue = std::nullopt)
        : fixedReadValue_(fixedReadValue)
    {
    }
    void Write(std::uint16_t port, std::uint8_t value) override { latches_[port] = value; }
    int Read(std::uint16_t port) override
    {
        if (fixedReadValue_)
            return *fixedReadValue_;
        const auto it = latches_.find(port);
        return it == latches_.end() ? 0 : it->second;
    }

private:
    std::optional<std::uint8_t> fixedReadValue_;
    std::map<std::uint16_t, std::uint8_t> latches_;
};

} // namespace pp::port
