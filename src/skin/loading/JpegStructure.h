#pragma once
// A walk over the markers of a JPEG file that refuses the Huffman table
// faults the decoding library does not catch itself: a table that declares
// more than 256 codes (its table building writes past its arrays) and a scan
// that uses a table never defined (its decoder then reads past its arrays).
#include <cstdint>
#include <vector>

namespace pp {

// Throws EInvalidGraphic naming the fault; answers quietly for everything
// else, leaving other damage to the decoder.
void CheckJpegHuffmanTables(const std::vector<std::uint8_t>& bytes);

} // namespace pp
