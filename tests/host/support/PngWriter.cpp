#include "support/PngWriter.h"

#include "core/ByteWriter.h"
#include "skin/loading/ZCompression.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace pptest {
namespace {

int PaethPredict(int a, int b, int c)
{
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Appends the filter byte and the filtered row.
void FilterRow(int filter, const std::uint8_t* row, const std::uint8_t* above, std::size_t n, std::size_t bpp,
               std::vector<std::uint8_t>& out)
{
    out.push_back(static_cast<std::uint8_t>(filter));
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0;
        const int b = above[i];
        const int c = i >= bpp ? above[i - bpp] : 0;
        int predicted = 0;
        switch (filter) {
        case 1: predicted = a; break;
        case 2: predicted = b; break;
        case 3: predicted = (a + b) / 2; break;
        case 4: predicted = PaethPredict(a, b, c); break;
        default: break;
        }
        out.push_back(static_cast<std::uint8_t>(row[i] - predicted));
    }
}

// Copies one pixel of `bits` bits (packed, most significant first).
void CopyPixel(const std::uint8_t* from, std::size_t fromBit, std::uint8_t* to, std::size_t toBit, int bits)
{
    for (int i = 0; i < bits; ++i) {
        const std::size_t f = fromBit + i, t = toBit + i;
        const unsigned bit = (from[f >> 3] >> (7 - (f & 7))) & 1u;
        to[t >> 3] = static_cast<std::uint8_t>((to[t >> 3] & ~(0x80 >> (t & 7))) | (bit << (7 - (t & 7))));
    }
}

struct TPassSpec {
    int x0, y0, dx, dy;
};
constexpr TPassSpec Adam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// The raw (filtered) data of one pass: rows of the pixels the pass holds.
void AppendPass(const TPngSpec& spec, const TPassSpec& pass, int& rowCounter, std::vector<std::uint8_t>& out)
{
    const int width = spec.Width > pass.x0 ? (spec.Width - pass.x0 + pass.dx - 1) / pass.dx : 0;
    int height = spec.Height > pass.y0 ? (spec.Height - pass.y0 + pass.dy - 1) / pass.dy : 0;
    if (spec.RowsWritten >= 0 && !spec.Interlaced)
        height = std::min(height, spec.RowsWritten);
    if (width == 0 || height == 0)
        return;
    const int bpp = PngBitsPerPixel(spec.ColorType, spec.BitDepth);
    const std::size_t n = PngRowBytes(spec, width), full = PngRowBytes(spec, spec.Width);
    std::vector<std::uint8_t> above(n, 0), row(n);
    for (int j = 0; j < height; ++j) {
        std::fill(row.begin(), row.end(), 0);
        const std::uint8_t* source = spec.Rows.data() + full * (pass.y0 + j * pass.dy);
        for (int i = 0; i < width; ++i)
            CopyPixel(source, std::size_t(pass.x0 + i * pass.dx) * bpp, row.data(), std::size_t(i) * bpp,
                      bpp);
        const int filter = spec.Filter >= 0 ? spec.Filter : rowCounter % 5;
        ++rowCounter;
        FilterRow(filter, row.data(), above.data(), n, std::max(1, bpp / 8), out);
        above = row;
    }
}

} // namespace

int PngBitsPerPixel(int colorType, int bitDepth)
{
    switch (colorType) {
    case 2: return 3 * bitDepth;
    case 4: return 2 * bitDepth;
    case 6: return 4 * bitDepth;
    default: return bitDepth;
    }
}

std::size_t PngRowBytes(const TPngSpec& spec, int width)
{
    return (std::size_t(width) * PngBitsPerPixel(spec.ColorType, spec.BitDepth) + 7) / 8;
}

std::vector<std::uint8_t> PngChunk(const TPngChunkSpec& chunk)
{
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(chunk.Type.data()), 4);
    // zlib answers 0 for a null buffer, so empty data must not be passed.
    if (!chunk.Data.empty())
        crc = crc32(crc, chunk.Data.data(), static_cast<uInt>(chunk.Data.size()));
    return pp::TByteWriter()
        .BigEndian32(static_cast<std::uint32_t>(chunk.Data.size()))
        .Text(chunk.Type)
        .Bytes(chunk.Data)
        .BigEndian32(static_cast<std::uint32_t>(chunk.BadCrc ? crc ^ 1 : crc))
        .Take();
}

std::vector<std::uint8_t> EncodePng(const TPngSpec& spec)
{
    std::vector<std::uint8_t> raw;
    int rowCounter = 0;
    if (spec.Interlaced)
        for (const TPassSpec& pass : Adam7)
            AppendPass(spec, pass, rowCounter, raw);
    else
        AppendPass(spec, {0, 0, 1, 1}, rowCounter, raw);
    raw.insert(raw.end(), spec.ExtraData.begin(), spec.ExtraData.end());
    const std::vector<std::uint8_t> compressed = pp::ZlibCompress(raw);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const std::vector<std::uint8_t> ihdr =
        pp::TByteWriter()
            .BigEndian32(static_cast<std::uint32_t>(spec.DeclaredWidth ? spec.DeclaredWidth : spec.Width))
            .BigEndian32(static_cast<std::uint32_t>(spec.DeclaredHeight ? spec.DeclaredHeight : spec.Height))
            .Bytes(std::vector<std::uint8_t>{static_cast<std::uint8_t>(spec.BitDepth),
                                             static_cast<std::uint8_t>(spec.ColorType),
                                             static_cast<std::uint8_t>(spec.CompressionMethod), 0,
                                             static_cast<std::uint8_t>(spec.Interlaced ? 1 : 0)})
            .Take();
    auto append = [&png](const TPngChunkSpec& c) {
        const auto bytes = PngChunk(c);
        png.insert(png.end(), bytes.begin(), bytes.end());
    };
    append({"IHDR", ihdr});
    for (const auto& c : spec.BeforeData)
        append(c);
    const std::size_t step = spec.IdatChunkSize ? spec.IdatChunkSize : compressed.size();
    for (std::size_t at = 0; at < compressed.size(); at += step)
        append(
            {"IDAT", std::vector<std::uint8_t>(compressed.begin() + at,
                                               compressed.begin() + std::min(compressed.size(), at + step))});
    for (const auto& c : spec.AfterData)
        append(c);
    append({"IEND", {}});
    return png;
}

std::vector<std::uint8_t> EncodeRgbaPng(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    TPngSpec spec;
    spec.Width = width;
    spec.Height = height;
    spec.ColorType = 6;
    spec.BitDepth = 8;
    spec.Rows = rgba;
    return EncodePng(spec);
}

std::vector<std::uint8_t> RandomBytes(std::size_t count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> out(count);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(random());
    return out;
}

} // namespace pptest
