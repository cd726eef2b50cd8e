#include "core/ByteReader.h"

#include "core/Error.h"

#include <algorithm>

namespace pp {

std::int32_t TByteReader::Int32()
{
    std::uint8_t bytes[4];
    stream_.ReadBuffer(bytes, sizeof bytes);
    return static_cast<std::int32_t>(LoadLittleEndian32(bytes));
}

std::string TByteReader::Text(std::size_t length)
{
    // A length beyond the stream would ask for memory the data cannot fill.
    if (static_cast<std::uint64_t>(length) > static_cast<std::uint64_t>(BytesLeft()))
        throw EReadError();
    std::string text(length, '\0');
    stream_.ReadBuffer(text.data(), text.size());
    return text;
}

std::int64_t TByteReader::BytesLeft()
{
    return std::max<std::int64_t>(0, stream_.Size() - stream_.Position());
}

} // namespace pp
