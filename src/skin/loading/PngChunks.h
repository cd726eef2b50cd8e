#pragma once
// PNG chunks: reading them one after the other from a stream, and the
// header chunk's fields.
#include "core/Stream.h"
#include "skin/loading/PngFormat.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace pp {

struct TPngChunk {
    std::uint32_t Length = 0;
    char Type[5] = {};
    std::vector<std::uint8_t> Data;

    bool Is(const char* type) const { return std::memcmp(Type, type, 4) == 0; }
    // Bit 5 of the first letter clear: a decoder must understand the chunk.
    bool IsCritical() const { return (static_cast<std::uint8_t>(Type[0]) & 0x20) == 0; }
};

// Reads chunks from the stream; a chunk's data is only read (and its CRC
// checked) when asked for, so skipped chunks are never checked.
class TPngChunkReader {
public:
    explicit TPngChunkReader(TStream& stream) : stream_(stream) { }

    // The next chunk's length and type; false at the end of the stream.
    bool Next(TPngChunk& chunk);
    // The chunk's data, checked against its CRC.
    void ReadData(TPngChunk& chunk);
    void Skip(const TPngChunk& chunk) { stream_.Seek(std::int64_t(chunk.Length) + 4, TSeekOrigin::Current); }

private:
    TStream& stream_;
};

// The IHDR chunk's fields; throws EInvalidGraphic with the user's message.
TPngHeader ParsePngHeader(const TPngChunk& ihdr);

} // namespace pp
