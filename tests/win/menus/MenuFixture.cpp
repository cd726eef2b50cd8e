#include "MenuFixture.h"

#include "skin/forms/acMenuWindow.h"
#include "skin/loading/SkinEngineState.h"

namespace pp::test {
namespace {

TsGeneralData PlainSection(const std::string& name, TColor color, TColor hotColor, int states)
{
    TsGeneralData section;
    section.SectionName = name;
    section.States = states;
    section.Props[0].Color = color;
    section.Props[1].Color = hotColor;
    return section;
}

// A key-colour image of `colors.size()` states side by side, each plain.
TsMaskData CheckImage(const std::string& key, std::initializer_list<TColor> colors)
{
    TsMaskData mask;
    const int states = static_cast<int>(colors.size());
    mask.OwnBitmap = std::make_unique<TBitmap>(CheckSide * states, CheckSide);
    int state = 0;
    for (const TColor color : colors) {
        for (int y = 0; y < CheckSide; ++y)
            for (int x = 0; x < CheckSide; ++x)
                mask.OwnBitmap->Pixel32(state * CheckSide + x, y) = PixelFromColor(color);
        ++state;
    }
    mask.SourceRect = {0, 0, CheckSide * states, CheckSide};
    mask.SectionName = GlobalInfoSection;
    mask.KeyName = key;
    mask.FrameCount = MaskField(states);
    return mask;
}

} // namespace

void MenuTest::SetUp()
{
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_EQ(SkinEngine.DefaultManager, manager.get());
    TsLoadedSkin& skin = manager->Skin();
    skin.AddMask(CheckImage("CHECK", {CheckColor, CheckHotColor}));
    skin.AddMask(CheckImage("RADIOCHECKED", {RadioColor}));
    TsGeneralDataArray sections;
    sections.push_back(PlainSection(GlobalInfoSection, clWhite, clWhite, 1));
    sections.push_back(PlainSection("MAINMENU", MainMenuColor, MainMenuColor, 1));
    sections.push_back(PlainSection("MENUITEM", ItemColor, ItemHotColor, 2));
    sections.push_back(PlainSection("MENUCAPTION", CaptionItemColor, CaptionItemColor, 1));
    sections.push_back(PlainSection("EXTRALINE", ExtraLineColor, ExtraLineColor, 1));
    skin.SetSections(std::move(sections));
    skin.UpdateSectionImageIndexes();
    skin.SkinData.Active = true;
    dropDown = std::make_unique<TMenuItem>(nullptr);
    painter.ClearPopupCache();
    painter.ResetSkinBorderWidth();
}

void MenuTest::TearDown()
{
    for (HWND window : windows)
        DestroyWindow(window);
    dropDown.reset();
    painter.ClearPopupCache();
    manager.reset();
}

HWND MenuTest::OpenMenuWindow(int width, int height)
{
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, MenuWindowClass, L"",
                                        WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, width, height, nullptr,
                                        nullptr, nullptr, nullptr);
    EXPECT_NE(window, nullptr);
    windows.push_back(window);
    return window;
}

TMenuItem& MenuTest::AddItem(const std::string& caption, bool enabled)
{
    auto* item = new TMenuItem(dropDown.get());
    item->SetCaption(caption);
    item->SetEnabled(enabled);
    dropDown->Add(item);
    return *item;
}

void MenuTest::Draw(HWND window, const TMenuItem& item, const TRect& r, UINT state)
{
    const HDC dc = GetDC(window);
    painter.DrawPopupItem(item, dc, r, state);
    ReleaseDC(window, dc);
}

TColor MenuTest::ClientPixel(HWND window, int x, int y) const
{
    const HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return static_cast<TColor>(pixel);
}

} // namespace pp::test
