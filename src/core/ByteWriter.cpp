#include "core/ByteWriter.h"

namespace pp {

TByteWriter& TByteWriter::LittleEndian16(std::uint16_t value)
{
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    return *this;
}

TByteWriter& TByteWriter::LittleEndian32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    return *this;
}

TByteWriter& TByteWriter::BigEndian32(std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    return *this;
}

TByteWriter& TByteWriter::Bytes(std::span<const std::uint8_t> bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

TByteWriter& TByteWriter::Text(std::string_view text)
{
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
}

} // namespace pp
