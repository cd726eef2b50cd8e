#pragma once
// What a bitmap file's headers say, shared by the BMP loader's parts.
#include "core/Bitmap.h"
#include "core/Stream.h"

#include <cstdint>
#include <vector>

namespace pp {

enum class TBmpCompression : std::uint32_t {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6,
};

struct TBmpInfo {
    int Width = 0;
    int Height = 0; // always positive; see TopDown
    bool TopDown = false;
    int BitCount = 0;
    TBmpCompression Compression = TBmpCompression::Rgb;
    std::uint32_t RedMask = 0, GreenMask = 0, BlueMask = 0, AlphaMask = 0;
    std::vector<TColor> Palette;
};

// A row position in the file's order mapped to the bitmap's top-down row.
inline int BmpTargetRow(const TBmpInfo& info, int fileRow)
{
    return info.TopDown ? fileRow : info.Height - 1 - fileRow;
}

// Throws "Stream read error" unless the stream holds every uncompressed row.
void CheckBmpRowsPresent(TStream& stream, const TBmpInfo& info);
// Reads uncompressed rows (1, 4, 8, 16, 24, 32 bits, masks included).
void ReadBmpRows(TStream& stream, const TBmpInfo& info, TBitmap& target);
// Throws "Stream read error" unless `dataBytes` of RLE8 or RLE4 codes can
// describe the image, so that a short file never costs a large bitmap.
void CheckBmpRleCanCover(std::int64_t dataBytes, const TBmpInfo& info);
// Decodes RLE8 or RLE4 data into a palette bitmap of 8 or 4 bits.
void DecodeBmpRle(const std::vector<std::uint8_t>& data, const TBmpInfo& info, TBitmap& target);

inline constexpr const char* BmpInvalidFormat = "Cannot load image. Invalid or unexpected BMP image format.";
inline constexpr const char* BmpUnsupportedCompression =
    "Cannot load image. The compression scheme is not supported for BMP files.";

} // namespace pp
