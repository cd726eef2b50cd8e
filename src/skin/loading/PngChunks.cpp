#include "skin/loading/PngChunks.h"

#include "core/ByteReader.h"
#include "skin/loading/GraphicErrors.h"
#include "skin/loading/PngMessages.h"

#include <zlib.h>

namespace pp {
namespace {

// Chunk lengths above this are not valid PNG.
constexpr std::uint32_t MaxChunkLength = 0x7FFFFFFF;

bool ValidColorAndDepth(int colorType, int depth)
{
    switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    default: return false;
    }
}

int SamplesOf(int colorType)
{
    switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

} // namespace

bool TPngChunkReader::Next(TPngChunk& chunk)
{
    std::uint8_t head[8];
    if (stream_.Read(head, sizeof head) != sizeof head)
        return false;
    chunk.Length = LoadBigEndian32(head);
    std::memcpy(chunk.Type, head + 4, 4);
    chunk.Data.clear();
    if (chunk.Length > MaxChunkLength)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    return true;
}

void TPngChunkReader::ReadData(TPngChunk& chunk)
{
    // Check the length against what is there before allocating for it.
    if (chunk.Length + std::int64_t(4) > stream_.Size() - stream_.Position())
        throw EReadError();
    chunk.Data.resize(chunk.Length);
    stream_.ReadBuffer(chunk.Data.data(), chunk.Data.size());
    std::uint8_t stored[4];
    stream_.ReadBuffer(stored, sizeof stored);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(chunk.Type), 4);
    // zlib answers 0 for a null buffer, so empty data must not be passed.
    if (!chunk.Data.empty())
        crc = crc32(crc, chunk.Data.data(), static_cast<uInt>(chunk.Data.size()));
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // (Fuzzing builds skip the check so that mutated chunks reach the
    // code behind it.)
    if (crc != LoadBigEndian32(stored))
        throw EInvalidGraphic(PngMessage::CrcError);
#else
    (void)crc;
#endif
}

TPngHeader ParsePngHeader(const TPngChunk& ihdr)
{
    if (ihdr.Data.size() != 13)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    const std::uint8_t* d = ihdr.Data.data();
    const std::uint32_t width = LoadBigEndian32(d), height = LoadBigEndian32(d + 4);
    if (width == 0 || height == 0 || width > MaxChunkLength || height > MaxChunkLength)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    TPngHeader h;
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    h.BitsPerSample = d[8];
    h.Compression = d[10];
    h.FilterMethod = d[11];
    if (h.Compression != 0)
        throw EInvalidGraphic(PngMessage::CompressionScheme);
    if (!ValidColorAndDepth(d[9], d[8]))
        throw EInvalidGraphic(PngMessage::InvalidColorFormat);
    if (d[12] > 1)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    h.ColorScheme = static_cast<TPngColorType>(d[9]);
    h.SamplesPerPixel = SamplesOf(d[9]);
    h.BitsPerPixel = h.SamplesPerPixel * h.BitsPerSample;
    h.Interlaced = d[12] == 1;
    h.HasAlpha = d[9] == 4 || d[9] == 6;
    return h;
}

} // namespace pp
