// Uncompressed bitmap rows: palette rows are copied as they are, 24 and
// 32 bits are copied, 16 bits and BITFIELDS are unpacked through their masks.
#include "core/ByteReader.h"
#include "skin/loading/BmpFormat.h"
#include "skin/loading/GraphicErrors.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pp {
namespace {

// One channel of a packed pixel: where it sits and how wide it is. Narrow
// channels are widened to 8 bits by repeating their bits (5 bits abcde become
// abcdeabc), so that full scale stays full scale and steps stay even.
struct TChannel {
    int Shift = 0;
    int Bits = 0; // 0 for an empty mask

    explicit TChannel(std::uint32_t mask)
    {
        if (mask == 0)
            return;
        Shift = std::countr_zero(mask);
        Bits = std::bit_width(mask >> Shift);
    }
    bool Present() const { return Bits != 0; }
    std::uint8_t Extract(std::uint32_t pixel, std::uint32_t mask) const
    {
        if (!Present())
            return 0;
        const std::uint64_t value = (pixel & mask) >> Shift;
        std::uint64_t widened = 0;
        int filled = 0;
        while (filled < 8) {
            widened = (widened << Bits) | value;
            filled += Bits;
        }
        return static_cast<std::uint8_t>(widened >> (filled - 8));
    }
};

struct TMasks {
    std::uint32_t R, G, B, A;
};

TMasks MasksOf(const TBmpInfo& info)
{
    const bool bitFields = info.Compression == TBmpCompression::BitFields ||
                           info.Compression == TBmpCompression::AlphaBitFields;
    if (bitFields)
        return {info.RedMask, info.GreenMask, info.BlueMask, info.AlphaMask};
    if (info.BitCount == 16)
        return {0x7C00, 0x03E0, 0x001F, 0}; // 5-5-5
    return {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
}

void UnpackRow(const std::uint8_t* in, const TBmpInfo& info, const TMasks& m, std::uint8_t* out)
{
    const TChannel r(m.R), g(m.G), b(m.B), a(m.A);
    const bool wide = info.BitCount == 32;
    for (int x = 0; x < info.Width; ++x) {
        const std::uint32_t pixel = wide ? LoadLittleEndian32(in + 4 * x) : LoadLittleEndian16(in + 2 * x);
        if (wide) {
            TBGRA& p = reinterpret_cast<TBGRA*>(out)[x];
            p = {b.Extract(pixel, m.B), g.Extract(pixel, m.G), r.Extract(pixel, m.R),
                 // Without an alpha mask the fourth byte stays, as in plain 32-bit files.
                 a.Present() ? a.Extract(pixel, m.A) : static_cast<std::uint8_t>(pixel >> 24)};
        } else {
            out[3 * x] = b.Extract(pixel, m.B);
            out[3 * x + 1] = g.Extract(pixel, m.G);
            out[3 * x + 2] = r.Extract(pixel, m.R);
        }
    }
}

bool NeedsUnpacking(const TBmpInfo& info)
{
    return info.BitCount == 16 || info.Compression == TBmpCompression::BitFields ||
           info.Compression == TBmpCompression::AlphaBitFields;
}

} // namespace

// File rows are padded to four bytes, like the bitmap's own rows.
static std::size_t FileStride(const TBmpInfo& info)
{
    return ((static_cast<std::size_t>(info.Width) * info.BitCount + 31) / 32) * 4;
}

void CheckBmpRowsPresent(TStream& stream, const TBmpInfo& info)
{
    if (static_cast<std::int64_t>(FileStride(info)) * info.Height > stream.Size() - stream.Position())
        throw EReadError();
}

void ReadBmpRows(TStream& stream, const TBmpInfo& info, TBitmap& target)
{
    const std::size_t fileStride = FileStride(info);
    CheckBmpRowsPresent(stream, info);
    const bool unpack = NeedsUnpacking(info);
    const TMasks masks = MasksOf(info);
    const std::size_t copy = std::min(fileStride, target.Stride());
    std::vector<std::uint8_t> row(fileStride);
    for (int fileRow = 0; fileRow < info.Height; ++fileRow) {
        stream.ReadBuffer(row.data(), row.size());
        std::uint8_t* out = target.ScanLine(BmpTargetRow(info, fileRow));
        if (unpack)
            UnpackRow(row.data(), info, masks, out);
        else
            std::memcpy(out, row.data(), copy);
    }
}

} // namespace pp
