#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinPackageWriter.h"
#include "support/Bytes.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

using namespace pp;
using namespace pptest;

TEST(PackageWriter, FieldsStandLittleEndianInTheirOrder)
{
    const std::vector<std::uint8_t> expected = {'L',  'V', 'z', 'f', 2,    0,    0,    0, // magic, count
                                                2,    0,   0,   0,   'a',  'b',           // name length, name
                                                7,    0,   0,   0,   0xAA, 0xBB, // size, stream as given
                                                0,    0,   0,   0,   0xF9, 0xFF, 0xFF, 0xFF,
                                                0x01, 0x02}; // empty name, size -7
    EXPECT_EQ(TSkinPackageWriter().AddRaw({2, "ab", 7, {0xAA, 0xBB}}).AddRaw({0, "", -7, {1, 2}}).Bytes(),
              expected);
    EXPECT_EQ(TSkinPackageWriter().RawMagic("LVzX").RawCount(-2).Bytes(),
              (std::vector<std::uint8_t>{'L', 'V', 'z', 'X', 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(PackageWriter, WhatItWritesTheReaderReadsBack)
{
    const auto image = BytesOf(std::string(70000, 'x') + "end");
    TSkinPackageWriter writer;
    writer.Add("Options.dat", "[GLOBALINFO]\r\n").Add("IMAGE.BMP", image).Add("empty.png", "");
    TMemoryStream data(writer.Bytes());
    std::unique_ptr<TacSkinConvertor> reader;
    ReadStoredSkin(reader, data);
    ASSERT_TRUE(reader->OptionsStream);
    EXPECT_EQ(reader->OptionsStream->Bytes(), BytesOf("[GLOBALINFO]\r\n"));
    ASSERT_EQ(reader->ItemCount, 2);
    EXPECT_EQ(reader->Items[0].FileName, "IMAGE.BMP");
    EXPECT_EQ(reader->Items[0].Stream.Bytes(), image);
    EXPECT_EQ(reader->Items[1].Stream.Size(), 0);
    // The stored size is the unpacked one; the stream is what follows it.
    const TRawPackageEntry entry = writer.SoundEntry("IMAGE.BMP", image);
    EXPECT_EQ(entry.NameLength, 9);
    EXPECT_EQ(entry.Size, 70003);
    EXPECT_EQ(reader->Directory[1].CompressedSize, static_cast<std::int64_t>(entry.Stream.size()));
}

TEST(PackageWriter, RefusesNamesTheReaderWouldRefuse)
{
    const std::string name(TacSkinConvertor::MaxNameLength + 1, 'n');
    EXPECT_EQ(ErrorText([&] { TSkinPackageWriter().Add(name, "x"); }),
              "File name too long for a packed skin: \"" + name + "\"");
    EXPECT_EQ(ErrorText([&] { TSkinPackageWriter().Add(name.substr(1), "x"); }), "no error");
}
