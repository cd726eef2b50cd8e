#include "core/Stream.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace pp {
namespace {

TEST(StreamTest, ShortReadThrowsStreamReadError)
{
    TMemoryStream s({1, 2, 3});
    std::uint8_t buf[4];
    try {
        s.ReadBuffer(buf, 4);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
}

TEST(StreamTest, SeekFromEachOriginAndReadPastEnd)
{
    TMemoryStream s({10, 11, 12, 13, 14});
    EXPECT_EQ(s.Seek(-2, TSeekOrigin::End), 3);
    EXPECT_EQ(s.Seek(1, TSeekOrigin::Current), 4);
    std::uint8_t b = 0;
    EXPECT_EQ(s.Read(&b, 1), 1u);
    EXPECT_EQ(b, 14);
    EXPECT_EQ(s.Read(&b, 1), 0u);
    EXPECT_EQ(s.Seek(-100, TSeekOrigin::Current), 0);
}

TEST(StreamTest, SeeksFarPastTheEndStayPastTheEnd)
{
    // Offsets come from file fields. On 32-bit builds 2^32 + 2 used to wrap
    // to position 2, and reads went on from inside the data.
    TMemoryStream s({10, 11, 12, 13, 14});
    const std::pair<std::int64_t, TSeekOrigin> seeks[] = {
        {0x100000002LL, TSeekOrigin::Beginning},
        {INT64_MAX, TSeekOrigin::Current}, // from far past the end: saturates
        {INT64_MAX, TSeekOrigin::End},
    };
    std::uint8_t b = 0;
    for (const auto& [offset, origin] : seeks) {
        EXPECT_GT(s.Seek(offset, origin), 5) << offset;
        EXPECT_EQ(s.Read(&b, 1), 0u) << offset;
    }
    EXPECT_EQ(s.Seek(INT64_MIN, TSeekOrigin::Current), 0);
    EXPECT_EQ(s.Seek(-1, TSeekOrigin::End), 4);
    EXPECT_EQ(s.Read(&b, 1), 1u);
    EXPECT_EQ(b, 14);
}

TEST(StreamTest, FileRoundTripAndMissingFileMessage)
{
    const std::string name = std::string(PP_BINARY_DIR) + "/stream-test.bin";
    WriteFileBytes(name, {1, 2, 3, 250});
    EXPECT_EQ(ReadFileBytes(name), (std::vector<std::uint8_t>{1, 2, 3, 250}));
    TFileStream f(name, TFileMode::OpenRead);
    EXPECT_EQ(f.Size(), 4);
    EXPECT_THROW(ReadFileBytes(name + ".missing"), EFOpenError);
}

} // namespace
} // namespace pp
