// Options text of a skin: sections, inheritance, value forms and image
// values. Every name that looks like an image answers with a small image of
// that kind (a key-coloured bitmap, a PNG with alpha, a JPEG), so every image
// value form, the master-bitmap forms, the textures and the corner scans run.
#include "core/Error.h"
#include "core/IniFile.h"
#include "core/StringList.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinReport.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int Side = 16;

void Append(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

// Every seventh pixel is the key colour; the others vary, alpha included.
std::vector<std::uint8_t> Pixels(int channels)
{
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < Side * Side; ++i) {
        const bool key = i % 7 == 0;
        const std::uint8_t rgba[4] = {
            static_cast<std::uint8_t>(key ? 0xFF : i), static_cast<std::uint8_t>(key ? 0 : 0x66),
            static_cast<std::uint8_t>(key ? 0xFF : 0x99), static_cast<std::uint8_t>(i * 3)};
        pixels.insert(pixels.end(), rgba, rgba + channels);
    }
    return pixels;
}

struct TImages {
    std::vector<std::uint8_t> Bmp, Png, Jpeg;
    TImages()
    {
        stbi_write_bmp_to_func(Append, &Bmp, Side, Side, 3, Pixels(3).data());
        stbi_write_png_to_func(Append, &Png, Side, Side, 4, Pixels(4).data(), 0);
        stbi_write_jpg_to_func(Append, &Jpeg, Side, Side, 3, Pixels(3).data(), 50);
    }
};

class TAnyImageSource : public pp::TSkinFileSource {
public:
    std::unique_ptr<pp::TStream> Open(const std::string& name) const override
    {
        const std::string upper = pp::AsciiUpperCase(name);
        if (upper.find("BMP") != std::string::npos)
            return Span(images_.Bmp);
        if (upper.find("PNG") != std::string::npos)
            return Span(images_.Png);
        if (upper.find("JP") != std::string::npos)
            return Span(images_.Jpeg);
        return nullptr;
    }

private:
    static std::unique_ptr<pp::TStream> Span(const std::vector<std::uint8_t>& bytes)
    {
        return std::make_unique<pp::TSpanStream>(bytes.data(), bytes.size());
    }
    TImages images_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TAnyImageSource source;
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
