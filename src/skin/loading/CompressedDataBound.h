#pragma once
// How many pixels a compressed image can describe with the bytes it has.
// Decoders ask before they allocate the image, so that a header claiming a
// huge image over a few bytes of data is refused at once instead of costing
// a large bitmap and the time to fill it with nothing.
#include <cstdint>

namespace pp {

// Images this small are cheap whatever their data; they may be left mostly
// blank by codes that skip pixels.
inline constexpr std::int64_t SmallImagePixels = std::int64_t(1) << 20;

// Whether `dataBytes` can describe `pixels` in a format that gives at most
// `mostPixels` pixels for every `perBytes` bytes of data.
constexpr bool CompressedDataCanDescribe(std::int64_t pixels, std::int64_t dataBytes, std::int64_t mostPixels,
                                         std::int64_t perBytes)
{
    if (pixels <= SmallImagePixels)
        return true;
    return dataBytes > 0 && pixels * perBytes <= dataBytes * mostPixels;
}

} // namespace pp
