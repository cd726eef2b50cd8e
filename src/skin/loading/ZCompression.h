#pragma once
// Compressing into one zlib stream (two-byte header, deflate data, Adler-32
// trailer): the form of packed skin entries and of PNG image data.
#include <cstdint>
#include <span>
#include <vector>

namespace pp {

inline constexpr int ZlibDefaultLevel = 6;
inline constexpr int ZlibBestCompression = 9;

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data, int level = ZlibDefaultLevel);

} // namespace pp
