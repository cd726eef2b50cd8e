#include <gtest/gtest.h>

#include "app/logic/ConnectorIcon.h"

namespace pp::app {
namespace {

std::uint32_t Read(const std::vector<std::uint8_t>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

// The platform reads these fields to find and size the image; a wrong offset
// or length gives no icon at all.
TEST(ConnectorIconTest, FileDescribesOne32By32SixteenColourImage)
{
    const std::vector<std::uint8_t> file = ConnectorIconFile();
    ASSERT_EQ(file.size(), 6u + 16 + 40 + 64 + 512 + 128);
    EXPECT_EQ(Read(file, 2, 2), 1u) << "type icon";
    EXPECT_EQ(Read(file, 4, 2), 1u) << "one image";
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(file[8], 16) << "colour count";
    EXPECT_EQ(Read(file, 14, 4), file.size() - 22) << "image length";
    EXPECT_EQ(Read(file, 18, 4), 22u) << "image offset";
    EXPECT_EQ(Read(file, 22 + 8, 4), 64u) << "height counts colour and mask";
    EXPECT_EQ(Read(file, 22 + 14, 2), 4u) << "bits a pixel";

    const std::size_t mask = 22 + 40 + 64 + 512;
    // Mask rows run bottom-up, 4 bytes each; a set bit is a see-through pixel.
    const auto seeThrough = [&](int x, int y) {
        return (file[mask + (31 - y) * 4 + x / 8] & (0x80 >> (x % 8))) != 0;
    };
    EXPECT_TRUE(seeThrough(0, 0));
    EXPECT_TRUE(seeThrough(31, 31));
    EXPECT_FALSE(seeThrough(16, 15));
}

} // namespace
} // namespace pp::app
