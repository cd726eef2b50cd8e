// Skins a user can get wrong: damaged images and options with values that
// make no sense. A skin that cannot be used is reported in one "Error" box
// and the skin from before stays; one the engine can live with loads without
// a word.
#include "skin/loading/SkinManagerWin32.h"
#include "skinmanager/ManagerFixture.h"
#include "skinmanager/SkinFixture.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace pp::test {
namespace {

void Put16(TBytes& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(TBytes& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A bitmap file with the 40-byte header and `data` after a palette of
// 2^bits entries (none at 24 bits).
TBytes BmpFile(int width, int height, int bits, std::uint32_t compression, const TBytes& data)
{
    const std::uint32_t paletteBytes = bits <= 8 ? 4u << bits : 0;
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    TBytes out = {'B', 'M'};
    Put32(out, offset + static_cast<std::uint32_t>(data.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, compression);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    out.resize(out.size() + paletteBytes, 0x40);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// A plain 24-bit image of 12 x 6 pixels: rows of 36 bytes, already aligned.
TBytes GoodBmp() { return BmpFile(12, 6, 24, 0, TBytes(12 * 6 * 3, 0x80)); }

// 1024 x 1024 pixels at 8 bits left blank by one end-of-bitmap code.
TBytes BlankRleBmp() { return BmpFile(1024, 1024, 8, 1, {0, 1}); }

// `count` keys of the section all naming `file`.
std::string ManyKeys(const std::string& file, int count)
{
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "KEY" + std::to_string(i) + "=" + file + "\r\n";
    return lines;
}

// A skin of version 8 with `extra` lines after its options and `files` beside.
TSkinFiles SkinWith(const std::string& extra, TSkinFiles files = {})
{
    files["Options.dat"] = BytesOf(OptionsText("8", "nonsense") + extra);
    return files;
}

struct TNonsenseCase {
    const char* Label;
    TSkinFiles Files;
    // How the message starts (a decoder may add its reason); empty: the skin
    // loads.
    std::string Message;
};

std::vector<TNonsenseCase> NonsenseCases()
{
    const std::string frameCountZero =
        "The frame count 0 of key \"BORDERSMASK\" of skin section \"BUTTON\" is not "
        "valid: an image has at least one frame";
    const std::string bandsNegative =
        "The mask band count -1 of key \"BORDERSMASK\" of skin section \"BUTTON\" is "
        "not valid: it cannot be negative";
    const std::string invalidBmp = "Cannot load image. Invalid or unexpected BMP image format.";
    return {
        // What the user is told about.
        {"frame count 0", SkinWith("BORDERSMASK=!IMG.BMP!0!0\r\n", {{"IMG.BMP", GoodBmp()}}), frameCountZero},
        {"negative mask bands", SkinWith("BORDERSMASK=!IMG.BMP!1!-1\r\n", {{"IMG.BMP", GoodBmp()}}),
         bandsNegative},
        {"master rectangle of words",
         SkinWith("BORDERSMASK=^left,top ,righ,bott,0001,0001,0001,0001,1,1,0,0\r\n"),
         "'left' is not a valid integer value"},
        {"BMP that is not one",
         SkinWith("BORDERSMASK=!IMG.BMP!3!1\r\n", {{"IMG.BMP", BytesOf("BMnot a bitmap")}}),
         "Stream read error"},
        {"BMP of an unknown depth",
         SkinWith("BORDERSMASK=!IMG.BMP!3!1\r\n", {{"IMG.BMP", BmpFile(2, 2, 7, 0, TBytes(16))}}),
         invalidBmp},
        // A few bytes of run-length codes claiming 11013 x 2561 pixels are
        // refused at once rather than allocated.
        {"huge RLE header",
         SkinWith("BORDERSMASK=!IMG.BMP!3!1\r\n",
                  {{"IMG.BMP", BmpFile(11013, 2561, 4, 2, TBytes(30, 0x10))}}),
         "Stream read error"},
        // Every key decodes its own copy: 64 copies of 4 MB are as much as
        // a skin's images may take together.
        {"one image under 65 keys", SkinWith(ManyKeys("BLANK.BMP", 65), {{"BLANK.BMP", BlankRleBmp()}}),
         "The image \"BLANK.BMP\" (1024 x 1024) takes the skin's images past 256 MB of pixels"},
        {"JPEG texture that is not one",
         SkinWith("PATTERN=TEXTURE.JPG\r\n", {{"TEXTURE.JPG", BytesOf("\xFF\xD8 no")}}),
         "Cannot load image. Invalid or unexpected JPEG image format."},
        // What the engine lives with: the skin loads.
        {"parents in a loop", SkinWith("PARENTCLASS=GAUGE\r\n[GAUGE]\r\nPARENTCLASS=BUTTON\r\n"), ""},
        {"missing image", SkinWith("BORDERSMASK=!NOWHERE.BMP!3!1\r\nPATTERN=NOWHERE.JPG\r\n"), ""},
        {"huge frame and band counts",
         SkinWith("BORDERSMASK=!IMG.BMP!30000!30000\r\n", {{"IMG.BMP", GoodBmp()}}), ""},
        {"negative rectangle and borders", SkinWith("BORDERSMASK=BUTTON#(-50 -50 -90 -90)(3 1 -4)\r\n"), ""},
        {"huge numbers", SkinWith("GLOW=2147483647\r\nFADINGITERATIONS=99999999\r\nTRANSPARENCY=-700\r\n"),
         ""},
    };
}

TEST_F(SkinManagerTest, NonsenseSkinsAreReportedOrLoadAndTheProgramCarriesOn)
{
    skins.WriteFolder("Good", SkinWithVersion("8.5", "good"));
    manager->SetSkinName("Good");
    ASSERT_EQ(manager->SkinData().Author, "good");
    for (const TNonsenseCase& c : NonsenseCases()) {
        SCOPED_TRACE(c.Label);
        skins.WriteFolder(c.Label, c.Files);
        skins.WritePackage(std::string(c.Label) + " packed.lvz", PackSkin(c.Files));
        // The same damage in a folder and in a package.
        for (const std::string& name : {std::string(c.Label), std::string(c.Label) + " packed"}) {
            manager->SetSkinName("Good");
            const std::size_t boxesBefore = boxes.Boxes().size();
            manager->SetSkinName(name);
            if (c.Message.empty()) {
                EXPECT_EQ(boxes.Boxes().size(), boxesBefore) << name;
                EXPECT_EQ(manager->SkinName(), name);
                EXPECT_EQ(manager->SkinData().Author, "nonsense") << name;
                continue;
            }
            ASSERT_EQ(boxes.Boxes().size(), boxesBefore + 1) << name;
            EXPECT_EQ(boxes.Boxes().back().Caption, L"Error");
            const std::string text = Utf8FromWide(boxes.Boxes().back().Text);
            EXPECT_EQ(text.substr(0, c.Message.size()), c.Message) << name;
            EXPECT_EQ(manager->SkinName(), "Good") << name;
            EXPECT_EQ(manager->SkinData().Author, "good") << name;
            EXPECT_TRUE(manager->SkinData().Active) << name;
        }
    }
}

} // namespace
} // namespace pp::test
