// Options text of a skin: sections, inheritance, value forms and image
// values. Every name that looks like a bitmap answers with the same small
// key-coloured image, so the master-bitmap forms and corner scans run too.
#include "core/Error.h"
#include "core/IniFile.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinReport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> SmallBitmap()
{
    const int side = 16;
    const std::uint32_t imageSize = side * side * 3;
    std::vector<std::uint8_t> out{'B', 'M'};
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put(54 + imageSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(side, 4);
    put(side, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(imageSize, 4);
    out.insert(out.end(), 16, 0); // resolution and palette counts
    for (int i = 0; i < side * side; ++i)
        put(i % 7 == 0 ? 0xFF00FF : 0x336699, 3);
    return out;
}

class TAnyBitmapSource : public pp::TSkinFileSource {
public:
    std::unique_ptr<pp::TStream> Open(const std::string& name) const override
    {
        if (name.find("BMP") == std::string::npos)
            return nullptr;
        return std::make_unique<pp::TSpanStream>(bitmap_.data(), bitmap_.size());
    }

private:
    std::vector<std::uint8_t> bitmap_ = SmallBitmap();
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TAnyBitmapSource source;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const pp::TMemIniFile options(text);
        pp::TsLoadedSkin skin;
        pp::TSkinLoadSettings settings;
        settings.CommonSections = &options;
        pp::LoadSkinContent(options, source, settings, skin);
        (void)pp::DescribeSkin(skin, options);
    } catch (const pp::Exception&) {
        // A refused skin is an answer, not a fault.
    }
    return 0;
}
