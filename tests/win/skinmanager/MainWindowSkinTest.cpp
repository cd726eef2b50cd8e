// The main window's skin manager as its description sets it up: with no
// skin directory on the machine, the built-in Beijing is what it shows.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <filesystem>

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

} // namespace
} // namespace pp::test
