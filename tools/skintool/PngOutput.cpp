#include "PngOutput.h"

#include "core/ByteWriter.h"
#include "core/Error.h"
#include "skin/loading/ZCompression.h"

#include <zlib.h>

namespace skintool {
namespace {

void AppendChunk(pp::TByteWriter& png, const char* type, const std::vector<std::uint8_t>& data)
{
    png.BigEndian32(static_cast<std::uint32_t>(data.size())).Text({type, 4}).Bytes(data);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    if (!data.empty()) // zlib answers 0 for a null buffer
        crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    png.BigEndian32(static_cast<std::uint32_t>(crc));
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
    pp::TByteWriter header;
    header.BigEndian32(static_cast<std::uint32_t>(image.Width()))
        .BigEndian32(static_cast<std::uint32_t>(image.Height()))
        .Bytes(std::vector<std::uint8_t>{8, 6, 0, 0, 0});

    pp::TByteWriter png;
    png.Bytes(std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    AppendChunk(png, "IHDR", header.Data());
    AppendChunk(png, "IDAT", pp::ZlibCompress(RawRows(image), pp::ZlibBestCompression));
    AppendChunk(png, "IEND", {});
    return png.Take();
}

} // namespace skintool
