#include "skin/loading/BmpImage.h"

#include "core/ByteReader.h"
#include "skin/loading/BmpFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace pp {
namespace {

constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t LargestHeaderSize = 124;

[[noreturn]] void Invalid() { throw EInvalidGraphic(BmpInvalidFormat); }

void ParseCoreHeader(const std::uint8_t* h, TBmpInfo& info)
{
    info.Width = static_cast<int>(LoadLittleEndian16(h + 4));
    info.Height = static_cast<int>(LoadLittleEndian16(h + 6));
    info.BitCount = static_cast<int>(LoadLittleEndian16(h + 10));
}

void ParseInfoHeader(const std::uint8_t* h, std::uint32_t size, TBmpInfo& info)
{
    const auto width = static_cast<std::int32_t>(LoadLittleEndian32(h + 4));
    const auto height = static_cast<std::int32_t>(LoadLittleEndian32(h + 8));
    if (width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min())
        Invalid();
    info.Width = width;
    info.TopDown = height < 0;
    info.Height = height < 0 ? -height : height;
    info.BitCount = static_cast<int>(LoadLittleEndian16(h + 14));
    info.Compression = static_cast<TBmpCompression>(LoadLittleEndian32(h + 16));
    if (size >= 52) {
        info.RedMask = LoadLittleEndian32(h + 40);
        info.GreenMask = LoadLittleEndian32(h + 44);
        info.BlueMask = LoadLittleEndian32(h + 48);
    }
    if (size >= 56)
        info.AlphaMask = LoadLittleEndian32(h + 52);
}

void CheckFormat(const TBmpInfo& info)
{
    if (info.Width <= 0 || info.Height <= 0)
        Invalid();
    switch (info.Compression) {
    case TBmpCompression::Rgb:
        if (info.BitCount != 1 && info.BitCount != 4 && info.BitCount != 8 && info.BitCount != 16 &&
            info.BitCount != 24 && info.BitCount != 32)
            Invalid();
        return;
    case TBmpCompression::Rle8:
    case TBmpCompression::Rle4:
        if (info.BitCount != (info.Compression == TBmpCompression::Rle8 ? 8 : 4) || info.TopDown)
            Invalid();
        return;
    case TBmpCompression::BitFields:
    case TBmpCompression::AlphaBitFields:
        if (info.BitCount != 16 && info.BitCount != 32)
            Invalid();
        return;
    default: throw EInvalidGraphic(BmpUnsupportedCompression);
    }
}

// Masks of a BITFIELDS file with the plain info header follow the header.
void ReadTrailingMasks(TStream& stream, TBmpInfo& info, std::uint32_t headerSize)
{
    const bool bitFields = info.Compression == TBmpCompression::BitFields ||
                           info.Compression == TBmpCompression::AlphaBitFields;
    if (!bitFields || headerSize >= 52)
        return;
    const bool withAlpha = info.Compression == TBmpCompression::AlphaBitFields;
    std::uint8_t masks[16] = {};
    stream.ReadBuffer(masks, withAlpha ? 16 : 12);
    info.RedMask = LoadLittleEndian32(masks);
    info.GreenMask = LoadLittleEndian32(masks + 4);
    info.BlueMask = LoadLittleEndian32(masks + 8);
    if (withAlpha)
        info.AlphaMask = LoadLittleEndian32(masks + 12);
}

void ReadPalette(TStream& stream, TBmpInfo& info, std::uint32_t colorsUsed, bool core)
{
    if (info.BitCount > 8)
        return;
    const std::uint32_t full = 1u << info.BitCount;
    const std::uint32_t count = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    const std::size_t entryBytes = core ? 3 : 4;
    std::vector<std::uint8_t> bytes(count * entryBytes);
    stream.ReadBuffer(bytes.data(), bytes.size());
    info.Palette.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = bytes.data() + i * entryBytes;
        info.Palette[i] = MakeColor(e[2], e[1], e[0]);
    }
}

TPixelFormat ResultFormat(int bitCount)
{
    switch (bitCount) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;
    }
}

std::vector<std::uint8_t> ReadRest(TStream& stream)
{
    const std::int64_t left = stream.Size() - stream.Position();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::int64_t>(left, 0)));
    stream.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

TBitmap LoadBmpFromStream(TStream& stream)
{
    const std::int64_t start = stream.Position();
    std::uint8_t fileHeader[14];
    if (stream.Read(fileHeader, sizeof fileHeader) != sizeof fileHeader || fileHeader[0] != 'B' ||
        fileHeader[1] != 'M')
        Invalid();
    const std::uint32_t pixelOffset = LoadLittleEndian32(fileHeader + 10);

    std::uint8_t header[LargestHeaderSize] = {};
    stream.ReadBuffer(header, 4);
    const std::uint32_t headerSize = LoadLittleEndian32(header);
    if (headerSize != CoreHeaderSize && (headerSize < InfoHeaderSize || headerSize > LargestHeaderSize))
        Invalid();
    stream.ReadBuffer(header + 4, headerSize - 4);

    TBmpInfo info;
    const bool core = headerSize == CoreHeaderSize;
    if (core)
        ParseCoreHeader(header, info);
    else
        ParseInfoHeader(header, headerSize, info);
    CheckFormat(info);
    ReadTrailingMasks(stream, info, headerSize);
    ReadPalette(stream, info, core ? 0 : LoadLittleEndian32(header + 32), core);

    const TPixelFormat format = ResultFormat(info.BitCount);
    CheckBitmapSize(info.Width, info.Height, format);
    // Some writers leave the offset 0; the pixels then follow the palette.
    if (pixelOffset != 0)
        stream.SetPosition(start + pixelOffset);
    // The data must be able to describe the image before its bitmap is
    // allocated: a few header bytes must not cost a huge bitmap.
    const bool rle = info.Compression == TBmpCompression::Rle8 || info.Compression == TBmpCompression::Rle4;
    if (rle)
        CheckBmpRleCanCover(stream.Size() - stream.Position(), info);
    else
        CheckBmpRowsPresent(stream, info);
    TBitmap bitmap(info.Width, info.Height, format);
    bitmap.Palette = info.Palette;
    if (rle)
        DecodeBmpRle(ReadRest(stream), info, bitmap);
    else
        ReadBmpRows(stream, info, bitmap);
    return bitmap;
}

} // namespace pp
