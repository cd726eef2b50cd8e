#include "skin/loading/ZCompression.h"

#include "core/Error.h"

#include <zlib.h>

#include <limits>

namespace pp {

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data, int level)
{
    if (data.size() > std::numeric_limits<uLong>::max() / 2)
        throw Exception("Data too large to compress");
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
        throw Exception("Could not compress the data");
    out.resize(size);
    return out;
}

} // namespace pp
