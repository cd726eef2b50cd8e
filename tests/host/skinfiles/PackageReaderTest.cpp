#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinPackageWriter.h"
#include "skin/loading/ZDecompressionStream.h"
#include "support/Bytes.h"
#include "support/ErrorText.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace pp;
using namespace pptest;

namespace {

std::string Text(const TMemoryStream& s) { return {s.Bytes().begin(), s.Bytes().end()}; }

// Reads `bytes` as a stored skin would be read; answers the reader.
std::unique_ptr<TacSkinConvertor> Read(const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream data(bytes);
    std::unique_ptr<TacSkinConvertor> reader;
    ReadStoredSkin(reader, data);
    return reader;
}

std::string ReadError(const std::vector<std::uint8_t>& bytes)
{
    return ErrorText([&] { Read(bytes); });
}

} // namespace

TEST(PackageReader, ReadsEntriesInOrderWithOptionsApart)
{
    const auto png = RandomBytes(300, 1);
    const auto reader = Read(TSkinPackageWriter()
                                 .Add("Options.dat", "[GLOBALINFO]\r\nVersion=8\r\n")
                                 .Add("Button.bmp", png)
                                 .Add("Form.PNG", "second")
                                 .Bytes());
    ASSERT_TRUE(reader);
    ASSERT_TRUE(reader->OptionsStream);
    EXPECT_EQ(Text(*reader->OptionsStream), "[GLOBALINFO]\r\nVersion=8\r\n");
    ASSERT_EQ(reader->ItemCount, 2);
    EXPECT_EQ(reader->Items[0].FileName, "Button.bmp");
    EXPECT_EQ(reader->Items[0].Stream.Bytes(), png);
    EXPECT_EQ(reader->Items[1].FileName, "Form.PNG");
    EXPECT_EQ(Text(reader->Items[1].Stream), "second");
    EXPECT_EQ(reader->SourceStream(), nullptr) << "a stored skin's data is detached after reading";
}

TEST(PackageReader, WrongMagicIsRejectedWhateverFollows)
{
    for (const std::string magic : {"lvzf", "LVZF", "LVzF", "lVzf", "XXXX", "LVz"}) {
        TMemoryStream data(TSkinPackageWriter().RawMagic(magic).Add("Options.dat", "x").Bytes());
        auto reader = std::make_unique<TacSkinConvertor>();
        try {
            ReadStoredSkin(reader, data);
            ADD_FAILURE() << magic << " was accepted";
        } catch (const ENotPackedSkin& e) {
            EXPECT_STREQ(e.what(), "Loaded data is not a packed Lumivex file") << magic;
        }
        EXPECT_EQ(reader, nullptr) << "the reader is destroyed after a wrong magic (" << magic << ")";
    }
    EXPECT_EQ(ReadError({}), "Loaded data is not a packed Lumivex file");
}

TEST(PackageReader, OptionsEntryIsFoundInAnyLetterCaseAndTheLastOneWins)
{
    for (const std::string name : {"Options.dat", "OPTIONS.DAT", "options.dat", "oPtIoNs.DaT"}) {
        const auto reader = Read(TSkinPackageWriter().Add(name, "first").Add("a.bmp", "x").Bytes());
        ASSERT_TRUE(reader->OptionsStream) << name;
        EXPECT_EQ(reader->ItemCount, 1) << name;
    }
    const auto twice = Read(
        TSkinPackageWriter().Add("Options.dat", "first").Add("OPTIONS.DAT", "second").Bytes());
    EXPECT_EQ(Text(*twice->OptionsStream), "second");
    EXPECT_EQ(twice->ItemCount, 0);
}

TEST(PackageReader, CountZeroGivesAnEmptyReader)
{
    const auto reader = Read(TSkinPackageWriter().Bytes());
    EXPECT_EQ(reader->ItemCount, 0);
    EXPECT_TRUE(reader->Items.empty());
    EXPECT_EQ(reader->OptionsStream, nullptr);
}

TEST(PackageReader, EntriesLargerThanOneInputBlockAndShortOnesBackToBack)
{
    // Random bytes do not compress: the first entry spans several 64 KiB input
    // blocks, the two short ones follow inside a single block.
    const auto big = RandomBytes(3 * TZDecompressionStream::InputBlockSize + 123, 7);
    const auto reader = Read(TSkinPackageWriter()
                                 .Add("big.bmp", big)
                                 .Add("one.png", "short one")
                                 .Add("two.png", "short two")
                                 .Bytes());
    ASSERT_EQ(reader->ItemCount, 3);
    EXPECT_GT(ZlibCompress(big).size(), TZDecompressionStream::InputBlockSize);
    EXPECT_EQ(reader->Items[0].Stream.Bytes(), big);
    EXPECT_EQ(Text(reader->Items[1].Stream), "short one");
    EXPECT_EQ(Text(reader->Items[2].Stream), "short two");
}

TEST(PackageReader, FindItemIgnoresCaseAndTheEarlierEntryWins)
{
    auto reader = Read(TSkinPackageWriter()
                           .Add("Options.dat", "o")
                           .Add("Button.BMP", "first")
                           .Add("BUTTON.bmp", "second")
                           .Add("other.png", "third")
                           .Bytes());
    ASSERT_NE(reader->FindItem("button.bmp"), nullptr);
    EXPECT_EQ(Text(reader->FindItem("button.bmp")->Stream), "first");
    EXPECT_EQ(Text(reader->FindItem("OTHER.PNG")->Stream), "third");
    EXPECT_EQ(reader->FindItem("missing.png"), nullptr);
    EXPECT_EQ(reader->FindItem("Options.dat"), nullptr) << "the options entry is no image";
    reader->ItemCount = 2; // lookups search exactly ItemCount items
    EXPECT_EQ(reader->FindItem("other.png"), nullptr);
}

TEST(PackageReader, ZeroSizeEntryIsAnEmptyStream)
{
    const auto reader = Read(
        TSkinPackageWriter().Add("empty.png", std::vector<std::uint8_t>{}).Add("b.png", "b").Bytes());
    ASSERT_EQ(reader->ItemCount, 2);
    EXPECT_EQ(reader->Items[0].Stream.Size(), 0);
    EXPECT_EQ(Text(reader->Items[1].Stream), "b");
}

TEST(PackageReader, DataBeyondTheStoredSizeIsDroppedAndTheNextEntryStillFound)
{
    const auto reader = Read(TSkinPackageWriter()
                                 .AddRaw({5, "a.png", 3, ZlibCompress(BytesOf("abcdef"))})
                                 .Add("b.png", "next")
                                 .Bytes());
    EXPECT_EQ(Text(reader->Items[0].Stream), "abc");
    EXPECT_EQ(Text(reader->Items[1].Stream), "next");
}

TEST(PackageReader, DamagedStreamsReportZlibsOwnText)
{
    auto compressed = ZlibCompress(BytesOf("some options text"));
    compressed.back() ^= 0x55; // the Adler-32 trailer
    const auto badTrailer = TSkinPackageWriter().AddRaw({11, "Options.dat", 17, compressed}).Bytes();
    EXPECT_EQ(ReadError(badTrailer), "data error");

    auto garbage = ZlibCompress(BytesOf("payload"));
    garbage[0] = 0x12; // not a zlib header
    EXPECT_EQ(ReadError(TSkinPackageWriter().AddRaw({5, "a.png", 7, garbage}).Bytes()), "data error");
}

TEST(PackageReader, TruncatedPackagesFailWithStreamReadError)
{
    const auto first = TSkinPackageWriter().Add("a.png", RandomBytes(5000, 3)).Bytes();
    const auto whole = TSkinPackageWriter().Add("a.png", RandomBytes(5000, 3)).Add("b.png", "x").Bytes();
    // Cut in the first entry's data, in the second one's name, size and trailer.
    for (const std::size_t keep : {first.size() / 2, first.size() + 6, first.size() + 11, whole.size() - 2}) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + keep);
        EXPECT_EQ(ReadError(cut), "Stream read error")
            << "kept " << keep << " of " << whole.size() << " bytes";
    }
    // A stream that ends before producing the stored size.
    EXPECT_EQ(
        ReadError(TSkinPackageWriter().AddRaw({5, "a.png", 100, ZlibCompress(BytesOf("short"))}).Bytes()),
        "Stream read error");
}

TEST(PackageReader, DamagedCountsLengthsAndSizesFailBeforeAnyInflating)
{
    // Values that run past the end are a package cut short and read as one;
    // the others are beyond what a package can hold.
    const auto data = ZlibCompress(BytesOf("abc"));
    const std::string longName(TacSkinConvertor::MaxNameLength + 1, 'n');
    const std::vector<std::uint8_t> plentyOfBytes(270000, 0x55); // can inflate to 1032 times as much
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"negative count", TSkinPackageWriter().Add("a.png", "abc").RawCount(-1).Bytes(),
         "The packed skin file is damaged: an entry count of -1 is out of range"},
        {"count beyond the data", TSkinPackageWriter().Add("a.png", "abc").RawCount(0x7FFFFFFF).Bytes(),
         "Stream read error"},
        {"one entry more than written", TSkinPackageWriter().Add("a.png", "abc").RawCount(2).Bytes(),
         "Stream read error"},
        {"negative name length", TSkinPackageWriter().AddRaw({-4, "", 3, data}).Bytes(),
         "The packed skin file is damaged: an entry name length of -4 is out of range"},
        {"name running past the end", TSkinPackageWriter().AddRaw({0x7FFFFFF0, "a.png", 3, data}).Bytes(),
         "Stream read error"},
        {"name longer than any skin file name",
         TSkinPackageWriter().AddRaw({TacSkinConvertor::MaxNameLength + 1, longName, 3, data}).Bytes(),
         "The packed skin file is damaged: an entry name length of 1025 is out of range"},
        {"negative size", TSkinPackageWriter().AddRaw({5, "a.png", -1, data}).Bytes(),
         "The packed skin file is damaged: entry \"a.png\" claims -1 bytes"},
        {"size no stream in the rest can inflate to",
         TSkinPackageWriter().AddRaw({5, "a.png", 0x7FFFFFFF, data}).Bytes(), "Stream read error"},
        {"size beyond the largest entry",
         TSkinPackageWriter().AddRaw({7, "big.png", 0x10000001, plentyOfBytes}).Bytes(),
         "The packed skin file is damaged: entry \"big.png\" claims 268435457 bytes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadError(c.bytes), c.message) << c.what;
}

TEST(PackageReader, FailedReadKeepsWhatWasReadAndLeavesTheStoredDataIntact)
{
    auto bytes = TSkinPackageWriter().Add("a.png", "first").Add("b.png", "second").Bytes();
    const auto original = bytes;
    bytes.resize(bytes.size() - 3);
    TMemoryStream data(bytes);
    std::unique_ptr<TacSkinConvertor> reader;
    EXPECT_THROW(ReadStoredSkin(reader, data), EReadError);
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->Items.size(), 1u);
    EXPECT_EQ(Text(reader->Items[0].Stream), "first");
    EXPECT_EQ(reader->SourceStream(), nullptr);
    reader.reset();
    EXPECT_EQ(data.Bytes(), std::vector<std::uint8_t>(original.begin(), original.end() - 3));
}

class PackedFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::path(PP_BINARY_DIR) / "packed-file-test";
        std::filesystem::create_directories(dir_);
    }
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const auto path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(PackedFileTest, MissingFileLeavesTheReaderUntouched)
{
    std::unique_ptr<TacSkinConvertor> none;
    OpenPackedFile(none, (dir_ / "absent.lvz").string(), true);
    EXPECT_EQ(none, nullptr);

    auto reader = Read(TSkinPackageWriter().Add("kept.png", "x").Bytes());
    OpenPackedFile(reader, (dir_ / "absent.lvz").string(), true);
    ASSERT_TRUE(reader);
    EXPECT_NE(reader->FindItem("kept.png"), nullptr);
}

TEST_F(PackedFileTest, ReusesTheReaderAndReleasesTheRawBytesOnRequest)
{
    const auto path = Write("skin.lvz",
                            TSkinPackageWriter().Add("Options.dat", "o").Add("new.png", "n").Bytes());
    auto reader = Read(TSkinPackageWriter().Add("old.png", "x").Bytes());
    TacSkinConvertor* const before = reader.get();
    OpenPackedFile(reader, path, true);
    EXPECT_EQ(reader.get(), before);
    EXPECT_EQ(reader->FindItem("old.png"), nullptr);
    EXPECT_NE(reader->FindItem("new.png"), nullptr);
    EXPECT_EQ(reader->SourceStream(), nullptr);

    OpenPackedFile(reader, path, false);
    ASSERT_NE(reader->SourceStream(), nullptr);
    EXPECT_EQ(reader->SourceStream()->Size(), static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

TEST_F(PackedFileTest, WrongMagicDestroysTheReader)
{
    const auto path = Write("bad.lvz", BytesOf("LVZF\0\0\0\0"));
    auto reader = std::make_unique<TacSkinConvertor>();
    EXPECT_THROW(OpenPackedFile(reader, path, true), ENotPackedSkin);
    EXPECT_EQ(reader, nullptr);
}
