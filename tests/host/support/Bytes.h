#pragma once
// Bytes of a text, for files and package entries written by tests.
#include <cstdint>
#include <string_view>
#include <vector>

namespace pptest {

inline std::vector<std::uint8_t> BytesOf(std::string_view text) { return {text.begin(), text.end()}; }

} // namespace pptest
