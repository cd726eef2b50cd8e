#pragma once
// A skin made in code with a plain-coloured menu background and menu item,
// and a stand-in for an open menu window: a bordered popup window of the
// platform's menu class, whose client area the items are drawn into.
#include "skin/forms/sSkinableMenus.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Menu.h"

#include <gtest/gtest.h>

#include <memory>

namespace pp::test {

// Colours of the fixture skin (red in the low byte).
inline constexpr TColor MainMenuColor = MakeColor(0, 0, 250);
inline constexpr TColor ItemColor = MakeColor(200, 100, 0);
inline constexpr TColor ItemHotColor = MakeColor(0, 200, 0);
inline constexpr TColor CaptionItemColor = MakeColor(100, 0, 100);
inline constexpr TColor ExtraLineColor = MakeColor(0, 120, 120);
// The check images: "CHECK" two states of 8 x 8, "RADIOCHECKED" one.
inline constexpr int CheckSide = 8;
inline constexpr TColor CheckColor = MakeColor(10, 20, 30);
inline constexpr TColor CheckHotColor = MakeColor(30, 20, 10);
inline constexpr TColor RadioColor = MakeColor(60, 60, 60);

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A shown window of the menu class, `width` x `height` outside.
    HWND OpenMenuWindow(int width = 160, int height = 80);
    // A menu item of the fixture's drop-down, under `parent`.
    TMenuItem& AddItem(const std::string& caption, bool enabled = true);
    // Draws `item` into `r` of the window's client area and reads back the
    // client pixel at (x, y).
    void Draw(HWND window, const TMenuItem& item, const TRect& r, UINT state = 0);
    TColor ClientPixel(HWND window, int x, int y) const;

    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<TMenuItem> dropDown;
    TsSkinableMenus& painter = MenuPainter();
    std::vector<HWND> windows;
};

} // namespace pp::test
