#pragma once
// Fixed-width integers as files store them. Packed skins and bitmap files
// store theirs little-endian, PNG files big-endian.
#include "core/Stream.h"

#include <cstdint>
#include <string>

namespace pp {

inline std::uint16_t LoadLittleEndian16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t LoadLittleEndian32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

inline std::uint16_t LoadBigEndian16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

inline std::uint32_t LoadBigEndian32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Reads little-endian fields one after the other from a stream. A field the
// stream cannot deliver whole throws EReadError ("Stream read error").
class TByteReader {
public:
    explicit TByteReader(TStream& stream) : stream_(stream) { }

    std::int32_t Int32();
    // `length` bytes as they stand.
    std::string Text(std::size_t length);
    // Bytes from the position to the end of the stream.
    std::int64_t BytesLeft();

private:
    TStream& stream_;
};

} // namespace pp
