#include "skin/loading/PngFilters.h"

#include <cstdlib>

namespace pp {
namespace {

void UndoSub(std::uint8_t* row, std::size_t n, std::size_t bpp)
{
    for (std::size_t i = bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - bpp]);
}

void UndoUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
}

void UndoAverage(std::uint8_t* row, const std::uint8_t* previous, std::size_t n, std::size_t bpp)
{
    const std::size_t first = bpp < n ? bpp : n;
    for (std::size_t i = 0; i < first; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + (previous[i] >> 1));
    for (std::size_t i = bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - bpp] + previous[i]) >> 1));
}

inline int Paeth(int left, int above, int upperLeft)
{
    const int pa = std::abs(above - upperLeft);
    const int pb = std::abs(left - upperLeft);
    const int pc = std::abs(left + above - 2 * upperLeft);
    if (pa <= pb && pa <= pc)
        return left;
    return pb <= pc ? above : upperLeft;
}

void UndoPaeth(std::uint8_t* row, const std::uint8_t* previous, std::size_t n, std::size_t bpp)
{
    const std::size_t first = bpp < n ? bpp : n;
    // With nothing to the left, Paeth picks the byte above.
    for (std::size_t i = 0; i < first; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
    for (std::size_t i = bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] +
                                           Paeth(row[i - bpp], previous[i], previous[i - bpp]));
}

} // namespace

bool UnfilterPngRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
                    std::size_t n, std::size_t bpp)
{
    switch (filter) {
    case 0: return true;
    case 1: UndoSub(row, n, bpp); return true;
    case 2: UndoUp(row, previous, n); return true;
    case 3: UndoAverage(row, previous, n, bpp); return true;
    case 4: UndoPaeth(row, previous, n, bpp); return true;
    default: return false;
    }
}

} // namespace pp
