// Recolouring a loaded skin by hue offset and saturation, the shadow frame
// images of extended borders, and the skin preview record.
#include "skin/loading/ExtendedBorderImages.h"
#include "skin/loading/SkinPreviewRecord.h"
#include "skin/loading/SkinRecolor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace pp {
namespace {

constexpr std::uint32_t OpaqueRed = 0xFFFF0000, OpaqueGreen = 0xFF00FF00;
constexpr std::uint32_t TransparentKey = 0x00FF00FF;

std::uint32_t ValueAt(const TBitmap& b, int x, int y)
{
    const TBGRA p = b.Pixel32(x, y);
    return std::uint32_t(p.A) << 24 | std::uint32_t(p.R) << 16 | std::uint32_t(p.G) << 8 | p.B;
}

void SetValue(TBitmap& b, int x, int y, std::uint32_t v)
{
    b.Pixel32(x, y) = TBGRA{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                            std::uint8_t(v >> 24)};
}

TsMaskData MasterMask(const std::string& section, const std::string& key, int x)
{
    TsMaskData mask;
    mask.SectionName = section;
    mask.KeyName = key;
    mask.SourceRect = {x, 0, x + 1, 1};
    mask.FrameCount = 1;
    return mask;
}

TsMaskData OwnMask(const std::string& section, const std::string& key, std::uint32_t pixel)
{
    TsMaskData mask = MasterMask(section, key, 0);
    mask.OwnBitmap = std::make_unique<TBitmap>(1, 1);
    SetValue(*mask.OwnBitmap, 0, 0, pixel);
    return mask;
}

// A master bitmap of four red pixels (the last one key colour) holding the
// close glyph at 0, the maximize glyph at 1 and a button border at 2, and a
// close glow glyph with a bitmap of its own; one red section.
TsLoadedSkin RedSkin(int keepHue)
{
    TsLoadedSkin skin;
    skin.SkinData.BIKeepHue = std::int16_t(keepHue);
    skin.SkinData.Shadow1Color = 0x0000FF;
    skin.MasterBitmap = TBitmap(4, 1);
    for (int x = 0; x < 3; ++x)
        SetValue(skin.MasterBitmap, x, 0, OpaqueRed);
    SetValue(skin.MasterBitmap, 3, 0, TransparentKey);
    skin.AddMask(MasterMask("GLOBALINFO", "BICONCLOSE", 0));
    skin.AddMask(MasterMask("GLOBALINFO", "BICONMAX", 1));
    skin.AddMask(MasterMask("BUTTON", "BORDERSMASK", 2));
    skin.AddMask(OwnMask("GLOBALINFO", "BICONCLOSEGLOW0", OpaqueRed));
    TsGeneralData button;
    button.SectionName = "BUTTON";
    for (TsProps* props : {&button.Props, &button.RawProps}) {
        for (TsGenState& state : *props) {
            state.Color = 0x0000FF;
            state.GlowColor = 0x0000FF;
            state.FontColor = {0x0000FF, TColor(-1), TColor(-1), TColor(-1), TColor(-1)};
        }
    }
    button.Props[1].GradientArray = {{0x0000FF, 0x0000FF, 100, gmVertical}};
    skin.SetSections({button});
    skin.Colors.fill(0x0000FF);
    return skin;
}

TEST(SkinRecolorTest, HueRotatesImagesSectionsShadowAndTheFollowingTableEntries)
{
    TsLoadedSkin skin = RedSkin(0);
    RecolorSkin(skin, 120, 0);
    // Pure red turned by 120 degrees is pure green; the key colour stays.
    EXPECT_EQ(ValueAt(skin.MasterBitmap, 0, 0), OpaqueGreen);
    EXPECT_EQ(ValueAt(skin.MasterBitmap, 2, 0), OpaqueGreen);
    EXPECT_EQ(ValueAt(skin.MasterBitmap, 3, 0), TransparentKey);
    EXPECT_EQ(ValueAt(*skin.Masks()[3].OwnBitmap, 0, 0), OpaqueGreen);
    const TsGeneralData& button = skin.Sections()[0];
    for (const TsProps* props : {&button.Props, &button.RawProps}) {
        for (const TsGenState& state : *props) {
            EXPECT_EQ(state.Color, 0x00FF00u);
            EXPECT_EQ(state.GlowColor, 0x00FF00u);
            EXPECT_EQ(state.FontColor[fcMain], 0x00FF00u);
            EXPECT_EQ(state.FontColor[fcRight], TColor(-1));
        }
    }
    EXPECT_EQ(button.Props[1].GradientArray[0].ColorFrom, 0x00FF00u);
    EXPECT_EQ(button.Props[1].GradientArray[0].ColorTo, 0x00FF00u);
    EXPECT_EQ(skin.SkinData.Shadow1Color, 0x00FF00u);
    for (int entry = 0; entry < SkinColorCount; ++entry) {
        const bool follows = entry <= 2 || (entry >= 4 && entry <= 13) || entry == 27;
        EXPECT_EQ(skin.Colors[std::size_t(entry)], follows ? 0x00FF00u : 0x0000FFu) << entry;
    }
}

struct TSaturationCase {
    int Saturation;
    std::uint32_t Expected;
};

TEST(SkinRecolorTest, SaturationIsTakenModulo101)
{
    // (100, 150, 200) has the mean 150; 50 percent moves each channel half
    // its distance further away: 75, 150, 225.
    const TSaturationCase cases[] = {
        {0, 0xFF6496C8}, {101, 0xFF6496C8}, {50, 0xFF4B96E1}, {151, 0xFF4B96E1}, {-50, 0xFF7D96AF}};
    for (const TSaturationCase& c : cases) {
        TsLoadedSkin skin = RedSkin(0);
        SetValue(skin.MasterBitmap, 0, 0, 0xFF6496C8);
        RecolorSkin(skin, 0, c.Saturation);
        EXPECT_EQ(ValueAt(skin.MasterBitmap, 0, 0), c.Expected) << c.Saturation;
    }
}

struct TKeepHueCase {
    int KeepHue;
    bool CloseKept;
    bool MaximizeKept;
};

TEST(SkinRecolorTest, KeptGlyphsFollowBIKeepHue)
{
    const TKeepHueCase cases[] = {{0, false, false}, {-1, false, false}, {1, true, true}, {2, true, false}};
    for (const TKeepHueCase& c : cases) {
        TsLoadedSkin skin = RedSkin(c.KeepHue);
        RecolorSkin(skin, 120, 0);
        const auto expected = [](bool kept) { return kept ? OpaqueRed : OpaqueGreen; };
        EXPECT_EQ(ValueAt(skin.MasterBitmap, 0, 0), expected(c.CloseKept)) << c.KeepHue;
        EXPECT_EQ(ValueAt(skin.MasterBitmap, 1, 0), expected(c.MaximizeKept)) << c.KeepHue;
        EXPECT_EQ(ValueAt(*skin.Masks()[3].OwnBitmap, 0, 0), expected(c.CloseKept)) << c.KeepHue;
        // Everything else changes.
        EXPECT_EQ(ValueAt(skin.MasterBitmap, 2, 0), OpaqueGreen) << c.KeepHue;
        EXPECT_EQ(skin.Sections()[0].Props[0].Color, 0x00FF00u) << c.KeepHue;
    }
}

TEST(SkinRecolorTest, KeptGlyphsOnlyHoldAgainstTheHueStep)
{
    TsLoadedSkin skin = RedSkin(1);
    SetValue(skin.MasterBitmap, 0, 0, 0xFF6496C8);
    RecolorSkin(skin, 120, 50);
    // Saturation still reaches the kept close glyph: 75, 150, 225.
    EXPECT_EQ(ValueAt(skin.MasterBitmap, 0, 0), 0xFF4B96E1u);
}

// An "EXBORDER" image in the master bitmap: two frames of 4 x 3 side by side,
// the second frame's pixels marked by a blue of 2.
TsLoadedSkin SkinWithExBorder(int frames, double version)
{
    TsLoadedSkin skin;
    skin.SkinData.Version = version;
    skin.SkinData.FormOffset = 2;
    skin.MasterBitmap = TBitmap(8, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x)
            SetValue(skin.MasterBitmap, x, y, x < 4 ? 0x80000001 : 0x80000002);
    SetValue(skin.MasterBitmap, 0, 0, 0x00FFFFFF);
    TsMaskData mask = MasterMask("GLOBALINFO", "EXBORDER", 0);
    mask.SourceRect = {0, 0, 4 * frames, 3};
    mask.FrameCount = std::int16_t(frames);
    mask.LeftWidth = 10;
    mask.TopWidth = 11;
    mask.RightWidth = 12;
    mask.BottomWidth = 13;
    skin.AddMask(std::move(mask));
    skin.ConstData.ExBorder = 0;
    return skin;
}

TEST(ExtendedBordersTest, NoneWhileTheSkinIsHiddenOrTheOptionIsOff)
{
    const TsLoadedSkin skin = SkinWithExBorder(2, 8);
    for (const auto& [shown, on] : {std::pair{false, true}, std::pair{true, false}}) {
        const TacExtendedBorders borders = PrepareExtendedBorders(skin, shown, on);
        EXPECT_EQ(borders.MarginLeft + borders.MarginTop + borders.MarginRight + borders.MarginBottom, 0);
    }
}

TEST(ExtendedBordersTest, SkinWithoutExBorderGetsTheBuiltInFrameWithMarginsNine)
{
    TsLoadedSkin skin;
    const TacExtendedBorders borders = PrepareExtendedBorders(skin, true, true);
    EXPECT_EQ(borders.MarginLeft, 9);
    EXPECT_EQ(borders.MarginTop, 9);
    EXPECT_EQ(borders.MarginRight, 9);
    EXPECT_EQ(borders.MarginBottom, 9);
    for (const TBitmap& image : borders.Images) {
        ASSERT_EQ(image.Format(), TPixelFormat::pf32bit);
        // Wide enough for both margins and a middle the form covers.
        ASSERT_GT(image.Width(), 18);
        ASSERT_GT(image.Height(), 18);
        const int middle = image.Width() / 2;
        EXPECT_EQ(image.Pixel32(middle, middle).A, 0) << "the form's place stays clear";
        EXPECT_EQ(image.Pixel32(0, 0).A, 0) << "the shadow has faded out at the outer corner";
        EXPECT_GT(image.Pixel32(8, middle).A, image.Pixel32(1, middle).A) << "darker toward the form";
    }
    // The inactive frame is the lighter one.
    EXPECT_GT(borders.Images[0].Pixel32(8, 14).A, borders.Images[1].Pixel32(8, 14).A);
}

TEST(ExtendedBordersTest, ExBorderGivesItsFramesAndItsWidthsLessTheFormOffset)
{
    const TsLoadedSkin skin = SkinWithExBorder(2, 8);
    const TacExtendedBorders borders = PrepareExtendedBorders(skin, true, true);
    EXPECT_EQ(borders.MarginLeft, 8);
    EXPECT_EQ(borders.MarginTop, 9);
    EXPECT_EQ(borders.MarginRight, 10);
    EXPECT_EQ(borders.MarginBottom, 11);
    ASSERT_EQ(borders.Images[0].Width(), 4);
    ASSERT_EQ(borders.Images[0].Height(), 3);
    EXPECT_EQ(ValueAt(borders.Images[0], 3, 2), 0x80000001u);
    EXPECT_EQ(ValueAt(borders.Images[1], 0, 0), 0x80000002u);
    // A current skin keeps its transparent white.
    EXPECT_EQ(ValueAt(borders.Images[0], 0, 0), 0x00FFFFFFu);
}

TEST(ExtendedBordersTest, OneFrameServesBothAndOldSkinsLoseTransparentWhite)
{
    TsLoadedSkin skin = SkinWithExBorder(1, 7.5);
    skin.SkinData.BorderMode = 1;
    const TacExtendedBorders borders = PrepareExtendedBorders(skin, true, true);
    EXPECT_EQ(borders.MarginLeft, 2);
    EXPECT_EQ(borders.MarginBottom, 2);
    for (const TBitmap& image : borders.Images) {
        ASSERT_EQ(image.Width(), 4);
        EXPECT_EQ(ValueAt(image, 0, 0), 0u);
        EXPECT_EQ(ValueAt(image, 1, 0), 0x80000001u);
    }
}

std::vector<std::uint8_t> PreviewRecord(std::uint32_t marker)
{
    std::vector<std::uint8_t> data(SkinPreviewRecordSize, 0);
    std::memcpy(data.data(), &marker, 4);
    std::memcpy(&data[PreviewNameOffset], "Jade", 4);
    std::memcpy(&data[PreviewDirectoryOffset], "c:\\Skins\0junk", 13);
    std::memcpy(&data[PreviewOptionsOffset], "[GLOBALINFO]\r\nVERSION=8\r\n", 25);
    return data;
}

TEST(SkinPreviewRecordTest, FieldsEndAtTheirFirstZeroByte)
{
    const auto record = ReadSkinPreviewRecord(PreviewRecord(0xA400));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->SkinName, "Jade");
    EXPECT_EQ(record->SkinDirectory, "c:\\Skins");
    EXPECT_EQ(record->OptionsText, "[GLOBALINFO]\r\nVERSION=8\r\n");
}

TEST(SkinPreviewRecordTest, FullFieldsEndAtTheFieldsEnd)
{
    std::vector<std::uint8_t> data = PreviewRecord(0xA400);
    std::fill_n(&data[PreviewNameOffset], PreviewNameSize, 'n');
    std::fill_n(&data[PreviewOptionsOffset], PreviewOptionsSize, 'o');
    const auto record = ReadSkinPreviewRecord(data);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->SkinName, std::string(128, 'n'));
    EXPECT_EQ(record->SkinDirectory, "c:\\Skins");
    EXPECT_EQ(record->OptionsText, std::string(30001, 'o'));
}

TEST(SkinPreviewRecordTest, NoRecordWithoutTheMarkerOrWhenShort)
{
    EXPECT_FALSE(ReadSkinPreviewRecord(PreviewRecord(0xA401)));
    EXPECT_FALSE(ReadSkinPreviewRecord(PreviewRecord(0xA4000000)));
    std::vector<std::uint8_t> shortRecord = PreviewRecord(0xA400);
    shortRecord.pop_back();
    EXPECT_FALSE(ReadSkinPreviewRecord(shortRecord));
    EXPECT_FALSE(ReadSkinPreviewRecord({}));
}

// What the tool writes, the program reads back field for field, and a text
// that fills its field to the last byte survives whole.
TEST(SkinPreviewRecordTest, WrittenRecordsReadBackAsWritten)
{
    const TSkinPreviewRecord records[] = {
        {"Jade", "c:\\Skins", "[GLOBALINFO]\r\nVERSION=8\r\n"},
        {std::string(128, 'n'), std::string(513, 'd'), std::string(30001, 'o')},
        {"", "", ""},
    };
    for (const TSkinPreviewRecord& record : records) {
        const TPreviewRecordBytes written = WriteSkinPreviewRecord(record);
        ASSERT_EQ(written.Fault, TPreviewRecordFault::None);
        ASSERT_EQ(written.Bytes.size(), SkinPreviewRecordSize);
        EXPECT_EQ(written.Bytes[0], 0x00);
        EXPECT_EQ(written.Bytes[1], 0xA4);
        EXPECT_EQ(written.Bytes[2], 0x00);
        EXPECT_EQ(written.Bytes[3], 0x00);
        const auto read = ReadSkinPreviewRecord(written.Bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->SkinName, record.SkinName);
        EXPECT_EQ(read->SkinDirectory, record.SkinDirectory);
        EXPECT_EQ(read->OptionsText, record.OptionsText);
    }
}

TEST(SkinPreviewRecordTest, FieldsAtTheirOffsets)
{
    const TPreviewRecordBytes written = WriteSkinPreviewRecord({"N", "D", "O"});
    ASSERT_EQ(written.Fault, TPreviewRecordFault::None);
    EXPECT_EQ(written.Bytes[4], 'N');
    EXPECT_EQ(written.Bytes[5], 0);
    EXPECT_EQ(written.Bytes[132], 'D');
    EXPECT_EQ(written.Bytes[645], 'O');
    EXPECT_EQ(written.Bytes[646], 0);
}

// A text that would reach the program cut short is refused, not cut.
TEST(SkinPreviewRecordTest, TextsThatDoNotFitAreRefused)
{
    const struct {
        TSkinPreviewRecord Record;
        TPreviewRecordFault Fault;
    } cases[] = {
        {{std::string(129, 'n'), "d", "o"}, TPreviewRecordFault::NameTooLong},
        {{"n", std::string(514, 'd'), "o"}, TPreviewRecordFault::DirectoryTooLong},
        {{"n", "d", std::string(30002, 'o')}, TPreviewRecordFault::OptionsTooLong},
        {{"n", "d", std::string("[A]\0B=1", 8)}, TPreviewRecordFault::ZeroByteInText},
    };
    for (const auto& c : cases) {
        const TPreviewRecordBytes written = WriteSkinPreviewRecord(c.Record);
        EXPECT_EQ(written.Fault, c.Fault);
        EXPECT_TRUE(written.Bytes.empty());
        EXPECT_FALSE(PreviewRecordFaultText(c.Fault).empty());
    }
}

} // namespace
} // namespace pp
