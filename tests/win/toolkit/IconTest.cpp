// Icons from the bytes of an .ico file embedded in the program.
#include "toolkit/Icon.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pp::test {
namespace {

void Put16(std::vector<std::uint8_t>& b, unsigned v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, unsigned v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A one-image .ico: a 2 x 2, 32-bit picture and its mask.
std::vector<std::uint8_t> TinyIcon()
{
    std::vector<std::uint8_t> image;
    Put32(image, 40);
    Put32(image, 2);
    Put32(image, 4); // colour rows and mask rows
    Put16(image, 1);
    Put16(image, 32);
    for (int i = 0; i < 6; ++i)
        Put32(image, 0);
    for (int i = 0; i < 4; ++i)
        Put32(image, 0xFF0000FF);
    for (int i = 0; i < 2; ++i)
        Put32(image, 0);
    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 1);
    file.insert(file.end(), {2, 2, 0, 0});
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<unsigned>(image.size()));
    Put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

TEST(IconTest, AnEmbeddedIconFileGivesAnIcon)
{
    TIcon icon;
    icon.LoadFromIconFile(TinyIcon());
    EXPECT_FALSE(icon.Empty());
}

TEST(IconTest, DamagedIconBytesAreRefusedWithoutReadingPastThem)
{
    const std::vector<std::uint8_t> good = TinyIcon();
    auto with = [&](size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    struct TCase {
        const char* What;
        std::vector<std::uint8_t> Bytes;
    };
    const TCase cases[] = {
        {"empty", {}},
        {"header only", {0, 0, 1, 0}},
        {"not an icon file", with(2, 2)},
        {"no images", with(4, 0)},
        {"more entries than bytes", with(4, 200)},
        {"image past the end", with(18, 0xF0)},
        {"image length past the end", with(15, 0x7F)},
        {"cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 30)},
    };
    for (const TCase& c : cases) {
        TIcon icon;
        EXPECT_THROW(icon.LoadFromIconFile(c.Bytes), EInvalidData) << c.What;
        EXPECT_TRUE(icon.Empty()) << c.What;
    }
}

} // namespace
} // namespace pp::test
