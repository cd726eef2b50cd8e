#include "core/Error.h"
#include "core/IniFile.h"
#include "core/SystemColors.h"
#include "skin/loading/CommonSections.h"
#include "skin/loading/SectionValueReader.h"
#include "skin/loading/SkinColors.h"
#include "skin/loading/SkinData.h"
#include "skin/loading/SkinSections.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

const TsGeneralData& Record(const TsGeneralDataArray& sections, const char* name)
{
    const int index = FindSectionIndex(sections, name);
    EXPECT_GE(index, 0) << name;
    return sections.at(static_cast<std::size_t>(index));
}

TEST(GlobalInfo, MissingSectionGivesAllDefaults)
{
    TsSkinData data;
    ReadGlobalInfo(TMemIniFile("[BUTTON]\nCOLOR=1\n"), 8, data);
    EXPECT_EQ(data.Version, 0);
    EXPECT_EQ(data.BorderWidth, 4);
    EXPECT_EQ(data.TitleHeight, 30);
    EXPECT_EQ(data.MaxTitleHeight, 30);
    EXPECT_EQ(data.FormOffset, 8);
    EXPECT_EQ(data.AlignOffsetRight, 0);
    EXPECT_EQ(data.Shadow1Blur, -1);
    EXPECT_FALSE(data.AeroBlur);
}

TEST(GlobalInfo, DerivedDefaults)
{
    TsSkinData data;
    ReadGlobalInfo(TMemIniFile("[GLOBALINFO]\nVERSION=7.62\nTITLEHEIGHT=0\nALIGNOFFSET=3\n"
                               "ALIGNOFFSETT=-1\nALIGNOFFSETB=5\nAEROBLUR=2\nAUTHOR=Me\n"),
                   4, data);
    EXPECT_DOUBLE_EQ(data.Version, 7.62);
    EXPECT_EQ(data.TitleHeight, 30);    // 0 means the standard height
    EXPECT_EQ(data.MaxTitleHeight, 30); // absent: the title height
    EXPECT_EQ(data.AlignOffsetRight, 3);
    EXPECT_EQ(data.AlignOffsetTop, 3);
    EXPECT_EQ(data.AlignOffsetBottom, 5);
    EXPECT_TRUE(data.AeroBlur);
    EXPECT_EQ(data.Author, "Me");

    ReadGlobalInfo(TMemIniFile("[GLOBALINFO]\nVERSION=8,1\nTITLEHEIGHT=22\n"), 4, data);
    EXPECT_EQ(data.Version, 0);
    EXPECT_EQ(data.MaxTitleHeight, 22);
}

TEST(GlobalInfo, StrictIntegersFailTheLoad)
{
    for (const char* key :
         {"SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY", "BICONCLOSEGLOW", "BICONMINGLOWMARGIN"}) {
        TsSkinData data;
        const std::string text = std::string("[GLOBALINFO]\n") + key + "=2px\n";
        try {
            ReadGlobalInfo(TMemIniFile(text), 4, data);
            ADD_FAILURE() << key;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "'2px' is not a valid integer value") << key;
        }
    }
    // Ordinary integers fall back to their default instead.
    TsSkinData data;
    ReadGlobalInfo(TMemIniFile("[GLOBALINFO]\nBORDERWIDTH=2px\n"), 4, data);
    EXPECT_EQ(data.BorderWidth, 4);
}

const char* const InheritanceOptions =
    "[BUTTON]\n"
    "COLOR=$0000FF\n"
    "FONTCOLOR=$FF000008\n"
    "GIVEOWNFONT=true\n"
    "GLOW=?\n"
    "[PLAIN]\n"
    "[CHILD]\n"
    "PARENTCLASS=BUTTON\n"
    "[NOCOLOR]\n"
    "PARENTCLASS=PLAIN\n"
    "[MINUSONE]\n"
    "PARENTCLASS=BUTTON\n"
    "COLOR=-1\n"
    "GIVEOWNFONT=?\n"
    "[OWNSYS]\n"
    "FONTCOLOR=$FF000008\n"
    "[GRANDCHILD]\n"
    "PARENTCLASS=CHILD\n"
    "[A]\n"
    "PARENTCLASS=B\n"
    "[B]\n"
    "PARENTCLASS=A\n"
    "[SELF]\n"
    "PARENTCLASS=SELF\n"
    "[ORPHAN]\n"
    "PARENTCLASS=MISSING\n";

TEST(SectionInheritance, FollowsParentChainsAndEndsSafely)
{
    const TsGeneralDataArray s = ReadSectionRecords(TMemIniFile(InheritanceOptions));
    const TColor sysWindowText = ClassicSystemColor(8);
    struct Case {
        const char* section;
        TColor color;
        TColor fontColor;
        bool ownFont;
    } cases[] = {
        {"CHILD", 0x0000FF, sysWindowText, true},      // inherited colours are resolved
        {"GRANDCHILD", 0x0000FF, sysWindowText, true}, // through two levels
        {"NOCOLOR", 0xFFFFFF, 0, false},               // parent without the key: defaults
        {"MINUSONE", 0x0000FF, sysWindowText, true},   // -1 and "?" count as absent
        {"OWNSYS", 0xFFFFFF, 0xFF000008, false},       // an own font colour is kept as written
        {"A", 0xFFFFFF, 0, false},                     // A <-> B loop
        {"B", 0xFFFFFF, 0, false},
        {"SELF", 0xFFFFFF, 0, false},
        {"ORPHAN", 0xFFFFFF, 0, false},
    };
    for (const Case& c : cases) {
        const TsGeneralData& r = Record(s, c.section);
        EXPECT_EQ(r.Props[0].Color, c.color) << c.section;
        EXPECT_EQ(r.Props[0].FontColor[fcMain], c.fontColor) << c.section;
        EXPECT_EQ(r.GiveOwnFont, c.ownFont) << c.section;
    }
    EXPECT_EQ(Record(s, "CHILD").ParentClass, "BUTTON");
    EXPECT_EQ(Record(s, "BUTTON").GlowCount, 0); // "?" is no integer: default
}

TEST(SectionInheritance, TextAndIntegerReadsStopAtLoops)
{
    const TMemIniFile ini(InheritanceOptions);
    const TSectionValueReader reader(ini);
    EXPECT_EQ(reader.ReadText("A", "GRADIENTDATA", "dflt"), "dflt");
    EXPECT_EQ(reader.ReadInteger("B", "GLOW", 9), 9);
    EXPECT_TRUE(reader.ReadFlag("GRANDCHILD", "GIVEOWNFONT", false));
}

TEST(SectionRecords, StatesDecideWhetherTheHotLookIsRead)
{
    const char* text =
        "[ONE]\nSTATES=1\nCOLOR=$10\nHOTCOLOR=$20\nHOTFONTCOLOR=$30\nGCOL=$40\nHGCOL=$50\n"
        "[THREE]\nCOLOR=$10\nHOTCOLOR=$20\nHOTFONTCOLOR=$30\nGCOL=$40\nHGCOL=$50\n";
    const TsGeneralDataArray s = ReadSectionRecords(TMemIniFile(text));
    const TsGeneralData& one = Record(s, "ONE");
    EXPECT_EQ(one.Props[1].Color, 0x10u);
    EXPECT_EQ(one.Props[1].FontColor[fcMain], 0u);
    EXPECT_EQ(one.Props[1].GlowColor, 0x40u);
    const TsGeneralData& three = Record(s, "THREE");
    EXPECT_EQ(three.States, 3);
    EXPECT_EQ(three.Props[1].Color, 0x20u);
    EXPECT_EQ(three.Props[1].FontColor[fcMain], 0x30u);
    EXPECT_EQ(three.Props[1].GlowColor, 0x50u);
    EXPECT_EQ(three.Props[1].FontColor[fcLeft], 0xFFFFFFFFu); // contour colours: none
    EXPECT_EQ(three.RawProps[1].Color, 0x20u);
}

TEST(SectionRecords, ShortGradientTextSwitchesTheGradientOff)
{
    const char* text =
        "[SHORT]\nGRADIENTPERCENT=50\nGRADIENTDATA=x\nHOTGRADIENTPERCENT=60\n"
        "[LONG]\nGRADIENTPERCENT=50\nGRADIENTDATA=255;65280;100;1;0\nHOTGRADIENTPERCENT=60\nHOTGRADIENTDATA="
        "ab\n";
    const TsGeneralDataArray s = ReadSectionRecords(TMemIniFile(text));
    EXPECT_EQ(Record(s, "SHORT").Props[0].GradientPercent, 0);
    EXPECT_EQ(Record(s, "SHORT").Props[1].GradientPercent, 0); // hot text absent: empty
    EXPECT_EQ(Record(s, "LONG").Props[0].GradientPercent, 50);
    EXPECT_EQ(Record(s, "LONG").Props[1].GradientPercent, 60);
    EXPECT_EQ(Record(s, "LONG").Props[0].GradientData, "255;65280;100;1;0");
    ASSERT_EQ(Record(s, "LONG").Props[0].GradientArray.size(), 1u);
    EXPECT_EQ(Record(s, "LONG").Props[0].GradientArray[0].ColorTo, 0xFF00u);
    EXPECT_TRUE(Record(s, "SHORT").Props[0].GradientArray.empty());

    EXPECT_THROW(ReadSectionRecords(TMemIniFile("[BAD]\nGRADIENTDATA=red;0;100;1;0\n")), EConvertError);
}

TEST(SectionRecords, NamesAndKeysAreExact)
{
    const TsGeneralDataArray s = ReadSectionRecords(
        TMemIniFile("[GLOBALINFO]\n[button]\ncolor=$10\n[BUTTON]\nCOLOR=$20\n"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(FindSectionIndex(s, "BUTTON"), 2);
    EXPECT_EQ(FindSectionIndex(s, "button"), 1);
    EXPECT_EQ(FindSectionIndex(s, "Button"), -1);
    EXPECT_EQ(FindSectionIndex(s, ""), -1);
    EXPECT_EQ(FindSectionIndex({}, "BUTTON"), -1);
    EXPECT_EQ(s[1].Props[0].Color, 0xFFFFFFu); // lower-case key not found
    EXPECT_TRUE(s[1].ShowFocus);
    EXPECT_EQ(s[1].FadingIterations, 5);
}

TEST(SkinColors, DefaultsWithoutAnySection)
{
    const TMemIniFile ini("");
    const TsSkinColors c = ReadSkinColors(ini, {});
    EXPECT_EQ(c[scGlobalColor], ClassicSystemColor(15));
    EXPECT_EQ(c[scBottomColor], 0xFF0000u);
    EXPECT_EQ(c[scEditText], ClassicSystemColor(8));
    EXPECT_EQ(c[scEditColor], ClassicSystemColor(5));
    EXPECT_EQ(c[scSelectionText], ClassicSystemColor(14));
    EXPECT_EQ(c[scHotSelectionColor], ClassicSystemColor(13));
    EXPECT_EQ(c[scEditBgInverse], c[scEditText]);
    EXPECT_EQ(c[scEditTextInverse], c[scEditColor]);
    EXPECT_EQ(c[scEditBgOdd], c[scEditColor]);
    EXPECT_EQ(c[scEditTextFifth], 0x4AB28Fu);
    EXPECT_EQ(c[scEditBgFourth], 0x8597D9u);
}

TEST(SkinColors, EditAndEvenRowBlend)
{
    const TMemIniFile ini("[EDIT]\nCOLOR=$FFFFFF\nFONTCOLOR=$000000\n");
    const TsSkinColors c = ReadSkinColors(ini, ReadSectionRecords(ini));
    // 5 % black into white: 0.95 * 255 = 242.25 -> 242 per channel.
    EXPECT_EQ(c[scEditBgEven], 0xF2F2F2u);
}

TEST(SkinColors, SelectionFallsBackToMenuItem)
{
    struct Case {
        const char* name;
        const char* options;
        TColor text, hotText, background, hotBackground;
    } cases[] = {
        {"selection section", "[SELECTION]\nCOLOR=$11\nFONTCOLOR=$22\nHOTCOLOR=$33\nHOTFONTCOLOR=$44\n", 0x22,
         0x44, 0x11, 0x33},
        {"one-state selection", "[SELECTION]\nSTATES=1\nCOLOR=$11\nFONTCOLOR=$22\nHOTCOLOR=$33\n", 0x22, 0x22,
         0x11, 0x11},
        {"key-colour text uses menu item",
         "[SELECTION]\nFONTCOLOR=$FF00FF\n[MENUITEM]\nHOTCOLOR=$55\nHOTFONTCOLOR=$66\n", 0x66, 0x66, 0x55,
         0x55},
        {"key-colour hot text", "[MENUITEM]\nHOTCOLOR=$55\nHOTFONTCOLOR=$FF00FF\n", ClassicSystemColor(14),
         ClassicSystemColor(14), 0x55, 0x55},
        {"one-state menu item", "[MENUITEM]\nSTATES=1\nHOTCOLOR=$55\nFONTCOLOR=$66\n", 0x66, 0x66, 0, 0},
    };
    for (const Case& c : cases) {
        const TMemIniFile ini(c.options);
        const TsSkinColors colors = ReadSkinColors(ini, ReadSectionRecords(ini));
        EXPECT_EQ(colors[scSelectionText], c.text) << c.name;
        EXPECT_EQ(colors[scHotSelectionText], c.hotText) << c.name;
        EXPECT_EQ(colors[scSelectionColor], c.background) << c.name;
        EXPECT_EQ(colors[scHotSelectionColor], c.hotBackground) << c.name;
    }
}

TEST(CommonSections, OverrideExistingAndAppendNewOnes)
{
    TsGeneralDataArray s = ReadSectionRecords(
        TMemIniFile("[BUTTON]\nCOLOR=$10\nFONTCOLOR=$20\nGLOW=2\n[PANEL]\nCOLOR=$30\n"));
    TStringList common(true);
    common.SetText(
        "[BUTTON]\nCOLOR=$99\n\n;comment\n[MYBTN]\nPARENTCLASS=button\nGLOW=7\n"
        "[FRESH]\nSHOWFOCUS=0\n");
    MergeCommonSections(ParseCommonSections(common), s);
    ASSERT_EQ(s.size(), 4u);
    const TsGeneralData& button = Record(s, "BUTTON");
    EXPECT_EQ(button.Props[0].Color, 0x99u);
    EXPECT_EQ(button.Props[0].FontColor[fcMain], 0x20u); // not given: kept
    EXPECT_EQ(button.GlowCount, 2);
    const TsGeneralData& mine = s[2];
    EXPECT_EQ(mine.SectionName, "MYBTN");
    EXPECT_EQ(mine.ParentClass, "BUTTON"); // upper-cased, found without case
    EXPECT_EQ(mine.Props[0].Color, 0x99u);
    EXPECT_EQ(mine.GlowCount, 7);
    const TsGeneralData& fresh = s[3];
    EXPECT_EQ(fresh.ParentClass, "-1");
    EXPECT_EQ(fresh.Props[0].FontColor[fcMain], 0xFFFFFFFFu);
    EXPECT_EQ(fresh.Props[1].FontColor[fcMain], 0xFFFFFFFFu);
    EXPECT_EQ(fresh.FadingIterations, -1);
    EXPECT_EQ(fresh.Props[0].Color, 0xFFFFFFu);
    EXPECT_FALSE(fresh.ShowFocus);
}

} // namespace
} // namespace pp
