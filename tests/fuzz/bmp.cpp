// Bitmap files from skins: every input either decodes or fails with a message.
#include "skin/loading/BmpImage.h"
#include "skin/loading/SkinImageAlpha.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pp::TSpanStream stream(data, size);
    try {
        pp::TBitmap bitmap = pp::LoadBmpFromStream(stream);
        pp::ConvertToSkin32(bitmap);
    } catch (const pp::Exception&) {
    }
    return 0;
}
