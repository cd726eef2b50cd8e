// JPEG textures from skins: every input either decodes or fails with a message.
#include "skin/loading/JpegImage.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pp::TSpanStream stream(data, size);
    try {
        pp::LoadJpegFromStream(stream);
    } catch (const pp::Exception&) {
    }
    return 0;
}
