// PNG images from skins: every input either decodes or fails with a message.
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinImageAlpha.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pp::TSpanStream stream(data, size);
    try {
        pp::TPNGGraphic png;
        png.LoadFromStream(stream);
        pp::TBitmap bitmap = png.TakeBitmap();
        pp::ApplySkinPngAlpha(bitmap, 8.0);
        pp::ConvertToSkin32(bitmap);
    } catch (const pp::Exception&) {
    }
    return 0;
}
