#pragma once
// Appends fields to bytes in memory: integers little-endian as packed skins
// and bitmap files store them, or big-endian as PNG files do.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pp {

class TByteWriter {
public:
    TByteWriter& Int32(std::int32_t value) { return LittleEndian32(static_cast<std::uint32_t>(value)); }
    TByteWriter& LittleEndian16(std::uint16_t value);
    TByteWriter& LittleEndian32(std::uint32_t value);
    TByteWriter& BigEndian32(std::uint32_t value);
    TByteWriter& Bytes(std::span<const std::uint8_t> bytes);
    TByteWriter& Text(std::string_view text);

    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    // Hands the bytes over, leaving the writer empty.
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace pp
