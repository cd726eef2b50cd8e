#pragma once
// The program's own skin, packed, built into the executable so that the
// program is skinned even where no skin directory exists.
#include <cstdint>
#include <span>

namespace pp {

inline constexpr const char* DefaultSkinName = "Beijing";
std::span<const std::uint8_t> DefaultSkinPackage();

} // namespace pp
