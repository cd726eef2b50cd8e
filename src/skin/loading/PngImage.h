#pragma once
// PNG decoding for skins: our own decoder over zlib. Every colour type and
// depth of the PNG format, the five row filters, Adam7 interlacing, gAMA,
// bKGD, tRNS and PLTE, with a CRC-32 check of every chunk it reads.
//
// Results by colour type: greyscale and greyscale with alpha become a grey
// palette image (1, 4 or 8 bits a pixel; the alpha of grey images is
// dropped), indexed images keep the file's palette, truecolour becomes 24
// bits and truecolour with alpha 32 bits (blue, green, red, alpha, not
// premultiplied). 16-bit samples are reduced to 8.
#include "core/Bitmap.h"
#include "core/Stream.h"
#include "skin/loading/GraphicErrors.h"
#include "skin/loading/PngFormat.h"

#include <functional>
#include <string>

namespace pp {

class TPNGGraphic {
public:
    // Told the stage of a decoding: "Preparing..." once the header is read,
    // "Transfering..." when the rows are decoded (the texts a progress
    // display shows).
    std::function<void(const std::string& stage)> OnProgress;

    // Decodes from the stream's current position. Throws EInvalidGraphic
    // (EGraphicCompression for inflate failures) with the user's message.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);

    const TBitmap& Bitmap() const { return bitmap_; }
    TBitmap& Bitmap() { return bitmap_; }
    // Hands the decoded image over, leaving this graphic empty.
    TBitmap TakeBitmap();
    const TPngHeader& Header() const { return header_; }

    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

private:
    TBitmap bitmap_;
    TPngHeader header_;
};

// Convenience for callers that want only the pixels.
TBitmap LoadPngFromStream(TStream& stream);

} // namespace pp
