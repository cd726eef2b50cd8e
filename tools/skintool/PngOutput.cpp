#include "PngOutput.h"

#include "core/Error.h"

#include <zlib.h>

namespace skintool {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendChunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& data)
{
    Put32(png, static_cast<std::uint32_t>(data.size()));
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    if (!data.empty()) // zlib answers 0 for a null buffer
        crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    Put32(png, static_cast<std::uint32_t>(crc));
}

// Rows with filter "none", RGBA.
std::vector<std::uint8_t> RawRows(const pp::TBitmap& image)
{
    std::vector<std::uint8_t> raw;
    raw.reserve((static_cast<std::size_t>(image.Width()) * 4 + 1) * image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        raw.push_back(0);
        const pp::TBGRA* row = image.Row32(y);
        for (int x = 0; x < image.Width(); ++x)
            raw.insert(raw.end(), {row[x].R, row[x].G, row[x].B, row[x].A});
    }
    return raw;
}

} // namespace

std::vector<std::uint8_t> EncodePng32(const pp::TBitmap& image)
{
    if (image.Format() != pp::TPixelFormat::pf32bit || image.Empty())
        throw pp::Exception("Only non-empty 32-bit images can be written as PNG");
    const std::vector<std::uint8_t> raw = RawRows(image);
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> compressed(size);
    if (compress2(compressed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw pp::Exception("Could not compress the image");
    compressed.resize(size);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Put32(header, static_cast<std::uint32_t>(image.Width()));
    Put32(header, static_cast<std::uint32_t>(image.Height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", {});
    return png;
}

} // namespace skintool
