#include "SkinFixture.h"

#include "core/ByteWriter.h"
#include "core/Stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace pptest {

std::string Columns(char form, std::initializer_list<int> wide, std::initializer_list<int> narrow)
{
    std::string value(1, form);
    char field[16];
    for (int n : wide) {
        std::snprintf(field, sizeof field, "%04d ", n);
        value += field;
    }
    for (int n : narrow)
        value += std::to_string(n) + " ";
    value.pop_back();
    return value;
}

std::vector<std::uint8_t> EncodeBmp24(int width, int height, const TPixelRule& pixel)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    pp::TByteWriter out;
    out.Text("BM").LittleEndian32(54 + imageSize).LittleEndian32(0).LittleEndian32(54);
    out.LittleEndian32(40).Int32(width).Int32(height).LittleEndian16(1).LittleEndian16(24);
    out.LittleEndian32(0).LittleEndian32(imageSize);
    for (int i = 0; i < 4; ++i)
        out.LittleEndian32(0);
    const std::vector<std::uint8_t> padding(stride - static_cast<std::uint32_t>(width) * 3, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const pp::TColor c = pixel(x, y);
            out.Bytes(std::vector<std::uint8_t>{pp::BlueOf(c), pp::GreenOf(c), pp::RedOf(c)});
        }
        out.Bytes(padding);
    }
    return out.Take();
}

std::vector<std::uint8_t> SolidBmp(int width, int height, pp::TColor color)
{
    return EncodeBmp24(width, height, [color](int, int) { return color; });
}

std::vector<std::uint8_t> EncodeGreyJpeg(int width, int height)
{
    const std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) * height, 0x80);
    std::vector<std::uint8_t> out;
    stbi_write_jpg_to_func(
        [](void* context, void* data, int size) {
            auto* bytes = static_cast<std::vector<std::uint8_t>*>(context);
            const auto* p = static_cast<const std::uint8_t*>(data);
            bytes->insert(bytes->end(), p, p + size);
        },
        &out, width, height, 1, grey.data(), 50);
    return out;
}

TSkinFolder::TSkinFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path dir = std::filesystem::path(PP_BINARY_DIR) / "test-skins" /
                                      (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    path_ = dir.string() + "/";
}

void TSkinFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    std::filesystem::create_directories(std::filesystem::path(path_ + name).parent_path());
    pp::WriteFileBytes(path_ + name, bytes);
}

pp::TsLoadedSkin LoadFromFolder(const std::string& options, const TSkinFolder& folder,
                                const pp::TSkinLoadSettings& settings)
{
    pp::TsLoadedSkin skin;
    skin.SkinData.SkinFolder = folder.Path();
    const pp::TMemIniFile ini(options);
    const pp::TSkinFolderSource images(folder.Path());
    pp::LoadSkinContent(ini, images, settings, skin);
    return skin;
}

} // namespace pptest
