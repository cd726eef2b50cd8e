#pragma once
// A skin made in code for the skinned frame, a shown form with a main menu,
// a minimize box and a provider, and helpers to read the window's measures.
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pp::test {

// Colours of the fixture skin (red in the low byte).
inline constexpr TColor FormColor = 0x204060;
inline constexpr TColor FormHotColor = 0x206040;
inline constexpr TColor TitleColor = 0x800000;
inline constexpr TColor MenuLineColor = 0x008080;
inline constexpr TColor MenuItemColor = 0x00C000;
inline constexpr TColor BorderGrey = 0x808080;
// The form's border mask: 18 x 18, borders 6 wide (wider than the platform's
// frame, as in the default skin, so that it reaches into the client), and in
// each corner the three outermost pixels (the corner pixel and its two
// neighbours along the edges) key-coloured.
inline constexpr int MaskSide = 18, MaskBorder = 6;
// The caption buttons' images: three states of 20 x 16.
inline constexpr int ButtonWidth = 20, ButtonHeight = 16;

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Gives the form its provider and shows it; `menuItems` captions make
    // its main menu.
    void ShowSkinnedForm(const std::vector<std::string>& menuItems = {"Параметры"});
    HWND Window() const { return form->HandleValue(); }
    TsFrameSkin& Frame() const { return provider->Frame(); }
    // Lets the window settle: every pending message handled.
    void Settle();
    // The frame image's pixel (red in the low byte).
    TColor ImagePixel(int x, int y) const;

    std::unique_ptr<TsSkinManager> manager;
    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TsSkinProvider* provider = nullptr;
};

} // namespace pp::test
