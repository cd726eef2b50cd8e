#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/Error.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TEST(ByteWriter, IntegersInBothByteOrders)
{
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, // -2 little-endian
                                                0x34, 0x12,             // 0x1234 little-endian
                                                0x12, 0x34, 0x56, 0x78, // big-endian
                                                'a',  'b',  7};
    EXPECT_EQ(TByteWriter()
                  .Int32(-2)
                  .LittleEndian16(0x1234)
                  .BigEndian32(0x12345678)
                  .Text("ab")
                  .Bytes(std::vector<std::uint8_t>{7})
                  .Take(),
              expected);
    const std::uint8_t word[] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(LoadLittleEndian32(word), 0x12345678u);
    EXPECT_EQ(LoadBigEndian32(word), 0x78563412u);
    EXPECT_EQ(LoadLittleEndian16(word), 0x5678u);
    EXPECT_EQ(LoadBigEndian16(word), 0x7856u);
}

TEST(ByteReader, ReadsFieldsInOrderAndShortFieldsFailAsStreamReadError)
{
    TMemoryStream stream(TByteWriter().Int32(-5).Text("name").Int32(7).Take());
    TByteReader in(stream);
    EXPECT_EQ(in.Int32(), -5);
    EXPECT_EQ(in.BytesLeft(), 8);
    EXPECT_EQ(in.Text(4), "name");
    EXPECT_EQ(in.Text(0), "");
    // Asking for more text than is left fails before anything is read.
    try {
        in.Text(5);
        ADD_FAILURE() << "a text past the end was read";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_EQ(in.Int32(), 7);
    EXPECT_THROW(in.Int32(), EReadError);
    EXPECT_EQ(in.BytesLeft(), 0);
}

} // namespace
} // namespace pp
