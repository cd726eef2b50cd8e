// The default skin as shipped: the packed file and the copy built into the
// program hold exactly the skin folder, and the skin has every section and
// image the program's windows paint with.
#include "core/IniFile.h"
#include "core/Stream.h"
#include "core/StringList.h"
#include "core/Utf8Path.h"
#include "skin/loading/DefaultSkinPackage.h"
#include "skin/loading/ImageValueForms.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace pp {
namespace {
namespace fs = std::filesystem;

const std::string SkinFolder = std::string(PP_SOURCE_DIR) + "/skins/Beijing/";
const std::string CommittedPackage = std::string(PP_SOURCE_DIR) + "/skins/Beijing.lvz";
const std::string BuiltPackage = std::string(PP_BINARY_DIR) + "/skins/Beijing.lvz";

using TFileMap = std::map<std::string, std::vector<std::uint8_t>>;

TFileMap FolderFiles(const std::string& folder)
{
    TFileMap files;
    for (const fs::directory_entry& entry : fs::directory_iterator(PathFromUtf8(folder)))
        files[Utf8FromPath(entry.path().filename())] = ReadFileBytes(Utf8FromPath(entry.path()));
    return files;
}

TFileMap PackageFiles(TacSkinConvertor& package)
{
    TFileMap files;
    std::size_t image = 0;
    for (const TacEntryInfo& entry : package.Directory) {
        const bool options = AsciiUpperCase(entry.Name) == "OPTIONS.DAT";
        files[entry.Name] = options ? package.OptionsStream->Bytes()
                                    : package.Items.at(image++).Stream.Bytes();
    }
    return files;
}

TFileMap PackageFiles(std::span<const std::uint8_t> bytes)
{
    TSpanStream stream(bytes.data(), bytes.size());
    std::unique_ptr<TacSkinConvertor> package;
    ReadStoredSkin(package, stream);
    return PackageFiles(*package);
}

TMemIniFile OptionsOf(TStream& stream)
{
    TStringList lines(true);
    lines.LoadFromStream(stream);
    return TMemIniFile(lines);
}

TEST(BeijingSkinTest, PackagesHoldExactlyTheSkinFolder)
{
    const TFileMap folder = FolderFiles(SkinFolder);
    ASSERT_GT(folder.size(), 5u);
    const std::vector<std::uint8_t> committed = ReadFileBytes(CommittedPackage);
    EXPECT_EQ(PackageFiles(committed), folder)
        << "run the update-beijing-package target after changing the skin";
    EXPECT_EQ(std::vector<std::uint8_t>(DefaultSkinPackage().begin(), DefaultSkinPackage().end()), committed);
    if (FileExists(BuiltPackage)) {
        EXPECT_EQ(PackageFiles(ReadFileBytes(BuiltPackage)), folder);
    }
}

class BeijingContentTest : public testing::Test {
protected:
    BeijingContentTest()
    {
        TMemoryStream stream(ReadFileBytes(SkinFolder + "Options.dat"));
        options = OptionsOf(stream);
        skin.SkinData.SkinFolder = SkinFolder;
        LoadSkinContent(options, TSkinFolderSource(SkinFolder), {}, skin);
    }
    TMemIniFile options;
    TsLoadedSkin skin;
};

TEST_F(BeijingContentTest, IsACurrentSkinWithEverySectionTheWindowsUse)
{
    EXPECT_GE(skin.SkinData.Version, 7.0);
    EXPECT_LE(skin.SkinData.Version, 8.99);
    for (const char* section :
         {"GLOBALINFO",  "FORM",      "FORMTITLE",   "CAPTION",     "MENULINE",  "MAINMENU",   "MENUITEM",
          "MENUCAPTION", "SELECTION", "BUTTON",      "BUTTON_HUGE", "GAUGE",     "PROGRESSH",  "PROGRESSV",
          "HINT",        "DIALOG",    "DIALOGTITLE", "EDIT",        "STATUSBAR", "TITLEBUTTON"})
        EXPECT_GE(skin.GetSkinIndex(section), 0) << section;
    EXPECT_FALSE(skin.MasterBitmap.Empty());
}

TEST_F(BeijingContentTest, HasTheImagesThePaintersLookUp)
{
    const int global = skin.GetSkinIndex("GLOBALINFO");
    for (const char* key : {"BICONCLOSE", "BICONMIN", "BICONMAX", "BICONNORM", "BICONHELP", "SICONCLOSE",
                            "SICONMIN", "SICONMAX", "SICONNORM", "SICONHELP", "EXBORDER", "BICONCLOSEGLOW0",
                            "BICONMINGLOW0", "BICONMAXGLOW0", "CHECK", "RADIOCHECKED"})
        EXPECT_TRUE(skin.IsValidImgIndex(skin.GetMaskIndex(global, "GLOBALINFO", key))) << key;
    for (const char* section :
         {"FORM", "FORMTITLE", "BUTTON", "BUTTON_HUGE", "GAUGE", "PROGRESSH", "PROGRESSV", "HINT", "EDIT",
          "STATUSBAR", "MENUITEM", "SELECTION", "TITLEBUTTON", "SPEEDBUTTON_SMALL"})
        EXPECT_TRUE(
            skin.IsValidImgIndex(skin.GetMaskIndex(skin.GetSkinIndex(section), section, "BORDERSMASK")))
            << section;

    const int button = skin.GetSkinIndex("BUTTON");
    const TsGeneralData& record = skin.Sections()[static_cast<std::size_t>(button)];
    EXPECT_EQ(record.States, 3);
    EXPECT_EQ(skin.Masks()[static_cast<std::size_t>(record.BorderMaskIndex)].FrameCount, 3);
    EXPECT_TRUE(skin.IsValidImgIndex(skin.GetMaskIndex(button, "BUTTON", "GLOW0")));
    EXPECT_EQ(options.ReadString("BUTTON", "FADINGENABLED", ""), "1");
    EXPECT_TRUE(skin.IsValidImgIndex(skin.GetTextureIndex(skin.GetSkinIndex("FORM"), "FORM", "PATTERN")));
    // Each caption button with a glow image has its glow size too.
    for (const char* key : {"BICONCLOSEGLOW", "BICONMINGLOW", "BICONMAXGLOW"})
        EXPECT_GT(std::atoi(options.ReadString("GLOBALINFO", key, "0").c_str()), 0) << key;
    // The menu's marks have a normal and a hot look, glyph-column sized.
    for (const char* key : {"CHECK", "RADIOCHECKED"}) {
        const TsMaskData& mark =
            skin.Masks()[static_cast<std::size_t>(skin.GetMaskIndex(global, "GLOBALINFO", key))];
        EXPECT_EQ(mark.FrameCount, 2) << key;
        EXPECT_EQ(mark.SourceRect.Width() / 2, 16) << key;
        EXPECT_EQ(mark.SourceRect.Height(), 16) << key;
    }
}

TEST_F(BeijingContentTest, UsesEveryImageValueFormAndAJpegTexture)
{
    std::set<TImageValueForm> forms;
    bool jpeg = false;
    for (const TIniSection& section : options.Sections())
        for (const TIniEntry& entry : section.Entries()) {
            if (section.Name() == "GLOBALINFO" && entry.Key == "MASTERBITMAP")
                continue;
            forms.insert(ClassifyImageValue(entry.Value));
            jpeg = jpeg || AsciiUpperCase(entry.Value).find(".JPG") != std::string::npos;
        }
    for (TImageValueForm form :
         {TImageValueForm::ExternalFile, TImageValueForm::MasterPlain, TImageValueForm::MasterBordered,
          TImageValueForm::MasterTexture, TImageValueForm::MasterRect, TImageValueForm::NamedBitmap})
        EXPECT_TRUE(forms.count(form)) << static_cast<int>(form);
    EXPECT_TRUE(jpeg);
}

TEST_F(BeijingContentTest, PackageLoadsTheSameSkinAsTheFolder)
{
    std::unique_ptr<TacSkinConvertor> package;
    OpenPackedFile(package, CommittedPackage, true);
    ASSERT_TRUE(package && package->OptionsStream);
    package->OptionsStream->SetPosition(0);
    const TMemIniFile packedOptions = OptionsOf(*package->OptionsStream);
    TsLoadedSkin packed;
    packed.SkinData.SkinFolder = std::string(PP_SOURCE_DIR) + "/skins/";
    LoadSkinContent(packedOptions, TSkinPackageSource(*package), {}, packed);
    // The report names every section, image and colour with its values.
    EXPECT_EQ(DescribeSkin(packed, packedOptions), DescribeSkin(skin, options));
}

// The committed images are what the generator draws (the JPEG is left out:
// its bytes depend on the encoder's release).
TEST(BeijingArtTest, GeneratorRedrawsTheCommittedImages)
{
    if (std::system("command -v python3 >/dev/null 2>&1 && command -v convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 or ImageMagick missing";
    const std::string out = std::string(PP_BINARY_DIR) + "/beijing-art";
    fs::remove_all(PathFromUtf8(out));
    const std::string command = "python3 '" + std::string(PP_SOURCE_DIR) +
                                "/tools/skin-art/make_beijing.py' '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    TFileMap drawn = FolderFiles(out);
    TFileMap committed = FolderFiles(SkinFolder);
    ASSERT_TRUE(drawn.count("SILK.JPG"));
    drawn.erase("SILK.JPG");
    committed.erase("SILK.JPG");
    EXPECT_EQ(drawn, committed);
}

} // namespace
} // namespace pp
