#pragma once
// Builds PNG files for tests: any colour type and depth, any row filter,
// Adam7, extra chunks before or after the image data, a damaged CRC where a
// test asks for one. Samples are given as the unfiltered rows of the whole
// image, packed as in the file (most significant bits first, 16-bit samples
// big-endian).
#include <cstdint>
#include <string>
#include <vector>

namespace pptest {

struct TPngChunkSpec {
    std::string Type;
    std::vector<std::uint8_t> Data;
    bool BadCrc = false;
};

struct TPngSpec {
    int Width = 1;
    int Height = 1;
    int ColorType = 6;
    int BitDepth = 8;
    bool Interlaced = false;
    std::vector<std::uint8_t> Rows; // Height rows of RowBytes(Width) bytes
    // 0..4 for every row, or -1 to cycle through all five.
    int Filter = -1;
    std::vector<TPngChunkSpec> BeforeData;
    std::vector<TPngChunkSpec> AfterData;
    // Image data split into IDAT chunks of at most this many bytes (0: one).
    std::size_t IdatChunkSize = 0;
    // Bytes added to the inflated data after the last row.
    std::vector<std::uint8_t> ExtraData;
    int CompressionMethod = 0;
    // Rows actually written (non-interlaced; -1: all of them).
    int RowsWritten = -1;
    // Sizes written into the header in place of Width and Height (0: those).
    int DeclaredWidth = 0;
    int DeclaredHeight = 0;
};

int PngBitsPerPixel(int colorType, int bitDepth);
std::size_t PngRowBytes(const TPngSpec& spec, int width);

std::vector<std::uint8_t> PngChunk(const TPngChunkSpec& chunk);
std::vector<std::uint8_t> EncodePng(const TPngSpec& spec);

// An 8-bit RGBA image as a PNG (rows of width * 4 bytes, R G B A).
std::vector<std::uint8_t> EncodeRgbaPng(int width, int height, const std::vector<std::uint8_t>& rgba);

// Random bytes that repeat for a given seed.
std::vector<std::uint8_t> RandomBytes(std::size_t count, std::uint32_t seed);

} // namespace pptest
