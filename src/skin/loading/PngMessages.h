#pragma once
// The texts of PNG decoding failures, as the user reads them.
namespace pp::PngMessage {

inline constexpr const char* InvalidFormat = "Cannot load image. Invalid or unexpected PNG image format.";
inline constexpr const char* CompressionScheme =
    "Cannot load image. The compression scheme is not supported for PNG files.";
inline constexpr const char* CrcError = "Cannot load image. CRC error found in PNG file.";
inline constexpr const char* InvalidPalette = "Cannot load image. Palette in PNG file is invalid.";
inline constexpr const char* CompressionError = "Cannot load image. Compression error found in PNG file.";
inline constexpr const char* ExtraData = "Cannot load image. Extra compressed data found in PNG file.";
inline constexpr const char* CriticalChunk = "Cannot load PNG image. Unexpected but critical chunk detected.";
inline constexpr const char* InvalidColorFormat = "Invalid color format in PNG file.";
inline constexpr const char* Lz77Error = "LZ77 decompression error.";

} // namespace pp::PngMessage
