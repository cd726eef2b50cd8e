#pragma once
// Turns unfiltered PNG rows into rows of the decoded bitmap: sub-byte
// samples unpacked to the bitmap's 1, 4 or 8 bits, 16-bit samples reduced
// to 8, colour samples through the gamma table, channels reordered to blue,
// green, red (and alpha).
#include "core/Bitmap.h"
#include "skin/loading/PngFormat.h"

#include <array>
#include <cstdint>

namespace pp {

using TGammaTable = std::array<std::uint8_t, 256>;

// The identity table, or the table for a file gamma.
TGammaTable IdentityGamma();
TGammaTable MakeGammaTable(double fileGamma);

// A 16-bit sample reduced to 8 bits, rounding down.
inline std::uint8_t Reduce16(unsigned value) { return static_cast<std::uint8_t>(value * 255u / 65535u); }
// A sample of `depth` bits (1, 2, 4, 8 or 16) scaled to 0..255.
std::uint8_t ScaleSample(unsigned value, int depth);

// The bitmap format a PNG of this colour type and depth decodes to.
TPixelFormat PngResultFormat(const TPngHeader& header);

class TPngRowWriter {
public:
    // `gamma` null: samples are stored as they are.
    TPngRowWriter(const TPngHeader& header, TBitmap& target, const TGammaTable* gamma)
        : header_(header), target_(target), gamma_(gamma)
    {
    }
    // Stores `count` pixels of `raw` on row `y` at x0, x0 + dx, ...
    void Store(const std::uint8_t* raw, int count, int y, int x0, int dx);

private:
    void StoreIndexes(const std::uint8_t* raw, int count, int y, int x0, int dx);
    void StoreTrueColor(const std::uint8_t* raw, int count, int y, int x0, int dx);
    template <bool Alpha>
    void StoreTrueColor8(const std::uint8_t* raw, int count, std::uint8_t* out, std::size_t step);

    const TPngHeader& header_;
    TBitmap& target_;
    const TGammaTable* gamma_;
};

} // namespace pp
