// Changing a shown skin at run time: hue and saturation, extended borders,
// switching skinning off, scroll size, popups, the hooks and the preview
// from a skin editing tool.
#include "core/Utf8Path.h"
#include "skin/loading/DefaultSkinPackage.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinPreviewRecord.h"
#include "skin/loading/SkinPreviewWin32.h"
#include "skinmanager/ManagerFixture.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace pp::test {
namespace {

// The built-in skin as a folder, with lines added to its GLOBALINFO.
TSkinFiles BeijingFiles(const std::string& globalLines = "")
{
    TMemoryStream packed(std::vector<std::uint8_t>(DefaultSkinPackage().begin(), DefaultSkinPackage().end()));
    std::unique_ptr<TacSkinConvertor> package;
    ReadStoredSkin(package, packed);
    TSkinFiles files;
    for (const TacImageItem& item : package->Items)
        files[item.FileName] = item.Stream.Bytes();
    std::string options(package->OptionsStream->Bytes().begin(), package->OptionsStream->Bytes().end());
    options.insert(options.find("[GLOBALINFO]") + 12, "\r\n" + globalLines);
    files["Options.dat"] = BytesOf(options);
    return files;
}

// What recolouring touches, taken from a loaded skin.
struct TSkinLook {
    std::vector<std::uint8_t> Master;
    std::vector<TColor> SectionColors;
    TsSkinColors Colors;
    friend bool operator==(const TSkinLook&, const TSkinLook&) = default;
};

std::vector<std::uint8_t> PixelsIn(const TBitmap& bitmap, const TRect& r)
{
    std::vector<std::uint8_t> bytes;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(bitmap.Row32(y));
        bytes.insert(bytes.end(), row + 4 * r.Left, row + 4 * r.Right);
    }
    return bytes;
}

TSkinLook LookOf(const TsSkinManager& manager)
{
    TSkinLook look;
    const TsLoadedSkin& skin = manager.Skin();
    look.Master = PixelsIn(skin.MasterBitmap, skin.MasterBitmap.Bounds());
    for (const TsGeneralData& section : skin.Sections())
        look.SectionColors.insert(look.SectionColors.end(),
                                  {section.Props[0].Color, section.Props[1].Color, section.RawProps[0].Color,
                                   section.Props[0].FontColor[0]});
    look.Colors = skin.Colors;
    return look;
}

TRect GlyphRect(const TsSkinManager& manager, const char* key)
{
    const int index = manager.GetMaskIndexExact("GLOBALINFO", key);
    EXPECT_GE(index, 0) << key;
    return manager.Skin().Masks()[static_cast<std::size_t>(index)].SourceRect;
}

class SkinAdjustmentsTest : public SkinManagerTest {
protected:
    void LoadBeijing(const std::string& globalLines = "")
    {
        skins.WriteFolder("Beijing", BeijingFiles(globalLines));
        manager->SetSkinName("Beijing");
        ASSERT_TRUE(manager->SkinData().Active);
        announcements.clear();
    }
    ~SkinAdjustmentsTest() override { SkinManagerSeams = {}; }
};

TEST_F(SkinAdjustmentsTest, HueOffsetReloadsAndBackToZeroGivesTheSkinAsLoaded)
{
    LoadBeijing();
    const TSkinLook loaded = LookOf(*manager);
    manager->SetHueOffset(180);
    EXPECT_NE(LookOf(*manager).Master, loaded.Master);
    EXPECT_NE(LookOf(*manager).SectionColors, loaded.SectionColors);
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_EQ(Whats(), (TWhats{StopFading, Refresh}));
    manager->SetHueOffset(180);
    EXPECT_EQ(announcements.size(), 2u) << "the same value changes nothing";
    manager->SetHueOffset(0);
    EXPECT_TRUE(LookOf(*manager) == loaded);
}

TEST_F(SkinAdjustmentsTest, HueChangeAfterTheSkinLeftTheDiskSwitchesSkinningOff)
{
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    manager->SetSkinName("Jade");
    announcements.clear();
    std::filesystem::remove_all(PathFromUtf8(skins.Path() + "\\Jade"));
    manager->SetHueOffset(30);
    EXPECT_FALSE(manager->Active());
    EXPECT_FALSE(manager->SkinData().Active);
    EXPECT_TRUE(manager->Skin().Sections().empty());
    EXPECT_EQ(Whats(), TWhats{RemoveSkin});
}

TEST_F(SkinAdjustmentsTest, SaturationOf101LeavesTheSkinUnchanged)
{
    LoadBeijing();
    const TSkinLook loaded = LookOf(*manager);
    manager->SetSaturation(101);
    EXPECT_TRUE(LookOf(*manager) == loaded);
    manager->SetSaturation(40);
    EXPECT_NE(LookOf(*manager).Master, loaded.Master);
}

TEST_F(SkinAdjustmentsTest, KeepHueOneKeepsTheCloseAndMaximizeGlyphs)
{
    LoadBeijing("BIKEEPHUE=1\r\n");
    const TBitmap& master = manager->Skin().MasterBitmap;
    const TRect close = GlyphRect(*manager, "BICONCLOSE"), maximize = GlyphRect(*manager, "BICONMAX");
    const auto closeBefore = PixelsIn(master, close), maximizeBefore = PixelsIn(master, maximize);
    const TSkinLook loaded = LookOf(*manager);
    manager->SetHueOffset(90);
    const TBitmap& turned = manager->Skin().MasterBitmap;
    EXPECT_EQ(PixelsIn(turned, close), closeBefore);
    EXPECT_EQ(PixelsIn(turned, maximize), maximizeBefore);
    EXPECT_NE(LookOf(*manager).Master, loaded.Master) << "the rest of the master bitmap turns";
}

TEST_F(SkinAdjustmentsTest, ExtendedBordersWithoutExBorderGetTheBuiltInFrame)
{
    skins.WriteFolder("Jade", SkinWithVersion("8"));
    manager->SetSkinName("Jade");
    EXPECT_EQ(manager->ExtendedBorderImages().MarginLeft, 0);
    announcements.clear();
    manager->SetExtendedBorders(true);
    ASSERT_TRUE(manager->ExtendedBorders());
    const TacExtendedBorders& borders = manager->ExtendedBorderImages();
    EXPECT_EQ(borders.MarginLeft, 9);
    EXPECT_EQ(borders.MarginTop, 9);
    EXPECT_EQ(borders.MarginRight, 9);
    EXPECT_EQ(borders.MarginBottom, 9);
    EXPECT_FALSE(borders.Images[0].Empty());
    EXPECT_EQ(Whats(), (TWhats{StopFading, Refresh}));
    manager->SetExtendedBorders(false);
    EXPECT_EQ(manager->ExtendedBorderImages().MarginLeft, 0);
}

TEST_F(SkinAdjustmentsTest, SwitchingOffRemovesTheSkinAndItsRecords)
{
    LoadBeijing();
    ASSERT_TRUE(manager->CreationHookInstalled());
    int deactivations = 0;
    manager->OnDeactivate = [&](TObject*) { ++deactivations; };
    manager->SetActive(false);
    EXPECT_EQ(Whats(), TWhats{RemoveSkin});
    EXPECT_FALSE(announcements[0].SkinShown);
    EXPECT_FALSE(manager->SkinData().Active);
    EXPECT_TRUE(manager->Skin().Masks().empty());
    EXPECT_TRUE(manager->Skin().Sections().empty());
    EXPECT_EQ(manager->Skin().ConstData.GlobalSection, -1);
    EXPECT_FALSE(manager->CreationHookInstalled());
    EXPECT_EQ(deactivations, 1);
    announcements.clear();
    manager->SetActive(true);
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_GE(manager->GetSkinIndex("BUTTON"), 0);
    EXPECT_EQ(Whats(), (TWhats{SetSkin, StopFading, Refresh}));
}

TEST_F(SkinAdjustmentsTest, SecondManagerMadeDefaultAnnouncesWhatItHas)
{
    TsSkinManager second(nullptr);
    EXPECT_TRUE(second.IsDefault()) << "the stored default";
    second.SetIsDefault(false);
    EXPECT_FALSE(second.IsDefault());
    EXPECT_TRUE(announcements.empty());
    second.SetIsDefault(true);
    EXPECT_EQ(SkinEngine.DefaultManager, &second);
    EXPECT_EQ(Whats(), (TWhats{SetSkin, StopFading, Refresh}));
    announcements.clear();
    second.SetActive(false);
    second.SetIsDefault(true);
    EXPECT_EQ(Whats(), TWhats{RemoveSkin});
    // The first manager takes the slot back before the second one goes.
    manager->SetIsDefault(true);
}

TEST_F(SkinAdjustmentsTest, ScrollSizeRefreshesWithoutReloading)
{
    LoadBeijing();
    manager->SetScrollSize(-1);
    EXPECT_TRUE(announcements.empty());
    manager->SetScrollSize(17);
    EXPECT_EQ(manager->ScrollsOptions().ScrollSize, 17);
    EXPECT_EQ(Whats(), (TWhats{StopFading, Refresh}));
}

TEST_F(SkinAdjustmentsTest, DefaultManagerHandsPopupsAndNewWindowsUpward)
{
    int popupTakeOvers = 0, createdWindows = 0;
    SkinManagerSeams.TakeOverPopupMenus = [&] { ++popupTakeOvers; };
    SkinManagerSeams.WindowCreation = [&](int code, WPARAM, LPARAM) {
        createdWindows += code == HCBT_CREATEWND;
    };
    manager->SetSkinnedPopups(true);
    EXPECT_EQ(popupTakeOvers, 1);
    LoadBeijing();
    TWindowHandle window(
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(createdWindows, 1);
    TsSkinManager second(nullptr);
    second.SetSkinnedPopups(true);
    EXPECT_EQ(popupTakeOvers, 1) << "only the default manager takes popups over";
}

TEST_F(SkinAdjustmentsTest, ApplicationWindowPassesAnimationsOnAndSwallowsThemeChanges)
{
    std::vector<UINT> passed;
    SkinManagerSeams.ApplicationMessage = [&](TMessage& message) {
        passed.push_back(message.Msg);
        return true;
    };
    const HWND application = Application->Handle();
    WINDOWPOS hiding{}, moving{};
    hiding.flags = SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE;
    moving.flags = SWP_NOMOVE | SWP_NOSIZE;
    SendMessageW(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SendMessageW(application, WM_THEMECHANGED, 0, 0);
    SendMessageW(application, 0xBCB3, 0, 0);
    SendMessageW(application, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&hiding));
    SendMessageW(application, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&moving));
    EXPECT_EQ(passed, (std::vector<UINT>{WM_SYSCOMMAND, 0xBCB3, WM_WINDOWPOSCHANGING}));
}

// A preview record as an editing tool writes it.
std::vector<std::uint8_t> PreviewRecord(std::uint32_t marker, const std::string& directory,
                                        const std::string& options)
{
    std::vector<std::uint8_t> data(SkinPreviewRecordSize, 0);
    std::memcpy(data.data(), &marker, 4);
    std::memcpy(&data[PreviewNameOffset], "Jade", 4);
    std::memcpy(&data[PreviewDirectoryOffset], directory.data(), directory.size());
    std::memcpy(&data[PreviewOptionsOffset], options.data(), options.size());
    return data;
}

LRESULT SendPreview(TsSkinManager& manager, std::vector<std::uint8_t> data, WPARAM kind = 7)
{
    COPYDATASTRUCT copy{};
    copy.cbData = static_cast<DWORD>(data.size());
    copy.lpData = data.data();
    return manager.ApplySkinPreview(kind, &copy);
}

class SkinPreviewTest : public SkinAdjustmentsTest {
protected:
    ~SkinPreviewTest() override { SkinEngine.EditorPreviewMode = false; }
};

TEST_F(SkinPreviewTest, RecordLoadsItsOptionsTextWithoutTheSkinChangingAnimation)
{
    skins.WriteFolder("Jade", SkinWithVersion("8", "from the folder"));
    // The forms may be frozen for the change, but never blended.
    int animations = 0;
    SkinManagerSeams.PrepareSkinChangeAnimation = [&](TsSkinManager& changing) {
        animations += changing.AnimEffects.SkinChanging.Active ? 1 : 0;
    };
    const LRESULT answer = SendPreview(
        *manager, PreviewRecord(0xA400, skins.Path(), OptionsText("8.1", "from the tool")));
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(manager->SkinName(), "Jade");
    EXPECT_EQ(manager->SkinData().Author, "from the tool");
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_EQ(Whats(), (TWhats{SetSkin, StopFading, Refresh}));
    EXPECT_EQ(animations, 0);
    EXPECT_TRUE(manager->AnimEffects.SkinChanging.Active);
    EXPECT_FALSE(manager->PreviewOptions());
}

// The tool hears 0 when the skin it sent does not load: the user saw the
// "Error" box, and the skin from before stays.
TEST_F(SkinPreviewTest, ASkinThatDoesNotLoadKeepsThePreviousSkinAndAnswers0)
{
    LoadBeijing();
    TSkinFiles broken = SkinWithVersion("8");
    broken["BAD.PNG"] = BytesOf("\x89PNG\r\n\x1a\nnot really a png");
    skins.WriteFolder("Jade", broken);
    const TSkinLook loaded = LookOf(*manager);
    const std::size_t boxesBefore = boxes.Boxes().size();
    const LRESULT answer = SendPreview(
        *manager, PreviewRecord(0xA400, skins.Path(), OptionsText("8") + "BORDERSIMAGE=!BAD.PNG!3!1\r\n"));
    EXPECT_EQ(answer, 0);
    ASSERT_EQ(boxes.Boxes().size(), boxesBefore + 1);
    EXPECT_EQ(boxes.Boxes().back().Caption, L"Error");
    EXPECT_EQ(manager->SkinName(), "Beijing");
    EXPECT_TRUE(manager->SkinData().Active);
    EXPECT_TRUE(LookOf(*manager) == loaded);
    EXPECT_FALSE(manager->PreviewOptions());
}

struct TBadPreviewCase {
    const char* Label;
    std::vector<std::uint8_t> Data;
    WPARAM Kind;
};

TEST_F(SkinPreviewTest, AnythingButAWholeRecordChangesNothing)
{
    LoadBeijing();
    std::vector<std::uint8_t> cut = PreviewRecord(0xA400, skins.Path(), OptionsText("8", "tool"));
    cut.pop_back();
    const TBadPreviewCase cases[] = {
        {"no marker", PreviewRecord(0xA401, skins.Path(), OptionsText("8", "tool")), 7},
        {"one byte short", cut, 7},
        {"empty", {}, 7},
        {"other kind", PreviewRecord(0xA400, skins.Path(), OptionsText("8", "tool")), 6},
    };
    const TSkinLook loaded = LookOf(*manager);
    for (const TBadPreviewCase& c : cases) {
        EXPECT_EQ(SendPreview(*manager, c.Data, c.Kind), 0) << c.Label;
        EXPECT_EQ(manager->SkinName(), "Beijing") << c.Label;
        EXPECT_TRUE(manager->SkinData().Active) << c.Label;
        EXPECT_TRUE(LookOf(*manager) == loaded) << c.Label;
        EXPECT_TRUE(announcements.empty()) << c.Label;
        EXPECT_FALSE(SkinEngine.EditorPreviewMode) << c.Label;
    }
    EXPECT_EQ(manager->ApplySkinPreview(7, nullptr), 0);
}

// A stand-in for the editing tool's window: it counts the announcements and
// answers 1 from the given one on.
struct TToolWindow {
    static inline int Announcements = 0;
    static inline int AnswerFrom = 0;
    static inline HWND Announced = nullptr;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != SkinPreviewMessage || wParam != SkinPreviewAnnounceKind)
            return DefWindowProcW(window, message, wParam, lParam);
        Announced = reinterpret_cast<HWND>(lParam);
        return ++Announcements >= AnswerFrom ? 1 : 0;
    }
};

struct TToolCase {
    int AnswerFrom;
    int Expected;
};

TEST(SkinPreviewToolTest, AnnouncementStopsAtTheToolsAnswerOrAfter101Tries)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TToolWindow::Proc;
    windowClass.lpszClassName = L"PindrelPreviewToolTest";
    RegisterClassW(&windowClass);
    const HWND mainForm = Application->Handle();
    AnnounceToSkinPreviewTool(mainForm);
    EXPECT_EQ(TToolWindow::Announcements, 0) << "no tool, nothing sent";
    TWindowHandle tool(CreateWindowExW(0, windowClass.lpszClassName, SkinPreviewToolTitle, 0, 0, 0, 1, 1,
                                       nullptr, nullptr, nullptr, nullptr));
    for (const TToolCase c : {TToolCase{1, 1}, TToolCase{3, 3}, TToolCase{1000, 101}}) {
        TToolWindow::Announcements = 0;
        TToolWindow::AnswerFrom = c.AnswerFrom;
        AnnounceToSkinPreviewTool(mainForm);
        EXPECT_EQ(TToolWindow::Announcements, c.Expected) << c.AnswerFrom;
        EXPECT_EQ(TToolWindow::Announced, mainForm);
    }
    tool.Reset();
    UnregisterClassW(windowClass.lpszClassName, nullptr);
}

} // namespace
} // namespace pp::test
