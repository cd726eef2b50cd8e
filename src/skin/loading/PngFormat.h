#pragma once
// What a PNG file's header and ancillary chunks say, shared by the PNG
// decoder's parts.
#include "core/Color.h"

#include <cstdint>

namespace pp {

enum class TPngColorType : std::uint8_t {
    Grey = 0,
    TrueColor = 2,
    Indexed = 3,
    GreyAlpha = 4,
    TrueColorAlpha = 6,
};

// What the header and the ancillary chunks said.
struct TPngHeader {
    int Width = 0;
    int Height = 0;
    int BitsPerSample = 0;
    int SamplesPerPixel = 0;
    TPngColorType ColorScheme = TPngColorType::Grey;
    int BitsPerPixel = 0;
    int Compression = 0;
    int FilterMethod = 0;
    bool Interlaced = false;
    bool HasAlpha = false;
    double FileGamma = 1.0;
    // The bKGD colour of grey and truecolour images, clNone without one.
    // Decoding covers every pixel, so the image itself never shows it.
    TColor Background = clNone;
};

} // namespace pp
