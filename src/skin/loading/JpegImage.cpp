#include "skin/loading/JpegImage.h"

#include "core/Error.h"
#include "skin/loading/CompressedDataBound.h"
#include "skin/loading/JpegStructure.h"

// The only place the JPEG decoder is compiled; nothing but JPEG is enabled,
// so no other format can reach it through this entry point.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS 16384
#include <stb_image.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>

namespace pp {
namespace {

struct TStbFree {
    void operator()(unsigned char* p) const { stbi_image_free(p); }
};

[[noreturn]] void ThrowInvalid(const char* reason)
{
    std::string message = "Cannot load image. Invalid or unexpected JPEG image format.";
    if (reason && *reason)
        message += std::string(" (") + reason + ")";
    throw EInvalidGraphic(message);
}

// The most pixels one byte of a JPEG file can describe. Every coded block
// costs at least one bit (a one-bit DC code), and a block of a component
// sampled at a quarter of the largest factor both ways covers 32 x 32
// pixels. The library itself fills missing data with zeros and decodes
// every block anyway, so a short file is refused here.
constexpr std::int64_t MostPixelsPerByte = 8 * 32 * 32;

} // namespace

TBitmap LoadJpegFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const std::vector<std::uint8_t> bytes = stream.ReadToEnd();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        ThrowInvalid("file too large");
    const int length = static_cast<int>(bytes.size());
    // Before the library sees any table: it trusts their code counts.
    CheckJpegHuffmanTables(bytes);
    int width = 0, height = 0, channels = 0;
    // Size first, so that an absurd size is refused before any pixel memory.
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels))
        ThrowInvalid(stbi_failure_reason());
    CheckBitmapSize(width, height, TPixelFormat::pf24bit);
    if (!CompressedDataCanDescribe(std::int64_t(width) * height, length, MostPixelsPerByte, 1))
        ThrowInvalid("too little data for its size");
    std::unique_ptr<unsigned char, TStbFree> pixels(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 3));
    if (!pixels)
        ThrowInvalid(stbi_failure_reason());
    TBitmap bitmap(width, height, TPixelFormat::pf24bit);
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = pixels.get() + static_cast<std::size_t>(y) * width * 3;
        std::uint8_t* out = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    return bitmap;
}

} // namespace pp
