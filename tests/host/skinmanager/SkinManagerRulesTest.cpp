// Version notices, the foreign-control class lists and the skins on offer.
#include "core/Stream.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinManagerOptions.h"
#include "skin/loading/SkinNames.h"
#include "skin/loading/SkinVersionNotice.h"
#include "skin/loading/ThirdPartyList.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pp {
namespace {

struct TVersionCase {
    double Version;
    bool Asked;
    TSkinVersionNotice Expected;
};

TEST(SkinVersionNoticeTest, OnlySkinsOutsideSevenToEightNinetyNineGetANotice)
{
    const TVersionCase cases[] = {
        {7.0, false, TSkinVersionNotice::None},     {8.99, false, TSkinVersionNotice::None},
        {8.991, false, TSkinVersionNotice::TooNew}, {9.0, false, TSkinVersionNotice::TooNew},
        {6.99, false, TSkinVersionNotice::None},    {6.99, true, TSkinVersionNotice::TooOld},
        {0.0, true, TSkinVersionNotice::TooOld},    {9.0, true, TSkinVersionNotice::TooNew},
    };
    for (const TVersionCase& c : cases)
        EXPECT_EQ(ClassifySkinVersion(c.Version, c.Asked), c.Expected) << c.Version << " " << c.Asked;
}

TEST(SkinVersionNoticeTest, TextsNameTheSkinAndBreakLines)
{
    EXPECT_EQ(TooNewSkinText(),
              "This version of the skin have not complete support by used Lumivex package release.\r\n"
              "Components must be updated up to latest version for using this skin.");
    const std::string old = OldSkinText("Beijing");
    EXPECT_EQ(old.rfind("You are using an old version of the \"Beijing\" skin. Please, update", 0), 0u);
    EXPECT_NE(old.find("skin.\r\n\r\nThis notification occurs in design-time only"), std::string::npos);
    EXPECT_TRUE(HasOldSkinNoticeSwitch({"x", "/ACTEST"}));
    EXPECT_FALSE(HasOldSkinNoticeSwitch({"/actest2", "actest"}));
}

TEST(ThirdPartyListTest, EmptyListsTakeDefaultsAndBlankOnesStayEmpty)
{
    ThirdPartyList texts;
    EXPECT_EQ(ThirdPartyList::PropertyName(ThirdButtons), "ThirdButtons");
    EXPECT_EQ(ThirdPartyList::IndexOf("ThirdStaticText"), 21);
    EXPECT_EQ(ThirdPartyList::IndexOf("ThirdNothing"), -1);
    texts.SetText(ThirdButtons, "");
    texts.SetText(ThirdEdits, "");
    texts.SetText(ThirdPanels, "TPanel\r\n\r\nTMyPanel\r\n");
    texts.FillEmptyWithDefaults();
    EXPECT_EQ(texts.Text(ThirdButtons), "TButton");
    EXPECT_EQ(texts.Text(ThirdEdits), " ");

    TThirdPartyClassLists lists;
    lists.Parse(texts);
    EXPECT_TRUE(lists.Contains(ThirdButtons, "TButton"));
    EXPECT_FALSE(lists.Contains(ThirdButtons, "TBUTTON"));
    EXPECT_EQ(lists.List(ThirdEdits).Count(), 0u);
    EXPECT_EQ(lists.List(ThirdPanels).Lines(), (std::vector<std::string>{"TPanel", "TMyPanel"}));
}

TEST(SkinEffectsTest, GlowingNeedsTheWishAndAPlatformThatCanShowIt)
{
    TacSkinEffects effects;
    EXPECT_TRUE(effects.AllowGlowing());
    SetGlowingDisabledAtStart(true);
    EXPECT_FALSE(effects.AllowGlowing());
    EXPECT_TRUE(effects.StoredAllowGlowing());
    SetGlowingDisabledAtStart(false);
    effects.SetAllowGlowing(false);
    EXPECT_FALSE(effects.AllowGlowing());
}

class SkinNamesTest : public testing::Test {
protected:
    SkinNamesTest()
    {
        root = std::filesystem::path(PP_BINARY_DIR) / "skinnames" /
               testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(root);
        for (const char* folder : {"Jade", ".Hidden", "NoOptions", "Ivory"})
            std::filesystem::create_directories(root / folder);
        for (const char* file : {"Jade/Options.dat", ".Hidden/Options.dat", "Ivory/Options.dat",
                                 "pagoda.v2.lvz", "Upper.LVZ", "readme.txt", ".dot.lvz"})
            WriteFileBytes(Utf8FromPath(root / file), {'x'});
    }
    std::string Directory() const { return Utf8FromPath(root); }
    std::filesystem::path root;
};

TEST_F(SkinNamesTest, KindsChooseFoldersPackagesOrBothAfterTheStoredSkins)
{
    struct TCase {
        int Kind;
        std::vector<std::string> Expected;
    } const cases[] = {
        {SkinFoldersOnly, {"Beijing", "Ivory", "Jade"}},
        {SkinPackagesOnly, {"Beijing", "pagoda.v2"}},
        {SkinFoldersAndPackages, {"Beijing", "Ivory", "Jade", "pagoda.v2"}},
    };
    for (const TCase& c : cases) {
        TStringList list;
        list.Add("left over");
        EXPECT_EQ(CollectSkinNames(list, {"Beijing"}, Directory(), c.Kind), "Beijing");
        EXPECT_EQ(list.Lines(), c.Expected) << c.Kind;
    }
}

TEST_F(SkinNamesTest, EachSkinIsListedOnceUnderTheNameALoadWouldUse)
{
    // Beside the folders "Jade" and "Ivory": packages of the same names, one
    // spelled in other letter case, as the Windows file system matches it.
    for (const char* file : {"Jade.lvz", "ivory.lvz"})
        WriteFileBytes(Utf8FromPath(root / file), {'x'});
    const std::vector<std::string> stored = {"jade", "Beijing", "Beijing", "Ash", "ASH"};
    struct TCase {
        int Kind;
        std::vector<std::string> Expected;
    } const cases[] = {
        {SkinFoldersOnly, {"ASH", "Ash", "Beijing", "Ivory", "Jade"}},
        {SkinPackagesOnly, {"ASH", "Ash", "Beijing", "ivory", "Jade", "pagoda.v2"}},
        {SkinFoldersAndPackages, {"ASH", "Ash", "Beijing", "ivory", "Jade", "pagoda.v2"}},
    };
    for (const TCase& c : cases) {
        TStringList list;
        // The first stored name, spelled as the directory spells that skin.
        EXPECT_EQ(CollectSkinNames(list, stored, Directory(), c.Kind), "Jade") << c.Kind;
        EXPECT_EQ(list.Lines(), c.Expected) << c.Kind;
    }
}

TEST_F(SkinNamesTest, MissingDirectoryOffersOnlyStoredSkins)
{
    TStringList list;
    EXPECT_EQ(CollectSkinNames(list, {"b", "A"}, Directory() + "/absent", SkinFoldersAndPackages), "b");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"A", "b"}));
    EXPECT_EQ(CollectSkinNames(list, {}, "", SkinFoldersAndPackages), "");
    EXPECT_TRUE(list.Empty());
}

} // namespace
} // namespace pp
