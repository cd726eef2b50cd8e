// Gradient description text from skin options and stored descriptions:
// parsing must either give segments or raise the conversion error, and
// painting any parsed gradient must stay inside the bitmap.
#include "skin/pixels/Gradient.h"
#include "core/Error.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    pp::TsGradArray gradient;
    try {
        gradient = pp::ParseGradientSpec(text);
    } catch (const pp::EConvertError&) {
        return 0;
    }
    // Small odd sizes reach the boundary rows and columns of every segment.
    pp::TBitmap band(size % 37 + 1, size % 11 + 1);
    pp::DrawGradientFill(band, {-1, -1, band.Width() + 1, band.Height() + 1}, gradient);
    pp::DrawTexturedGradient(band, band.Bounds(), gradient, 128, {}, band);
    return 0;
}
