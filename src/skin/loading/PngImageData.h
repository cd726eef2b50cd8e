#pragma once
// The image data of a PNG: the zlib stream of its IDAT chunks, inflated row
// by row, unfiltered and stored through a row writer, in one pass or the
// seven Adam7 passes.
#include "skin/loading/PngFormat.h"
#include "skin/loading/PngRowWriter.h"

#include <cstdint>
#include <vector>

namespace pp {

// Throws EGraphicCompression for inflate failures and data that ends early,
// EInvalidGraphic for an unknown row filter or data left after the last row.
void DecodePngImageData(const std::vector<std::uint8_t>& compressed, const TPngHeader& header,
                        TPngRowWriter& writer);

// Bytes the inflated image data must hold: every row of every pass with its
// filter byte.
std::uint64_t PngImageDataSize(const TPngHeader& header);

// Whether `compressedBytes` can inflate to the image data the header
// promises; when not, the data cannot be in the file and its bitmap is never
// allocated.
bool PngImageDataFits(const TPngHeader& header, std::size_t compressedBytes);

// Bytes of one row of `width` pixels, filter byte excluded.
std::size_t PngRowBytes(const TPngHeader& header, int width);

} // namespace pp
