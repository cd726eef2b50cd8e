#pragma once
// Which port backend to use, from the PINDREL_PORT setting:
//   (unset or empty)  the driver library when present, else the simulation
//   driver            the driver library
//   sim               the simulated data latch
//   sim:N             the simulation, reading back the fixed byte N (0..255)
#include <cstdint>
#include <optional>
#include <string>

namespace pp::port {

struct TPortChoice {
    enum class TKind { Automatic, Driver, Simulated };
    TKind Kind = TKind::Automatic;
    std::optional<std::uint8_t> FixedReadValue;
    // False when the setting was not understood; Automatic is used then.
    bool Understood = true;
};

TPortChoice ParsePortChoice(const std::string& setting);

} // namespace pp::port
