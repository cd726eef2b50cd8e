#pragma once
// Undoing the five PNG row filters (none, sub, up, average, Paeth).
#include <cstddef>
#include <cstdint>

namespace pp {

// Reverses `filter` on `row` (n bytes, the filter byte already removed) in
// place, with `previous` the unfiltered row above (all zero for the first
// row of a pass). `bpp` is the bytes of one pixel, at least 1. Answers false
// for an unknown filter type.
bool UnfilterPngRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t n,
                    std::size_t bpp);

} // namespace pp
