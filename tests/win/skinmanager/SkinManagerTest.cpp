// The skin manager: defaults, where a skin is found, version notices and
// what a failed load leaves behind.
#include "skin/loading/SkinManagerWin32.h"

#include "skin/loading/DefaultSkinPackage.h"
#include "skin/loading/SkinNames.h"
#include "skin/loading/SkinPackageWriter.h"
#include "skinmanager/ManagerFixture.h"
#include "skinmanager/SkinFixture.h"
#include "support/WinTestSupport.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include "core/Stream.h"
#include "core/Utf8Path.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace pp::test {
namespace {

TEST_F(SkinManagerTest, StartsWithItsPublishedDefaults)
{
    TsSkinManager fresh(nullptr);
    EXPECT_EQ(fresh.SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(fresh.SkinName(), "");
    EXPECT_EQ(fresh.SkinInfo(), "N/A");
    EXPECT_EQ(TsSkinManager::Version(), "8.46");
    EXPECT_TRUE(fresh.Active());
    EXPECT_FALSE(fresh.SkinData().Active);
    EXPECT_EQ(fresh.SkinningRules, srStdForms | srStdDialogs | srThirdParty);
    EXPECT_TRUE(fresh.SkinnedPopups());
    EXPECT_FALSE(fresh.ExtendedBorders());
    EXPECT_EQ(fresh.HueOffset(), 0);
    EXPECT_EQ(fresh.Saturation(), 0);
    EXPECT_TRUE(fresh.IsDefault());
    EXPECT_EQ(fresh.ScrollsOptions().ScrollSize, -1);
    EXPECT_EQ(fresh.MenuSupport.AlphaBlend, 255);
    EXPECT_EQ(fresh.MenuSupport.IcoLineSkin, "");
    EXPECT_EQ(fresh.AnimEffects.SkinChanging.Time, 100);
    EXPECT_EQ(fresh.AnimEffects.SkinChanging.Mode, atFading);
    EXPECT_EQ(fresh.AnimEffects.DialogHide.Mode, atAero);
    EXPECT_EQ(fresh.AnimEffects.Minimizing.Time, 200);
    EXPECT_EQ(fresh.AnimEffects.BlendOnMoving.BlendValue, 170);
    EXPECT_FALSE(fresh.AnimEffects.BlendOnMoving.Active);
    EXPECT_TRUE(fresh.ButtonsOptions.ShowFocusRect);
    EXPECT_EQ(fresh.ThirdParty.Text(ThirdButtons), "TButton");
    EXPECT_EQ(fresh.ThirdParty.Text(ThirdStaticText), " ");
    EXPECT_TRUE(fresh.ThirdLists().Contains(ThirdButtons, "TButton"));
    EXPECT_EQ(fresh.ThirdLists().List(ThirdEdits).Count(), 0u);
}

TEST_F(SkinManagerTest, FirstManagerIsTheDefaultUntilItIsFreed)
{
    EXPECT_EQ(SkinEngine.DefaultManager, manager.get());
    {
        TsSkinManager second(nullptr);
        EXPECT_EQ(SkinEngine.DefaultManager, manager.get());
    }
    manager.reset();
    EXPECT_EQ(SkinEngine.DefaultManager, nullptr);
}

TEST_F(SkinManagerTest, PackageNamedInCapitalsLoadsAndLosesTheExtension)
{
    skins.WritePackage("Jade.lvz", PackSkin(SkinWithVersion("8.2", "package")));
    manager->SetSkinName("Jade.LVZ");
    EXPECT_EQ(manager->SkinName(), "Jade");
    EXPECT_TRUE(manager->IsPacked());
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_EQ(manager->SkinData().Author, "package");
    EXPECT_EQ(manager->SkinInfo(), "8.2");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(SkinManagerTest, PackageWinsOverFolderOfTheSameName)
{
    skins.WriteFolder("Jade", SkinWithVersion("8", "folder"));
    skins.WritePackage("Jade.lvz", PackSkin(SkinWithVersion("8", "package")));
    manager->SetSkinName("Jade");
    EXPECT_EQ(manager->SkinData().Author, "package");
    EXPECT_TRUE(manager->IsPacked());
}

TEST_F(SkinManagerTest, FolderLoadsWhenThereIsNoPackage)
{
    skins.WriteFolder("Jade", SkinWithVersion("7.5", "folder"));
    manager->SetSkinName("Jade");
    EXPECT_EQ(manager->SkinData().Author, "folder");
    EXPECT_FALSE(manager->IsPacked());
    EXPECT_EQ(manager->SkinData().SkinFolder, skins.Path() + "\\Jade\\");
    // Sections in the order of the options text.
    EXPECT_EQ(manager->GetSkinIndex("GLOBALINFO"), 0);
    EXPECT_EQ(manager->GetSkinIndex("BUTTON"), 1);
    EXPECT_EQ(manager->GetSkinIndex("button"), -1);
}

TEST_F(SkinManagerTest, RelativeDirectoryFindsThePackageBesideTheProgram)
{
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::string programFolder = Utf8FromWide(program).substr(
        0, Utf8FromWide(program).find_last_of('\\') + 1);
    const std::string relative = "pp-relative-skins-" + std::to_string(GetCurrentProcessId());
    std::filesystem::create_directories(PathFromUtf8(programFolder + relative));
    // The tests run in another folder than the program's.
    ASSERT_FALSE(std::filesystem::exists(PathFromUtf8(relative)));
    WriteFileBytes(programFolder + relative + "\\Jade.lvz", PackSkin(SkinWithVersion("8", "beside")));
    manager->SetSkinDirectory(relative);
    manager->SetSkinName("Jade");
    std::filesystem::remove_all(PathFromUtf8(programFolder + relative));
    EXPECT_TRUE(manager->Active());
    EXPECT_TRUE(manager->IsPacked());
    EXPECT_EQ(manager->SkinData().Author, "beside");
}

TEST_F(SkinManagerTest, MissingSkinTakesTheFirstStoredSkinAndItsName)
{
    for (const char* name : {"Ivory", "Lacquer"}) {
        TsStoredSkin& stored = manager->InternalSkins.Add();
        stored.Name = name;
        stored.SetData(PackSkin(SkinWithVersion("8", name)));
    }
    manager->SetSkinName("Nowhere");
    EXPECT_EQ(manager->SkinName(), "Ivory");
    EXPECT_EQ(manager->SkinData().Author, "Ivory");
    EXPECT_TRUE(manager->IsPacked());
    EXPECT_EQ(manager->SkinData().SkinFolder, "");
    // The stored bytes are only borrowed by the load.
    EXPECT_EQ(manager->InternalSkins.Items(0).Data.Bytes(), PackSkin(SkinWithVersion("8", "Ivory")));

    manager->SetSkinName("Lacquer");
    EXPECT_EQ(manager->SkinData().Author, "Lacquer");
}

TEST_F(SkinManagerTest, MissingSkinWithoutStoredSkinsSwitchesOffSilently)
{
    manager->SetSkinName("Nowhere");
    EXPECT_FALSE(manager->Active());
    EXPECT_FALSE(manager->SkinData().Active);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(Whats(), TWhats{RemoveSkin});
}

TEST_F(SkinManagerTest, TooNewSkinWarnsOncePerVersionCheckAndStillLoads)
{
    skins.WriteFolder("Future", SkinWithVersion("9.0"));
    std::vector<unsigned> rulesDuringBoxes;
    boxes.OnBox = [&] { rulesDuringBoxes.push_back(manager->SkinningRules); };
    manager->SetSkinName("Future");
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    for (const TBoxSeen& box : boxes.Boxes())
        EXPECT_NE(box.Text.find(L"have not complete support"), std::wstring::npos);
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_EQ(manager->SkinInfo(), "9");
    // The warning itself is not skinned; afterwards the rules are as before.
    EXPECT_EQ(rulesDuringBoxes,
              (std::vector<unsigned>{srStdForms | srThirdParty, srStdForms | srThirdParty}));
    EXPECT_EQ(manager->SkinningRules, AllSkinningRules);
}

TEST_F(SkinManagerTest, CurrentAndOldVersionsLoadSilently)
{
    for (const char* version : {"7", "8.99", "5.1", ""}) {
        SCOPED_TRACE(version);
        skins.WriteFolder(std::string("V") + version, SkinWithVersion(version));
        manager->SetSkinName(std::string("V") + version);
        EXPECT_TRUE(manager->SkinData().Active);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(SkinManagerTest, SuccessfulChangeIsAnnouncedWithAnimationAndEvents)
{
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    std::vector<std::string> events;
    manager->OnBeforeChange = [&](TObject*) { events.push_back("before"); };
    manager->OnSkinLoading = [&](TObject*) {
        // Painters wait for the broadcast: the skin is not shown yet.
        events.push_back(SkinEngine.SkinLoading && !manager->SkinData().Active ? "loading" : "loading?");
    };
    manager->OnActivate = [&](TObject*) { events.push_back("activate"); };
    manager->OnAfterChange = [&](TObject*) { events.push_back(SkinEngine.SkinLoading ? "after?" : "after"); };
    manager->SetSkinName("Jade");
    EXPECT_EQ(events, (std::vector<std::string>{"before", "loading", "activate", "after"}));
    // Shown with animation: the new skin, then the refresh that fades to it.
    EXPECT_EQ(Whats(), (TWhats{SetSkin, StopFading, Refresh}));
    EXPECT_FALSE(announcements[0].SkinShown) << "painters hold back while the windows take the skin";
    EXPECT_TRUE(announcements[2].SkinShown);
    EXPECT_TRUE(manager->SkinData().Active);
}

TEST_F(SkinManagerTest, InactiveManagerOnlyStoresTheName)
{
    manager->SetActive(false);
    announcements.clear();
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    manager->SetSkinName("Jade.lvz");
    EXPECT_EQ(manager->SkinName(), "Jade.lvz");
    EXPECT_FALSE(manager->SkinData().Active);
    EXPECT_TRUE(announcements.empty());
}

// Every way a skin can fail to load: the user is told in an "Error" box,
// the name and the skin from before stay, and the windows are still told.
struct TBrokenSkinCase {
    const char* Label;
    TBytes Package;
    std::string Message;
};

TBytes Truncated(TBytes bytes)
{
    bytes.resize(bytes.size() - 7);
    return bytes;
}

TBytes WithWrongCheck(const TSkinFiles& files)
{
    TSkinPackageWriter writer;
    for (const auto& [name, data] : files) {
        TRawPackageEntry entry = writer.SoundEntry(name, data);
        entry.Stream.back() ^= 0xFF; // the Adler-32 trailer
        writer.AddRaw(std::move(entry));
    }
    return writer.Bytes();
}

std::vector<TBrokenSkinCase> BrokenSkinCases(const std::string& packagePath)
{
    const TBytes good = PackSkin(SkinWithVersion("8"));
    TSkinFiles badPng = SkinWithVersion("8");
    badPng["Options.dat"] = BytesOf(OptionsText("8") + "BORDERSIMAGE=!BAD.PNG!3!1\r\n");
    badPng["BAD.PNG"] = BytesOf("\x89PNG\r\n\x1a\nnot really a png");
    return {
        {"bad magic", BytesOf("LVzX and then nothing of use"), "Loaded data is not a packed Lumivex file"},
        {"truncated", Truncated(good), "Stream read error"},
        {"wrong check of a stream", WithWrongCheck(SkinWithVersion("8")), "data error"},
        {"bad png inside", PackSkin(badPng), "Cannot load image. Invalid or unexpected PNG image format."},
        {"no options entry", PackSkin({{"IMAGE.BMP", BytesOf("BM")}}),
         "The skin package \"" + packagePath + "\" holds no Options.dat"},
    };
}

TEST_F(SkinManagerTest, BrokenPackageReportsAndKeepsThePreviousSkin)
{
    skins.WritePackage("Good.lvz", PackSkin(SkinWithVersion("8.5", "good")));
    manager->SetSkinName("Good");
    for (const TBrokenSkinCase& broken : BrokenSkinCases(skins.Path() + "\\Broken.lvz")) {
        SCOPED_TRACE(broken.Label);
        skins.WritePackage("Broken.lvz", broken.Package);
        const std::size_t boxesBefore = boxes.Boxes().size();
        announcements.clear();
        manager->SetSkinName("Broken");
        ASSERT_EQ(boxes.Boxes().size(), boxesBefore + 1);
        const TBoxSeen& box = boxes.Boxes().back();
        EXPECT_EQ(box.Caption, L"Error");
        EXPECT_EQ(Utf8FromWide(box.Text), broken.Message);
        EXPECT_EQ(manager->SkinName(), "Good");
        EXPECT_TRUE(manager->Active());
        EXPECT_TRUE(manager->SkinData().Active);
        EXPECT_EQ(manager->SkinData().Author, "good");
        EXPECT_EQ(manager->SkinInfo(), "8.5");
        EXPECT_FALSE(SkinEngine.SkinLoading);
        ASSERT_EQ(Whats(), (TWhats{SetSkin, StopFading, Refresh}));
        // The windows repaint with the skin that stays, as after a good load.
        EXPECT_FALSE(announcements[0].SkinLoading);
    }
}

TEST_F(SkinManagerTest, FailedLoadLeavesIsPackedDescribingTheSkinThatStays)
{
    // A strict integer that is not a number fails the load after the source
    // has been chosen.
    const TSkinFiles broken = {
        {"Options.dat", BytesOf("[GLOBALINFO]\r\nVERSION=8\r\nSHADOW1OFFSET=abc\r\n")}};
    skins.WriteFolder("GoodFolder", SkinWithVersion("8", "folder"));
    skins.WritePackage("GoodPackage.lvz", PackSkin(SkinWithVersion("8", "package")));
    skins.WriteFolder("BrokenFolder", broken);
    skins.WritePackage("BrokenPackage.lvz", PackSkin(broken));
    manager->InternalSkins.Add().Name = "Hollow";
    struct TCase {
        const char* Loaded;
        const char* Failing;
        bool Packed;
    } const cases[] = {
        {"GoodFolder", "BrokenPackage", false},
        {"GoodPackage", "BrokenFolder", true},
        {"GoodFolder", "Hollow", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Loaded) + " then " + c.Failing);
        manager->SetSkinName(c.Loaded);
        ASSERT_EQ(manager->IsPacked(), c.Packed);
        const std::size_t boxesBefore = boxes.Boxes().size();
        manager->SetSkinName(c.Failing);
        ASSERT_EQ(boxes.Boxes().size(), boxesBefore + 1);
        EXPECT_EQ(manager->SkinName(), c.Loaded);
        EXPECT_EQ(manager->SkinData().Author, c.Packed ? "package" : "folder");
        EXPECT_EQ(manager->IsPacked(), c.Packed);
    }
    EXPECT_EQ(boxes.Boxes()[0].Text, L"'abc' is not a valid integer value");
}

TEST_F(SkinManagerTest, CommonSectionsLoseTheirBlanksAndReloadTheSkin)
{
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    manager->SetSkinName("Jade");
    TStringList lines;
    for (const char* line : {"[BUTTON]", "COLOR=255", " FONTCOLOR = 1", "[ GAUGE ]", "COLOR=7", "; a b"})
        lines.Add(line);
    manager->SetCommonSections(lines);
    EXPECT_EQ(
        manager->CommonSections().Lines(),
        (std::vector<std::string>{"[BUTTON]", "COLOR=255", "FONTCOLOR=1", "[GAUGE]", "COLOR=7", "; a b"}));
    ASSERT_TRUE(manager->SkinData().Active);
    const TsGeneralDataArray& sections = manager->Skin().Sections();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[1].SectionName, "BUTTON");
    EXPECT_EQ(sections[1].Props[0].Color, 255u);
    EXPECT_EQ(sections[1].Props[0].FontColor[fcMain], 1u);
    EXPECT_EQ(manager->GetSkinIndex("GAUGE"), 2);
    EXPECT_EQ(sections[2].Props[0].Color, 7u);
}

TEST_F(SkinManagerTest, FirstSkinThatFailsLeavesNoSkinToPaintWith)
{
    skins.WritePackage("Broken.lvz", Truncated(PackSkin(SkinWithVersion("8"))));
    manager->SetSkinName("Broken");
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(manager->SkinName(), "");
    EXPECT_FALSE(manager->SkinData().Active);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
}

TEST_F(SkinManagerTest, StoredSkinWithoutDataFailsTheLoad)
{
    manager->InternalSkins.Add().Name = "Hollow";
    manager->SetSkinName("Hollow");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].Caption, L"Error");
    EXPECT_NE(boxes.Boxes()[0].Text.find(L"Hollow"), std::wstring::npos);
    EXPECT_EQ(manager->SkinName(), "");
}

TEST_F(SkinManagerTest, LoadingFromADescriptionAnnouncesOnceWithoutAnimation)
{
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    TsSkinManager described(nullptr);
    int activations = 0;
    described.OnActivate = [&](TObject*) { ++activations; };
    described.BeginLoading();
    described.SetSkinDirectory(skins.Path());
    described.SetSkinName("Jade");
    described.ThirdParty.SetText(ThirdButtons, "");
    described.ThirdParty.SetText(ThirdEdits, "TEdit\r\nTMemo");
    EXPECT_TRUE(announcements.empty());
    EXPECT_EQ(activations, 0);
    described.Loaded();
    EXPECT_TRUE(described.SkinData().Active);
    EXPECT_EQ(described.ThirdParty.Text(ThirdButtons), "TButton");
    EXPECT_TRUE(described.ThirdLists().Contains(ThirdButtons, "TButton"));
    EXPECT_TRUE(described.ThirdLists().Contains(ThirdEdits, "TMemo"));
    EXPECT_FALSE(described.ThirdLists().Contains(ThirdEdits, "tmemo"));
    EXPECT_EQ(described.MenuSupport.IcoLineSkin, "ICOLINE");
    EXPECT_EQ(Whats(), TWhats{SetSkin});
    EXPECT_EQ(activations, 1);
}

TEST_F(SkinManagerTest, ChangingTheDirectoryOffersNewSkinsWithoutReloading)
{
    skins.WriteFolder("Jade", SkinWithVersion("8", "first"));
    manager->SetSkinName("Jade");
    TSkinDirectory other;
    other.WritePackage("Pagoda.lvz", PackSkin(SkinWithVersion("8")));
    int listChanges = 0;
    manager->OnSkinListChanged = [&](TObject*) { ++listChanges; };
    manager->SetSkinDirectory(other.Path());
    manager->SetSkinDirectory(other.Path());
    EXPECT_EQ(listChanges, 1);
    EXPECT_EQ(manager->SkinData().Author, "first");
    TStringList names;
    EXPECT_EQ(manager->GetSkinNames(names, SkinFoldersAndPackages), "Pagoda");
    EXPECT_EQ(names.Lines(), std::vector<std::string>{"Pagoda"});
}

TEST_F(SkinManagerTest, SkinInTheDirectoryAndStoredIsOfferedOnce)
{
    TsStoredSkin& stored = manager->InternalSkins.Add();
    stored.Name = "Beijing";
    stored.SetData(PackSkin(SkinWithVersion("8", "stored")));
    skins.WritePackage("Beijing.lvz", PackSkin(SkinWithVersion("8", "package")));
    skins.WriteFolder("Beijing", SkinWithVersion("8", "folder"));
    for (int kind : {SkinFoldersOnly, SkinPackagesOnly, SkinFoldersAndPackages}) {
        TStringList names;
        EXPECT_EQ(manager->GetSkinNames(names, kind), "Beijing") << kind;
        EXPECT_EQ(names.Lines(), std::vector<std::string>{"Beijing"}) << kind;
    }
}

TEST_F(SkinManagerTest, BuiltInBeijingLoadsAsAStoredSkin)
{
    TsStoredSkin& stored = manager->InternalSkins.Add();
    stored.Name = DefaultSkinName;
    stored.SetData(DefaultSkinPackage());
    manager->SetSkinName("Beijing");
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(manager->SkinName(), "Beijing");
    EXPECT_TRUE(manager->IsPacked());
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_EQ(manager->SkinInfo(), "8.2");
    const int button = manager->GetSkinIndex("BUTTON");
    const int border = manager->GetMaskIndex(button, "BUTTON", "BORDERSMASK");
    EXPECT_EQ(manager->MaskWidthLeft(border), 6);
    EXPECT_EQ(manager->MaskWidthTop(border), 6);
    const int close = manager->GetMaskIndex(manager->GetSkinIndex("GLOBALINFO"), "GLOBALINFO", "BICONCLOSE");
    // A glyph strip names no borders: a whole frame and the whole band.
    EXPECT_EQ(manager->MaskWidthRight(close), 27);
    EXPECT_EQ(manager->MaskWidthBottom(close), 21);
    EXPECT_NE(manager->GetHighLightColor(false), manager->GetHighLightColor(true));
}

TEST_F(SkinManagerTest, DestructionAnnouncesTheSkinsRemoval)
{
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    manager->SetSkinName("Jade");
    announcements.clear();
    manager.reset();
    EXPECT_EQ(Whats(), TWhats{RemoveSkin});
}

} // namespace
} // namespace pp::test
