// Packed skin files from anywhere: the reader must refuse bad ones cleanly.
#include "skin/loading/SkinConvertor.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pp::TSpanStream stream(data, size);
    std::unique_ptr<pp::TacSkinConvertor> reader;
    try {
        pp::ReadStoredSkin(reader, stream);
    } catch (const pp::Exception&) {
    }
    if (reader) {
        for (const pp::TacImageItem& item : reader->Items) {
            reader->FindItem(item.FileName);
            reader->FindItemExactly(item.FileName);
        }
        reader->FindItem("OPTIONS.DAT");
    }
    return 0;
}
