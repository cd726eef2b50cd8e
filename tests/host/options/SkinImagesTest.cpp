#include "SkinFixture.h"
#include "core/Error.h"
#include "skin/loading/CommonSections.h"
#include "skin/loading/CornerFlag.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinImageLoader.h"
#include "skin/loading/SkinPackageWriter.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <array>

namespace pp {
namespace {

using pptest::Columns;
using pptest::LoadFromFolder;
using pptest::SolidBmp;
using pptest::TSkinFolder;

const TsMaskData& MaskOf(const TsLoadedSkin& skin, const char* section, const char* key)
{
    const int index = skin.GetMaskIndexExact(section, key);
    EXPECT_TRUE(skin.IsValidImgIndex(index)) << section << "/" << key;
    return skin.Masks().at(static_cast<std::size_t>(index));
}

// Left, top, right and bottom border widths.
std::array<int, 4> Borders(const TsMaskData& m)
{
    return {m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth};
}

std::vector<std::uint8_t> RgbaPng(int width, int height, std::array<std::uint8_t, 4> rgba)
{
    std::vector<std::uint8_t> rows;
    for (int i = 0; i < width * height; ++i)
        rows.insert(rows.end(), rgba.begin(), rgba.end());
    return pptest::EncodeRgbaPng(width, height, rows);
}

TEST(SkinImages, ExternalPngWithCountsOnly)
{
    TSkinFolder folder;
    folder.Write("BTN.PNG", RgbaPng(90, 60, {200, 10, 10, 128}));
    const TsLoadedSkin skin = LoadFromFolder(
        "[GLOBALINFO]\nVERSION=8\n[BUTTON]\nBORDERSMASK=!BTN.PNG!3!1\n[LOWER]\nBORDERSMASK=!btn.png!3!1\n",
        folder);
    ASSERT_EQ(skin.Masks().size(), 1u); // the lower-case name fails the extension test
    const TsMaskData& m = MaskOf(skin, "BUTTON", "BORDERSMASK");
    EXPECT_EQ(m.SourceRect, (TRect{0, 0, 90, 60}));
    EXPECT_EQ(Borders(m), (std::array<int, 4>{10, 10, 10, 10})); // a ninth and a sixth
    EXPECT_EQ(m.DrawFlags, 1);
    EXPECT_EQ(m.ImageKind, ikBordered);
    ASSERT_TRUE(m.OwnBitmap);
    EXPECT_EQ(m.OwnBitmap->Format(), TPixelFormat::pf32bit);
    EXPECT_EQ(m.OwnBitmap->Pixel32(5, 5).R, 100); // premultiplied for a version-8 skin
    EXPECT_EQ(skin.GetMaskIndexExact("LOWER", "BORDERSMASK"), -1);
}

TEST(SkinImages, ExternalFileWithoutFramesFailsTheLoad)
{
    TSkinFolder folder;
    folder.Write("BTN.PNG", RgbaPng(9, 6, {1, 2, 3, 255}));
    try {
        LoadFromFolder("[BUTTON]\nBORDERSMASK=!BTN.PNG\n", folder);
        ADD_FAILURE();
    } catch (const EInvalidData& e) {
        EXPECT_NE(std::string(e.what()).find("\"BORDERSMASK\" of skin section \"BUTTON\""), std::string::npos)
            << e.what();
    }
}

TEST(SkinImages, NamedBitmapIsAThreeStateImage)
{
    TSkinFolder folder;
    folder.Write("art/panel.bmp", SolidBmp(90, 60, 0x808080));
    // Skins name files as their authors' system does: any letter case, "\\" between folders.
    const TsLoadedSkin skin = LoadFromFolder("[Panel]\nbordersmask=Art\\panel.bmp\nCOLOR=$FF\n", folder);
    ASSERT_EQ(skin.Masks().size(), 1u);
    const TsMaskData& m = MaskOf(skin, "PANEL", "BORDERSMASK"); // names upper-cased
    EXPECT_EQ(m.FrameCount, 3);
    EXPECT_EQ(m.MaskBands, 1);
    EXPECT_EQ(Borders(m), (std::array<int, 4>{10, 10, 10, 10}));
    EXPECT_EQ(m.DrawFlags, 0);
    EXPECT_EQ(m.CornerFlag, cfNoKeyPixels);
    EXPECT_EQ(m.OwnBitmap->Pixel32(0, 0), (TBGRA{0x80, 0x80, 0x80, 0xFF}));
}

TEST(SkinImages, CornerFlagFindsKeyPixelsInTheFirstFrameCorners)
{
    // 90 x 60 as three frames and two bands: corner cells of 10 x 10 in a 30 x 30 frame.
    struct Case {
        const char* section;
        int keyX, keyY;
        std::int16_t flag;
    } cases[] = {
        {"BUTTON", 0, 0, cfKeyPixels},        {"BUTTON", 25, 5, cfKeyPixels},
        {"BUTTON", 5, 25, cfKeyPixels},       {"BUTTON", 29, 29, cfKeyPixels},
        {"BUTTON", 15, 5, cfNoKeyPixels}, // top edge, not a corner
        {"BUTTON", 35, 5, cfNoKeyPixels}, // second frame
        {"BUTTON", 5, 35, cfNoKeyPixels}, // second band
        {"BUTTON_HUGE", 15, 15, cfUnchecked},
    };
    for (const Case& c : cases) {
        TSkinFolder folder;
        folder.Write("B.BMP", pptest::EncodeBmp24(90, 60, [&](int x, int y) {
                         return x == c.keyX && y == c.keyY ? clKeyColor : 0x404040;
                     }));
        const TsLoadedSkin skin = LoadFromFolder(std::string("[") + c.section + "]\nBORDERSMASK=B.BMP\n",
                                                 folder);
        EXPECT_EQ(MaskOf(skin, c.section, "BORDERSMASK").CornerFlag, c.flag)
            << c.section << " " << c.keyX << "," << c.keyY;
    }
}

// Counts, widths and flags of an image record are 16-bit: numbers written
// wider keep their low 16 bits (65539 is 0x10003, -65526 is 10 + -65536).
TEST(SkinImages, ExternalFileNumbersKeepTheRecordsSixteenBits)
{
    TSkinFolder folder;
    folder.Write("B.BMP", pptest::EncodeBmp24(90, 60, [](int x, int y) {
                     return x == 89 && y == 0 ? clKeyColor : 0x404040;
                 }));
    const TsLoadedSkin skin = LoadFromFolder(
        "[WIDE]\nBORDERSMASK=!B.BMP!65539!65536!0!65546!6!-65526!-2147483648!65537\n"
        // Before the record kept 16 bits, this right width put the corner scan's
        // start at 90 + 2^31, which wrapped to a negative column.
        "[EXTREME]\nBORDERSMASK=!B.BMP!1!0!0!0!5!-2147483648!5\n",
        folder);
    const TsMaskData& wide = MaskOf(skin, "WIDE", "BORDERSMASK");
    EXPECT_EQ(wide.FrameCount, 3);
    EXPECT_EQ(wide.MaskBands, 0);
    EXPECT_EQ(Borders(wide), (std::array<int, 4>{10, 6, 10, 0}));
    EXPECT_EQ(wide.DrawFlags, 1);
    const TsMaskData& extreme = MaskOf(skin, "EXTREME", "BORDERSMASK");
    EXPECT_EQ(Borders(extreme), (std::array<int, 4>{0, 5, 0, 5}));
    // The key pixel at (89, 0) lies in the last column, which is never scanned.
    EXPECT_EQ(extreme.CornerFlag, cfNoKeyPixels);
}

TEST(SkinImages, CornerScanStaysInsideTheBitmapWhateverTheRecordSays)
{
    TBitmap master(16, 16, TPixelFormat::pf32bit);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            master.Pixel32(x, y) = TBGRA{0xFF, 0x00, 0xFF, 0x00}; // all key colour
    constexpr int Lowest = -2147483647 - 1, Highest = 2147483647;
    struct Case {
        const char* what;
        TRect rect;
        std::array<TMaskField, 4> borders; // left, top, right, bottom
        std::int16_t flag;
    } cases[] = {
        {"an ordinary image", {0, 0, 16, 16}, {4, 4, 4, 4}, cfKeyPixels},
        // The right cell starts past the highest int: it used to wrap negative.
        {"far right", {Highest, 0, Highest, 16}, {0, 4, -32768, 4}, cfNoKeyPixels},
        {"far left and up", {Lowest, Lowest, Highest, Highest}, {32767, 32767, 32767, 32767}, cfNoKeyPixels},
        {"bottom band above the bitmap", {0, Lowest, 16, 16}, {4, 4, 4, 4}, cfNoKeyPixels},
        {"negative borders", {0, 0, 16, 16}, {-32768, -32768, -32768, -32768}, cfNoKeyPixels},
    };
    for (const Case& c : cases) {
        TsMaskData mask;
        mask.SourceRect = c.rect;
        mask.FrameCount = 1;
        mask.LeftWidth = c.borders[0];
        mask.TopWidth = c.borders[1];
        mask.RightWidth = c.borders[2];
        mask.BottomWidth = c.borders[3];
        EXPECT_EQ(ComputeCornerFlag(mask, master), c.flag) << c.what;
    }
}

TEST(SkinImages, MasterBitmapForms)
{
    TSkinFolder folder;
    folder.Write("MASTER.BMP", pptest::EncodeBmp24(100, 100, [](int x, int y) {
                     return x == 0 && y == 0 ? clKeyColor : 0x102030;
                 }));
    const std::string options =
        "[GLOBALINFO]\nVERSION=8\nMASTERBITMAP=MASTER.BMP\n[BUTTON]\n"
        "PLAIN=" +
        Columns('@', {0, 0, 60, 20}, {3, 0}) +
        "\n"
        "BORDERED=" +
        Columns('^', {0, 0, 90, 40, 0, 0, 0, 0}, {3, 1, 0, 0}) +
        "\n"
        "TEXTURE=" +
        Columns('~', {10, 10, 50, 50}, {12}) +
        "\n"
        "rect=#x (30,0,60,30) (1)\n"
        "NOTHING=#\n"
        "HUGE=#x (-2000000000,-2000000000,2000000000,2000000000) (1)\n";
    const TsLoadedSkin skin = LoadFromFolder(options, folder);
    ASSERT_EQ(skin.MasterBitmap.Format(), TPixelFormat::pf32bit);
    EXPECT_TRUE(skin.MasterBitmap.Transparent);
    EXPECT_EQ(skin.MasterBitmap.TransparentColor, clKeyColor);
    EXPECT_EQ(skin.MasterBitmap.Pixel32(0, 0).A, 0);
    EXPECT_EQ(skin.MasterBitmap.Pixel32(1, 0).A, 255);

    ASSERT_EQ(skin.Masks().size(), 5u);
    EXPECT_EQ(MaskOf(skin, "BUTTON", "PLAIN").ImageKind, ikPlain);
    EXPECT_FALSE(MaskOf(skin, "BUTTON", "PLAIN").OwnBitmap);
    const TsMaskData& bordered = MaskOf(skin, "BUTTON", "BORDERED");
    EXPECT_EQ(bordered.LeftWidth, 10);
    EXPECT_EQ(bordered.CornerFlag, cfKeyPixels); // the key pixel at (0, 0) of the master
    EXPECT_EQ(MaskOf(skin, "BUTTON", "TEXTURE").ImageKind, ikTexture);
    const TsMaskData& rect = MaskOf(skin, "BUTTON", "RECT");
    EXPECT_EQ(rect.SourceRect, (TRect{30, 0, 60, 30}));
    EXPECT_EQ(rect.LeftWidth, 30); // no borders given: the whole frame
    EXPECT_EQ(rect.DrawFlags, 1);
    EXPECT_EQ(rect.CornerFlag, cfNoKeyPixels);
    // Sides beyond 32 bits neither overflow nor scan outside the master: the
    // frame width is held at 2^31 - 1, which the record keeps as the 16-bit
    // -1, and cells of a negative width are empty.
    const TsMaskData& huge = MaskOf(skin, "BUTTON", "HUGE");
    EXPECT_EQ(huge.LeftWidth, -1);
    EXPECT_EQ(huge.CornerFlag, cfNoKeyPixels);
}

TEST(SkinImages, TheSkinVersionDecidesTheCentreFlag)
{
    // Frames of 30 x 20 with borders 14 + 15 and 9 + 10 leave a 1 x 1 centre.
    const std::string centre = Columns('^', {0, 0, 90, 40, 14, 9, 15, 10}, {3, 1, 0, 0});
    for (const auto& [version, flags] : {std::pair{"7.0", 1}, std::pair{"7.4", 0}, std::pair{"", 1}}) {
        TSkinFolder folder;
        const TsLoadedSkin skin = LoadFromFolder(std::string("[GLOBALINFO]\nVERSION=") + version +
                                                     "\n[BUTTON]\nBORDERSMASK=" + centre + "\n",
                                                 folder);
        EXPECT_EQ(MaskOf(skin, "BUTTON", "BORDERSMASK").DrawFlags, flags) << "version " << version;
    }
}

TEST(SkinImages, MissingImagesAreSkipped)
{
    TSkinFolder folder;
    const TsLoadedSkin skin = LoadFromFolder(
        "[GLOBALINFO]\nMASTERBITMAP=NONE.BMP\n[BUTTON]\nBORDERSMASK=!NOPE.PNG!3!1\nGLYPHMASK=nope.bmp\n"
        "PATTERN=nope.jpg\n",
        folder);
    EXPECT_TRUE(skin.Masks().empty());
    EXPECT_TRUE(skin.MasterBitmap.Empty());
    EXPECT_EQ(skin.MasterBitmap.Format(), TPixelFormat::pf32bit);
    EXPECT_EQ(skin.Sections()[1].BorderMaskIndex, -1);
}

TEST(SkinImages, UndecodableImageFailsTheLoad)
{
    TSkinFolder folder;
    folder.Write("BROKEN.BMP", {'B', 'M', 1, 2, 3});
    EXPECT_THROW(LoadFromFolder("[BUTTON]\nBORDERSMASK=broken.bmp\n", folder), Exception);
}

TEST(SkinImages, TheImagesOfOneSkinHaveAMemoryBudget)
{
    // Every key decodes its own copy, so one small file named under many
    // keys could take any amount of memory. Here the budget of 1 MB holds
    // four copies of a 256 x 256 image at 32 bits; the fifth fails the load.
    TSkinFolder folder;
    folder.Write("TILE.BMP", SolidBmp(256, 256, 0x123456));
    auto load = [&](int copies) {
        std::string options = "[GLOBALINFO]\nVERSION=8\n[BUTTON]\n";
        for (int i = 0; i < copies; ++i)
            options += "KEY" + std::to_string(i) + "=tile.bmp\n";
        const TMemIniFile ini(options);
        const TSkinFolderSource files(folder.Path());
        TSkinImageBudget budget(std::uint64_t(1) << 20);
        TsLoadedSkin skin;
        LoadSkinImages({ini, files, files, nullptr, 8, &budget}, skin);
        return skin.Masks().size();
    };
    EXPECT_EQ(load(4), 4u);
    try {
        load(5);
        ADD_FAILURE() << "five copies loaded";
    } catch (const EInvalidData& e) {
        EXPECT_STREQ(e.what(),
                     "The image \"TILE.BMP\" (256 x 256) takes the skin's images past 1 MB of pixels");
    }
}

TEST(SkinImages, LargeJpegTexturesStayPatterns)
{
    TSkinFolder folder;
    folder.Write("BIG.JPG", pptest::EncodeGreyJpeg(1000, 900));
    folder.Write("small.jpg", pptest::EncodeGreyJpeg(999, 900));
    const TsLoadedSkin skin = LoadFromFolder(
        "[FORM]\nPATTERN=big.jpg\n[Panel]\npattern=Small.Jpg\nHOTPATTERN=small.jpg\n", folder);
    ASSERT_EQ(skin.Patterns().size(), 1u);
    EXPECT_EQ(skin.Patterns()[0].SectionName, "FORM");
    EXPECT_EQ(skin.Patterns()[0].Img->Width(), 1000);
    EXPECT_EQ(skin.GetPatternIndex(skin.GetSkinIndex("FORM"), "FORM", "PATTERN"), 0);
    EXPECT_EQ(skin.Sections()[0].TextureIndex, -1);

    ASSERT_EQ(skin.Masks().size(), 2u);
    const TsMaskData& texture = MaskOf(skin, "PANEL", "PATTERN");
    EXPECT_EQ(texture.ImageKind, ikTexture);
    EXPECT_EQ(texture.FrameCount, 1);
    EXPECT_EQ(texture.SourceRect, (TRect{0, 0, 999, 900}));
    EXPECT_EQ(texture.OwnBitmap->Format(), TPixelFormat::pf32bit);
    // The record's names are upper-cased; the section record keeps its own
    // name, so only an upper-case section finds the texture.
    EXPECT_EQ(skin.GetTextureIndex(0, "PANEL", "PATTERN"), skin.GetMaskIndexExact("PANEL", "PATTERN"));
    EXPECT_EQ(skin.Sections()[1].TextureIndex, -1);
}

// A skin loads the same from its folder and from its package: image names
// ignore letter case in both, while the extension test of the "!" form
// stays exact.
TEST(SkinImages, PackageEntriesAreFoundAsFolderFilesAre)
{
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files = {
        {"master.Bmp", SolidBmp(20, 20, 0x00FF00)},
        {"lower.bmp", SolidBmp(18, 12, 0x0000FF)},
        {"Upper.png", RgbaPng(9, 6, {1, 2, 3, 255})},
    };
    TSkinFolder folder;
    TSkinPackageWriter writer;
    writer.Add("Options.dat", "x");
    for (const auto& [name, bytes] : files) {
        folder.Write(name, bytes);
        writer.Add(name, bytes);
    }
    TMemoryStream data(writer.Bytes());
    std::unique_ptr<TacSkinConvertor> reader;
    ReadStoredSkin(reader, data);
    const TSkinPackageSource package(*reader);
    const TSkinFolderSource folderFiles(folder.Path());
    const std::pair<const TSkinFileSource*, const char*> sources[] = {{&package, "package"},
                                                                      {&folderFiles, "folder"}};

    struct Case {
        const char* options;
        int masterWidth;
        int maskWidth; // 0: no image record
    } cases[] = {
        {"[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n", 20, 0},
        {"[GLOBALINFO]\nMASTERBITMAP=master.bmp\n", 20, 0},
        {"[B]\nBORDERSMASK=lower.bmp\n", 0, 18},
        {"[B]\nBORDERSMASK=LOWER.BMP\n", 0, 18},
        {"[B]\nBORDERSMASK=!UPPER.PNG!3!1\n", 0, 9},
        {"[B]\nBORDERSMASK=!Upper.PNG!3!1\n", 0, 9},
        {"[B]\nBORDERSMASK=!Upper.png!3!1\n", 0, 0}, // the extension must be in capitals
        {"[B]\nBORDERSMASK=!MISSING.PNG!3!1\n", 0, 0},
    };
    for (const Case& c : cases)
        for (const auto& [source, from] : sources) {
            TsLoadedSkin skin;
            LoadSkinContent(TMemIniFile(c.options), *source, {}, skin);
            EXPECT_EQ(skin.MasterBitmap.Width(), c.masterWidth) << c.options << " from the " << from;
            ASSERT_EQ(skin.Masks().size(), c.maskWidth ? 1u : 0u) << c.options << " from the " << from;
            if (c.maskWidth) {
                EXPECT_EQ(skin.Masks()[0].SourceRect.Right, c.maskWidth) << c.options << " from the " << from;
            }
        }
}

// Where names differ only in letter case, the exact one is taken, as a
// folder would; otherwise the first entry that matches.
TEST(SkinImages, ExactPackageEntryNameWinsOverOneInOtherLetters)
{
    TSkinPackageWriter writer;
    writer.Add("Options.dat", "x")
        .Add("a.bmp", SolidBmp(5, 5, 0))
        .Add("A.BMP", SolidBmp(7, 7, 0))
        .Add("b.BMP", SolidBmp(3, 3, 0))
        .Add("B.bmp", SolidBmp(4, 4, 0));
    TMemoryStream data(writer.Bytes());
    std::unique_ptr<TacSkinConvertor> reader;
    ReadStoredSkin(reader, data);
    const TSkinPackageSource source(*reader);
    for (const auto& [name, width] : {std::pair{"A.BMP", 7}, std::pair{"a.bmp", 5}, std::pair{"B.BMP", 3}}) {
        TsLoadedSkin skin;
        LoadSkinContent(TMemIniFile(std::string("[GLOBALINFO]\nMASTERBITMAP=") + name + "\n"), source, {},
                        skin);
        EXPECT_EQ(skin.MasterBitmap.Width(), width) << name;
    }
}

const char* const LookupOptions =
    "[GLOBALINFO]\nBOXCHECKED=#x (0,0,3,3) (1)\nBICONCLOSE=#x (0,0,3,3) (1)\n"
    "[BUTTON]\nBORDERSMASK=#x (0,0,30,10) (3)\nPATTERN=~0000 0000 0010 0010 00\nHOTPATTERN=#x (0,0,9,9) (1)\n"
    "[CHILD]\nPARENTCLASS=BUTTON\n"
    "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n"
    "[TABTOP]\nPARENTCLASS=BUTTON\n"
    "[SCROLLBTNTOP]\nGLYPHMASK=#x (0,0,3,3) (1)\n"
    "[COMBOBTN]\nPARENTCLASS=BUTTON\n";

TEST(SkinImageLookups, ParentsAreFollowedExceptByTheExactLookup)
{
    TSkinFolder folder;
    folder.Write("M.BMP", SolidBmp(40, 40, 0x101010));
    const TsLoadedSkin skin = LoadFromFolder(
        std::string(LookupOptions) + "[GLOBALINFO]\nMASTERBITMAP=M.BMP\n", folder);
    const int button = skin.GetMaskIndexExact("BUTTON", "BORDERSMASK");
    const int child = skin.GetSkinIndex("CHILD");
    EXPECT_GE(button, 0);
    EXPECT_EQ(skin.GetMaskIndex(child, "CHILD", "BORDERSMASK"), button);
    EXPECT_EQ(skin.GetMaskIndexExact("CHILD", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.GetMaskIndex(-1, "BUTTON", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.GetMaskIndex(child, "", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.GetMaskIndex(skin.GetSkinIndex("A"), "A", "BORDERSMASK"), -1); // A <-> B ends
    // Only textures count for the texture lookup.
    EXPECT_EQ(skin.GetTextureIndex(child, "CHILD", "HOTPATTERN"), -1);
    EXPECT_EQ(skin.GetTextureIndex(child, "CHILD", "PATTERN"), skin.GetMaskIndexExact("BUTTON", "PATTERN"));
    EXPECT_FALSE(skin.IsValidImgIndex(-1));
    EXPECT_FALSE(skin.IsValidImgIndex(static_cast<int>(skin.Masks().size())));
    EXPECT_FALSE(skin.IsValidSkinIndex(static_cast<int>(skin.Sections().size())));
}

TEST(SkinImageLookups, SectionNamesAreExact)
{
    TSkinFolder folder;
    const TsLoadedSkin skin = LoadFromFolder("[button]\n[BUTTON]\n[Other]\n", folder);
    EXPECT_EQ(skin.GetSkinIndex("BUTTON"), 1);
    EXPECT_EQ(skin.GetSkinIndex("button"), 0);
    EXPECT_EQ(skin.GetSkinIndex("OTHER"), -1);
    EXPECT_EQ(skin.GetSkinIndex(""), -1);
    EXPECT_EQ(TsLoadedSkin().GetSkinIndex("BUTTON"), -1);
    EXPECT_TRUE(skin.IsValidSkinIndex(2));
    EXPECT_FALSE(skin.IsValidSkinIndex(-1));
}

TEST(SkinImageLookups, SectionIndexesAndTheStandardTable)
{
    TSkinFolder folder;
    const TsLoadedSkin skin = LoadFromFolder(LookupOptions, folder);
    const TsGeneralData& child = skin.Sections().at(static_cast<std::size_t>(skin.GetSkinIndex("CHILD")));
    EXPECT_EQ(child.BorderMaskIndex, skin.GetMaskIndexExact("BUTTON", "BORDERSMASK"));
    EXPECT_EQ(child.TextureIndex, skin.GetMaskIndexExact("BUTTON", "PATTERN"));
    EXPECT_EQ(child.Props[0].TextureIndex, child.TextureIndex);
    EXPECT_EQ(child.Props[1].TextureIndex, -1); // its HOTPATTERN is no texture
    EXPECT_EQ(child.ImgTL, -1);
    EXPECT_EQ(skin.Sections()[0].BorderMaskIndex, -1); // GLOBALINFO gets none

    const TsStandardIndexes& c = skin.ConstData;
    EXPECT_EQ(c.GlobalSection, 0);
    EXPECT_EQ(c.CheckGlyphs[cgBoxChecked], skin.GetMaskIndexExact("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(c.CheckGlyphs[cgRadioChecked], -1);
    EXPECT_EQ(c.TitleGlyphs[tgCloseNormal], skin.GetMaskIndexExact("GLOBALINFO", "BICONCLOSE"));
    EXPECT_EQ(c.Tabs[sdTop].BorderMask, skin.GetMaskIndexExact("BUTTON", "BORDERSMASK"));
    EXPECT_EQ(c.Tabs[sdBottom].SkinIndex, -1);
    EXPECT_EQ(c.ComboBtnBorder, -1); // exact lookup: not inherited
    EXPECT_EQ(c.ComboBtnPattern, skin.GetMaskIndexExact("BUTTON", "PATTERN"));
    EXPECT_EQ(c.ScrollButtons[sdTop].GlyphMask, skin.GetMaskIndexExact("SCROLLBTNTOP", "GLYPHMASK"));
    EXPECT_EQ(c.ScrollButtons[sdLeft].GlyphMask, -1);
    EXPECT_EQ(c.WebButtonSection, -1);
}

TEST(SkinContentLoad, RunsTheStepsAndReportsFailures)
{
    TSkinFolder folder;
    std::vector<double> versions;
    TSkinLoadSettings settings;
    settings.CheckVersion = [&](double v) { versions.push_back(v); };
    const TsLoadedSkin skin = LoadFromFolder("[GLOBALINFO]\nVERSION=7.5\nCOLOR=$123456\n[EDIT]\n", folder,
                                             settings);
    EXPECT_EQ(versions, (std::vector<double>{7.5, 7.5})); // once read, once with GLOBALINFO
    EXPECT_EQ(skin.SkinData.Version, 7.5);
    EXPECT_EQ(skin.Colors[scGlobalColor], 0x123456u);
    EXPECT_EQ(skin.Colors[scEditColor], 0xFFFFFFu);

    try {
        LoadFromFolder("[GLOBALINFO]\nSHADOW1BLUR=soft\n", folder);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "'soft' is not a valid integer value");
    }
}

TEST(SkinContentLoad, CommonSectionImagesComeFromTheSkinFolder)
{
    TSkinFolder folder;
    folder.Write("EXTRA.BMP", SolidBmp(30, 12, 0x202020));
    folder.Write("TEX.JPG", pptest::EncodeGreyJpeg(8, 8));
    TStringList lines(true);
    lines.SetText(
        "[MYBTN]\nPARENTCLASS=BUTTON\nBORDERSMASK=#x (0,0,60,20) (2,1)\nGLYPHMASK=extra.bmp\n"
        "PATTERN=tex.jpg\n[GLOBALINFO]\nBOXCHECKED=extra.bmp\n");
    const TMemIniFile common = ParseCommonSections(lines);
    TSkinLoadSettings settings;
    settings.CommonSections = &common;
    const TsLoadedSkin skin = LoadFromFolder("[BUTTON]\nCOLOR=$10\n", folder, settings);
    const TsMaskData& border = MaskOf(skin, "MYBTN", "BORDERSMASK");
    EXPECT_EQ(Borders(border), (std::array<int, 4>{10, 3, 10, 3})); // 60 / (2 * 3), 20 / (2 * 3)
    const TsMaskData& glyph = MaskOf(skin, "MYBTN", "GLYPHMASK");
    EXPECT_EQ(glyph.SourceRect, (TRect{0, 0, 30, 12}));
    EXPECT_EQ(skin.GetMaskIndexExact("GLOBALINFO", "BOXCHECKED"), -1);
    ASSERT_EQ(skin.Patterns().size(), 1u); // small, but common textures stay patterns
    const TsGeneralData& mine = skin.Sections().at(static_cast<std::size_t>(skin.GetSkinIndex("MYBTN")));
    EXPECT_EQ(mine.SectionName, "MYBTN");
    EXPECT_EQ(mine.Props[0].Color, 0x10u);
    EXPECT_EQ(mine.BorderMaskIndex, skin.GetMaskIndexExact("MYBTN", "BORDERSMASK"));
}

} // namespace
} // namespace pp
