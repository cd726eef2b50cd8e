#include "MenuFixture.h"

#include "skin/forms/acMenuWindow.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/paint/SkinMessages.h"
#include "win/Handles.h"

namespace pp::test {
namespace {

bool IsLayered(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

// 255 leaves the menu window opaque (and takes back a layered style); any
// other value makes it layered with that constant opacity.
TEST_F(MenuTest, MenuWindowTakesTheMenuOpacity)
{
    const HWND window = OpenMenuWindow();
    AdaptMenuWindow(window);
    manager->MenuSupport.AlphaBlend = 200;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    ASSERT_TRUE(IsLayered(window));
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_TRUE(flags & LWA_ALPHA);

    manager->MenuSupport.AlphaBlend = 255;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    EXPECT_FALSE(IsLayered(window));
}

// A translucent menu window about to be shown is fully transparent until
// its frame is painted; an opaque one stays unlayered.
TEST_F(MenuTest, TranslucentMenuWindowShowsNothingBeforeItsFirstPaint)
{
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, MenuWindowClass, L"", WS_POPUP | WS_BORDER, 10, 10,
                                        100, 50, nullptr, nullptr, nullptr, nullptr);
    windows.push_back(window);
    AdaptMenuWindow(window);
    WINDOWPOS showing{window, nullptr, 10, 10, 100, 50, SWP_SHOWWINDOW};
    SendMessageW(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&showing));
    EXPECT_FALSE(IsLayered(window));

    manager->MenuSupport.AlphaBlend = 200;
    SendMessageW(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&showing));
    ASSERT_TRUE(IsLayered(window));
    BYTE alpha = 255;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 0);
    SendMessageW(window, WM_NCPAINT, 1, 0);
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 200);
}

// The skin's menu border with key-coloured outer corner pixels cuts the
// menu window's corners, once its background is painted: the corner pixel
// goes, its neighbour inside stays.
TEST_F(MenuTest, MenuBorderCornersCutTheWindowRegion)
{
    TsLoadedSkin& skin = manager->Skin();
    TsMaskData border;
    border.OwnBitmap = std::make_unique<TBitmap>(9, 9);
    border.OwnBitmap->Fill(PixelFromColor(MainMenuColor));
    border.OwnBitmap->Pixel32(0, 0) = PixelFromColor(clKeyColor, 0);
    border.OwnBitmap->Pixel32(8, 8) = PixelFromColor(clKeyColor, 0);
    border.SourceRect = {0, 0, 9, 9};
    border.SectionName = "MAINMENU";
    border.KeyName = "BORDERSMASK";
    border.FrameCount = MaskField(1);
    border.LeftWidth = border.TopWidth = border.RightWidth = border.BottomWidth = 3;
    border.CornerFlag = cfKeyPixels;
    skin.AddMask(std::move(border));
    skin.UpdateSectionImageIndexes();

    const HWND window = OpenMenuWindow(120, 60);
    AdaptMenuWindow(window);
    ASSERT_NE(painter.BackgroundFor(window), nullptr);
    const TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 1, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 119, 59));
    EXPECT_TRUE(PtInRegion(region.Get(), 118, 59));
    EXPECT_TRUE(PtInRegion(region.Get(), 119, 0));
}

TColor FramePixel(HWND window, int x, int y)
{
    const HDC dc = GetWindowDC(window);
    const auto pixel = static_cast<TColor>(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixel;
}

// The late repaint request reaches the menus through the skin manager's
// application-message seam: every open adapted menu window gets its frame
// from its background; it is left to others while popups are not skinned.
TEST_F(MenuTest, LateRepaintPaintsTheFramesOfOpenMenuWindows)
{
    InstallSkinnedMenus();
    const HWND window = OpenMenuWindow();
    AdaptMenuWindow(window);
    const HDC frame = GetWindowDC(window);
    SetPixel(frame, 0, 0, 0);
    ReleaseDC(window, frame);
    ASSERT_NE(FramePixel(window, 0, 0), MainMenuColor);

    TMessage message{PopupMenuRepaintMessage, 0, 0, 0};
    manager->SetSkinnedPopups(false);
    EXPECT_FALSE(SkinManagerSeams.ApplicationMessage(message));
    manager->SetSkinnedPopups(true);
    EXPECT_TRUE(SkinManagerSeams.ApplicationMessage(message));
    EXPECT_EQ(FramePixel(window, 0, 0), MainMenuColor);
}

// Only new windows of the menu class get an adapter, once, while popups are
// skinned; the adapter answers that the window is skinned and goes with it.
TEST_F(MenuTest, CreationHookAdaptsMenuWindowsOnly)
{
    const int before = MenuWindowAdapterCount();
    const HWND menuWindow = OpenMenuWindow();
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                       nullptr);
    windows.push_back(other);
    MenuWindowCreated(HCBT_CREATEWND, reinterpret_cast<WPARAM>(other), 0);
    MenuWindowCreated(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(menuWindow), 0);
    EXPECT_EQ(MenuWindowAdapterCount(), before);

    manager->SetSkinnedPopups(false);
    MenuWindowCreated(HCBT_CREATEWND, reinterpret_cast<WPARAM>(menuWindow), 0);
    EXPECT_EQ(MenuWindowAdapterCount(), before);

    manager->SetSkinnedPopups(true);
    MenuWindowCreated(HCBT_CREATEWND, reinterpret_cast<WPARAM>(menuWindow), 0);
    MenuWindowCreated(HCBT_CREATEWND, reinterpret_cast<WPARAM>(menuWindow), 0);
    EXPECT_EQ(MenuWindowAdapterCount(), before + 1);
    EXPECT_EQ(SendMessageW(menuWindow, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgIsSkinned), 0), 1);

    DestroyWindow(menuWindow);
    std::erase(windows, menuWindow);
    EXPECT_EQ(MenuWindowAdapterCount(), before);
}

// The drop-down and the sub-menus of a form's menu bar: when one is about to
// open, the items of that level (and only those) become owner-drawn,
// carrying the toolkit item they show.
TEST_F(MenuTest, OpeningAPopupMakesItsItemsOwnerDrawn)
{
    TMainMenu menu(nullptr);
    auto* top = new TMenuItem(&menu);
    top->SetCaption("Параметры");
    auto* flasher = new TMenuItem(&menu);
    flasher->SetCaption("Мигалка");
    auto* interval = new TMenuItem(&menu);
    interval->SetCaption("Интервал");
    flasher->Add(interval);
    top->Add(flasher);
    menu.Items().Add(top);
    const HMENU dropDownMenu = GetSubMenu(menu.Handle(), 0);
    const HMENU subMenu = GetSubMenu(dropDownMenu, 0);
    ASSERT_NE(subMenu, nullptr);
    EXPECT_EQ(PopupMenuParent(menu, subMenu), flasher);
    EXPECT_EQ(PopupMenuParent(menu, dropDownMenu), top);
    const TMenuHandle unrelated(CreatePopupMenu());
    EXPECT_EQ(PopupMenuParent(menu, unrelated.Get()), nullptr);

    painter.PreparePopupMenu(subMenu, *flasher, true);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoW(subMenu, 0, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(interval));
    ASSERT_TRUE(GetMenuItemInfoW(dropDownMenu, 0, TRUE, &info));
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);

    painter.PrepareMenuItems(menu, false);
    ASSERT_TRUE(GetMenuItemInfoW(subMenu, 0, TRUE, &info));
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

} // namespace
} // namespace pp::test
