#pragma once
// Small bitmaps written out pixel by pixel, and seeded random ones, for the
// pixel toolbox tests.
#include "core/Bitmap.h"

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace pp::test {

// Pixels as 0xAARRGGBB, row by row.
inline TBitmap Bitmap32(int width, int height, std::initializer_list<std::uint32_t> pixels)
{
    TBitmap b(width, height);
    auto it = pixels.begin();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = it == pixels.end() ? 0 : *it++;
            b.Pixel32(x, y) = TBGRA{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                    std::uint8_t(v >> 24)};
        }
    return b;
}

inline TBitmap Filled32(int width, int height, std::uint32_t value)
{
    TBitmap b(width, height);
    b.Fill(TBGRA{std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
                 std::uint8_t(value >> 24)});
    return b;
}

inline std::uint32_t At(const TBitmap& b, int x, int y)
{
    const TBGRA p = b.Pixel32(x, y);
    return std::uint32_t(p.B) | (std::uint32_t(p.G) << 8) | (std::uint32_t(p.R) << 16) |
           (std::uint32_t(p.A) << 24);
}

inline TBitmap Random32(int width, int height, std::mt19937& rng)
{
    TBitmap b(width, height);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.Pixel32(x, y) = TBGRA{std::uint8_t(byte(rng)), std::uint8_t(byte(rng)), std::uint8_t(byte(rng)),
                                    std::uint8_t(byte(rng))};
    return b;
}

inline bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    if (a.Size() != b.Size())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(a.Pixel32(x, y) == b.Pixel32(x, y)))
                return false;
    return true;
}

} // namespace pp::test
