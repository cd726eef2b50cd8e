// The main window's skin manager as its description sets it up: with no
// skin directory on the machine, the built-in Beijing is what it shows.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/forms/AutomaticSkinning.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace pp::test {
namespace {

TEST(MainWindowSkinTest, DescriptionLoadsTheBuiltInBeijingWhereNoSkinDirectoryExists)
{
    ASSERT_FALSE(std::filesystem::exists("c:\\Skins\\Beijing.lvz"));
    ASSERT_FALSE(std::filesystem::exists("c:\\Skins\\Beijing\\Options.dat"));
    port::InitializePort("sim", "");
    int boxes = 0;
    TModalWatcher watcher([&](HWND window) { return CloseMessageBox(window) && ++boxes; });
    auto* form = new TForm1(Application);
    TsSkinManager& manager = *form->sSkinManager1;
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(SkinEngine.DefaultManager, &manager);
    EXPECT_EQ(manager.SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(manager.SkinName(), "Beijing");
    EXPECT_TRUE(manager.Active());
    EXPECT_TRUE(manager.SkinData().Active);
    EXPECT_TRUE(manager.IsPacked());
    EXPECT_EQ(manager.SkinData().SkinFolder, "");
    EXPECT_EQ(manager.SkinInfo(), "8.2");
    EXPECT_EQ(manager.SkinData().Author, "Pindrel_Port");
    EXPECT_TRUE(manager.ThirdLists().Contains(ThirdButtons, "TButton"));
    for (int list = 0; list < ThirdPartyListCount; ++list) {
        if (list != ThirdButtons) {
            EXPECT_EQ(manager.ThirdParty.Text(list), " ") << list;
        }
    }
    EXPECT_EQ(manager.MenuSupport.IcoLineSkin, "ICOLINE");
    EXPECT_GE(manager.GetSkinIndex("GAUGE"), 0);
    delete form;
    EXPECT_EQ(SkinEngine.DefaultManager, nullptr);
    port::ShutdownPort();
}

double MedianMs(std::vector<double> samples)
{
    std::ranges::sort(samples);
    return samples[samples.size() / 2];
}

template <class Work> double MillisecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Prints, in one run, what showing the built-in skin on the main window
// costs (the broadcast and the window's whole repaint) beside what loading
// it costs. The times are for the reader; they decide nothing.
TEST(MainWindowSkinTest, ShowingTheSkinIsTimedBesideLoadingIt)
{
    port::InitializePort("sim", "");
    InstallSkinBroadcast();
    // As the program runs it: the window's provider and its push buttons'
    // adapters take part in every showing.
    InstallAutomaticSkinning();
    auto* form = new TForm1(Application);
    AttachFormWhenCreated(*form);
    form->Show();
    TsSkinManager& manager = *form->sSkinManager1;
    EXPECT_EQ(SendSkinCommand(form, SkinMsgIsSkinned), 1);
    const auto show = [&] {
        manager.BroadcastNewSkin(true);
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    std::vector<double> loads, shows, stillShows;
    for (int run = 0; run < 15; ++run) {
        loads.push_back(MillisecondsOf([&] {
            TFlagScope held(manager.UpdateLocked, true);
            manager.SetSkinName("Beijing");
        }));
        // The skin-change fade's frames are 12 ms apart by design; without
        // it the figure is the broadcast and the repaints alone.
        manager.AnimEffects.SkinChanging.Active = true;
        shows.push_back(MillisecondsOf(show));
        manager.AnimEffects.SkinChanging.Active = false;
        stillShows.push_back(MillisecondsOf(show));
        EXPECT_TRUE(manager.SkinData().Active);
    }
    std::printf(
        "[ timing ] loading Beijing: %.2f ms; showing it on the main window: %.2f ms with the "
        "skin-change fade, %.2f ms without it (medians of 15)\n",
        MedianMs(loads), MedianMs(shows), MedianMs(stillShows));
    delete form;
    SkinAnnouncer = {};
    SkinManagerSeams.WindowCreation = nullptr;
    Screen->OnFormWindowCreated = nullptr;
    AdoptedWindows = nullptr;
    port::ShutdownPort();
}

} // namespace
} // namespace pp::test
