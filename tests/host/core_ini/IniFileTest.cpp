#include "core/IniFile.h"
#include "core/Stream.h"
#include "core/StringList.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TEST(StringList, SplitsEveryKindOfLineBreak)
{
    TStringList list(true);
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    list.SetText("last\r\n");
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Text(), "last\r\n");
}

TEST(StringList, IndexOfHonoursCaseSensitivity)
{
    TStringList list;
    list.Add("TButton");
    list.Add("tbutton");
    EXPECT_EQ(list.IndexOf("TBUTTON"), 0);
    list.CaseSensitive = true;
    EXPECT_EQ(list.IndexOf("tbutton"), 1);
    EXPECT_EQ(list.IndexOf("TBUTTON"), -1);
}

TEST(StringList, LoadsFromTheStreamPosition)
{
    const std::string text = "skip[A]\nK=V";
    TMemoryStream stream(std::vector<std::uint8_t>(text.begin(), text.end()));
    stream.SetPosition(4);
    TStringList list(true);
    list.LoadFromStream(stream);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"[A]", "K=V"}));
}

const char* const OptionsText =
    "ORPHAN=before any section\r\n"
    "  [ BUTTON ]  \r\n"
    "\tCOLOR = 123 \t\r\n"
    "; COMMENT=not a key\r\n"
    "NOEQUALS\r\n"
    "TEXT= a = b \r\n"
    "EMPTY=\r\n"
    "COLOR=second\r\n"
    "\r\n"
    "[button]\r\n"
    "COLOR=lower\r\n"
    "[Cyr]\r\n"
    "NAME=\xCF\xEE\xF0\xF2\xA0\r\n";

TEST(MemIniFile, AppliesTheTextRules)
{
    const TMemIniFile ini(OptionsText);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"BUTTON", "COLOR", "123"},              // blanks and tabs trimmed, first of two
        {"BUTTON", "TEXT", "a = b"},             // split at the first "="
        {"BUTTON", "EMPTY", ""},                 // present but empty is not the default
        {"BUTTON", "NOEQUALS", "<default>"},     // no "=": no key
        {"BUTTON", "; COMMENT", "<default>"},    // comment lines skipped
        {"BUTTON", "color", "<default>"},        // keys are exact
        {"button", "COLOR", "lower"},            // section names are exact
        {"", "ORPHAN", "<default>"},             // lines before a section are ignored
        {"Cyr", "NAME", "\xCF\xEE\xF0\xF2\xA0"}, // single-byte text kept, high bytes not trimmed
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected) << c.section << "/" << c.key;
    EXPECT_TRUE(ini.ValueExists("BUTTON", "EMPTY"));
    EXPECT_FALSE(ini.SectionExists("Button"));
}

TEST(MemIniFile, ListsSectionsAndKeysInFileOrder)
{
    const TMemIniFile ini("[B]\nX=1\nY=2\n[A]\nZ=3\n[B]\nW=4\n");
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Name(), "B");
    EXPECT_EQ(ini.Sections()[1].Name(), "A");
    // A repeated header continues the section: its keys stay reachable.
    std::vector<std::string> keys;
    for (const TIniEntry& e : ini.Sections()[0].Entries())
        keys.push_back(e.Key);
    EXPECT_EQ(keys, (std::vector<std::string>{"X", "Y", "W"}));
    EXPECT_EQ(ini.ReadString("B", "W", ""), "4");
}

TEST(MemIniFile, UntrimmedRulesTakeLinesAsTheyStand)
{
    const TMemIniFile ini("[ A ]\n K = v \n[B]\n;x=1\nY=2\n", TIniLineRules::Untrimmed);
    EXPECT_EQ(ini.ReadString(" A ", " K ", "?"), " v ");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_EQ(ini.ReadString("B", ";x", "?"), "?");
}

TEST(MemIniFile, ByteOrderMarkDoesNotHideTheFirstSection)
{
    const TMemIniFile ini("\xEF\xBB\xBF[GLOBALINFO]\nVERSION=8\n[B]\n\xEF\xBB\xBFK=1\n");
    EXPECT_EQ(ini.ReadString("GLOBALINFO", "VERSION", ""), "8");
    EXPECT_EQ(ini.ReadString("B", "K", "?"), "?"); // only the text's very start is a mark
}

TEST(MemIniFile, DegenerateLinesDoNotOpenSections)
{
    const TMemIniFile ini("[\n]\n[]\nK=1\n[A\nL=2\n");
    ASSERT_EQ(ini.Sections().size(), 1u);
    EXPECT_EQ(ini.Sections()[0].Name(), "");
    EXPECT_EQ(ini.ReadString("", "L", "?"), "2");
}

} // namespace
} // namespace pp
