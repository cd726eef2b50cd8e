#pragma once
// The program's window icon: a DB-25 parallel-port connector, drawn here as
// the bytes of a 32 x 32, 16-colour .ico file so that no picture file has to
// travel with the sources.
#include <cstdint>
#include <vector>

namespace pp::app {

inline constexpr int ConnectorIconSize = 32;

std::vector<std::uint8_t> ConnectorIconFile();

} // namespace pp::app
