#include "skin/loading/ZDecompressionStream.h"
#include "skin/loading/ZCompression.h"
#include "support/Bytes.h"
#include "support/ErrorText.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

using namespace pp;
using namespace pptest;

namespace {

// A source holding `prefix` bytes, then one zlib stream of `payload`, then `suffix`.
struct TSource {
    std::vector<std::uint8_t> payload;
    std::int64_t start;
    std::int64_t end;
    TMemoryStream stream;

    TSource(std::size_t prefix, std::vector<std::uint8_t> data, const std::string& suffix)
        : payload(std::move(data))
    {
        std::vector<std::uint8_t> bytes(prefix, 0xEE);
        const auto z = ZlibCompress(payload);
        bytes.insert(bytes.end(), z.begin(), z.end());
        bytes.insert(bytes.end(), suffix.begin(), suffix.end());
        start = static_cast<std::int64_t>(prefix);
        end = start + static_cast<std::int64_t>(z.size());
        stream = TMemoryStream(std::move(bytes));
        stream.SetPosition(start);
    }
};

} // namespace

TEST(ZDecompressionStream, HandsBackUnusedInputSoTheSourceStandsAfterTheTrailer)
{
    TSource source(10, BytesOf("hello, packed world"), "NEXT");
    TZDecompressionStream z(source.stream);
    std::vector<std::uint8_t> out(100);
    EXPECT_EQ(z.Read(out.data(), out.size()), source.payload.size());
    EXPECT_TRUE(z.Finished());
    EXPECT_EQ(source.stream.Position(), source.end);
    EXPECT_EQ(z.Position(), static_cast<std::int64_t>(source.payload.size()));
}

TEST(ZDecompressionStream, ResumesWhereItWasWhenSomeoneElseMovedTheSource)
{
    TSource source(3, RandomBytes(200000, 5), "");
    TZDecompressionStream z(source.stream);
    std::vector<std::uint8_t> out(source.payload.size());
    ASSERT_EQ(z.Read(out.data(), 1000), 1000u);
    source.stream.SetPosition(0);
    ASSERT_EQ(z.Read(out.data() + 1000, out.size() - 1000), out.size() - 1000);
    EXPECT_EQ(out, source.payload);
}

TEST(ZDecompressionStream, SeekRules)
{
    TSource source(7, RandomBytes(30000, 9), "tail");
    TZDecompressionStream z(source.stream);
    EXPECT_EQ(z.Seek(100, TSeekOrigin::Current), 100);
    EXPECT_EQ(z.Seek(20000, TSeekOrigin::Beginning), 20000);
    std::uint8_t byte = 0;
    ASSERT_EQ(z.Read(&byte, 1), 1u);
    EXPECT_EQ(byte, source.payload[20000]);

    for (const auto& [offset, origin] :
         {std::pair{std::int64_t(-1), TSeekOrigin::Current},
          std::pair{std::int64_t(5), TSeekOrigin::Beginning}, std::pair{std::int64_t(-3), TSeekOrigin::End},
          std::pair{std::int64_t(1), TSeekOrigin::End}})
        EXPECT_EQ(ErrorText([&] { z.Seek(offset, origin); }), "Invalid ZStream operation!")
            << offset << " from " << static_cast<int>(origin);

    EXPECT_EQ(z.Seek(0, TSeekOrigin::End), 30000);
    EXPECT_EQ(source.stream.Position(), source.end);

    // Restarting goes back to where this stream's data began, not to the
    // start of the source.
    EXPECT_EQ(z.Seek(0, TSeekOrigin::Beginning), 0);
    std::vector<std::uint8_t> again(source.payload.size());
    EXPECT_EQ(z.Read(again.data(), again.size()), again.size());
    EXPECT_EQ(again, source.payload);
}

TEST(ZDecompressionStream, CannotBeWritten)
{
    TSource source(0, BytesOf("x"), "");
    TZDecompressionStream z(source.stream);
    EXPECT_EQ(ErrorText([&] { z.Write("a", 1); }), "Invalid ZStream operation!");
}
