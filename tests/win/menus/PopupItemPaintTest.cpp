#include "MenuFixture.h"

#include "skin/forms/acMenuWindow.h"
#include "win/Handles.h"

#include <vector>

namespace pp::test {
namespace {

// 40 % of the item over 60 % of the background, per channel.
constexpr std::uint8_t Mix(std::uint8_t item, std::uint8_t background)
{
    return static_cast<std::uint8_t>((item * 40 + background * 60) / 100);
}

// The item's own colour left of its text (the icon column, no glyph):
// normal, hot when selected, and a disabled item, selected or not, keeps
// 40 % of its normal look over the menu background: (200, 100, 0) over
// (0, 0, 250) gives (80, 40, 150).
TEST_F(MenuTest, ItemLooksFollowTheStateAndDisabledItemsKeepFortyPercent)
{
    const struct {
        bool enabled;
        UINT state;
        TColor expected;
    } cases[] = {
        {true, 0, ItemColor},
        {true, ODS_SELECTED, ItemHotColor},
        {false, 0, MakeColor(Mix(200, 0), Mix(100, 0), Mix(0, 250))},
        {false, ODS_SELECTED, MakeColor(80, 40, 150)},
    };
    const HWND window = OpenMenuWindow();
    for (const auto& c : cases) {
        TMenuItem& item = AddItem("Интервал", c.enabled);
        Draw(window, item, {0, 0, 140, 22}, c.state);
        EXPECT_EQ(ClientPixel(window, 4, 10), c.expected) << c.enabled << " " << c.state;
    }
}

// A checked item shows the check image in its glyph column, from x 2 + 2
// (margin), centred in the 22-pixel item (rows 7 to 14); the hot state
// when selected; radio items the round image.
TEST_F(MenuTest, CheckedItemsShowTheSkinsCheckImage)
{
    const struct {
        bool checked;
        bool radio;
        UINT state;
        TColor expected;
    } cases[] = {
        {false, false, 0, ItemColor},
        {true, false, 0, CheckColor},
        {true, false, ODS_SELECTED, CheckHotColor},
        {true, true, 0, RadioColor},
    };
    const HWND window = OpenMenuWindow();
    for (const auto& c : cases) {
        TMenuItem& item = AddItem("Мигалка");
        item.SetChecked(c.checked);
        item.SetRadioItem(c.radio);
        Draw(window, item, {0, 0, 140, 22}, c.state);
        EXPECT_EQ(ClientPixel(window, 4, 7), c.expected) << c.checked << c.radio << c.state;
        EXPECT_EQ(ClientPixel(window, 11, 14), c.expected) << c.checked << c.radio << c.state;
        EXPECT_NE(ClientPixel(window, 12, 14), c.checked ? c.expected : CheckColor);
        EXPECT_NE(ClientPixel(window, 4, 6), c.checked ? c.expected : CheckColor);
    }
}

// The rightmost column of an item that holds anything but the item's colour.
int RightmostInk(HWND window, const TRect& r)
{
    const HDC dc = GetDC(window);
    int rightmost = -1;
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (static_cast<TColor>(GetPixel(dc, x, y)) != ItemColor)
                rightmost = x;
    ReleaseDC(window, dc);
    return rightmost;
}

// The part of a caption after a tab ends 8 pixels before the item's right
// edge (a glyph's side bearing may leave a column or two of room).
TEST_F(MenuTest, TabTextIsRightAlignedEightPixelsFromTheEdge)
{
    const HWND window = OpenMenuWindow();
    const TRect r{0, 0, 140, 22};
    Draw(window, AddItem("Мигалка\tF5"), r);
    const int ink = RightmostInk(window, r);
    EXPECT_LE(ink, 140 - 8 - 1);
    EXPECT_GE(ink, 140 - 8 - 3);
}

// The background is painted once per open menu window, whatever number of
// items are drawn; a second window gets its own; when a menu window goes,
// every background goes with it.
TEST_F(MenuTest, BackgroundIsPaintedOncePerOpenMenuWindow)
{
    const TMenuItem& first = AddItem("Мигалка");
    const TMenuItem& second = AddItem("Бегущий огонь");
    const HWND dropDownWindow = OpenMenuWindow();
    AdaptMenuWindow(dropDownWindow);
    const int before = painter.BackgroundBuilds;
    for (int pass = 0; pass < 3; ++pass) {
        Draw(dropDownWindow, first, {0, 0, 140, 22}, pass == 1 ? ODS_SELECTED : 0);
        Draw(dropDownWindow, second, {0, 22, 140, 44});
    }
    EXPECT_EQ(painter.BackgroundBuilds, before + 1);

    const HWND subMenuWindow = OpenMenuWindow(100, 30);
    Draw(subMenuWindow, first, {0, 0, 90, 22});
    EXPECT_EQ(painter.BackgroundBuilds, before + 2);
    ASSERT_NE(painter.FindBackground(subMenuWindow), nullptr);
    // The background covers the whole window, frame included.
    EXPECT_EQ(painter.FindBackground(subMenuWindow)->Image.Size(), (TSize{100, 30}));

    DestroyWindow(dropDownWindow);
    std::erase(windows, dropDownWindow);
    EXPECT_EQ(painter.FindBackground(subMenuWindow), nullptr);
}

// The area between the item and the frame, and the frame: what the platform
// would paint in its menu colour shows the skin's background instead.
TEST_F(MenuTest, MenuWindowErasesToTheSkinBackground)
{
    const HWND window = OpenMenuWindow();
    AdaptMenuWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_FRAME);
    EXPECT_EQ(ClientPixel(window, 100, 60), MainMenuColor);
}

// Around the items (as the platform leaves them, inset from the client's
// edges) the background shows, not the platform's menu colour.
TEST_F(MenuTest, ClientAroundTheItemsShowsTheBackground)
{
    const TMenuItem& first = AddItem("Мигалка");
    const TMenuItem& last = AddItem("Бегущий огонь");
    const HWND window = OpenMenuWindow(160, 60);
    const HDC dc = GetDC(window);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, dc);
    Draw(window, first, {3, 3, 140, 25});
    Draw(window, last, {3, 25, 140, 47});
    for (const auto [x, y] :
         {std::pair{1, 10}, std::pair{145, 10}, std::pair{10, 1}, std::pair{10, 50}, std::pair{1, 30}})
        EXPECT_EQ(ClientPixel(window, x, y), MainMenuColor) << x << "," << y;
    EXPECT_EQ(ClientPixel(window, 10, 10), ItemColor);
}

// A divider is 2 pixels high: a line in the divider colour along its top
// from the margin (2) to two margins before the end, the background below
// and beside it.
TEST_F(MenuTest, DividerIsALineOverTheBackground)
{
    const TMenuItem& divider = AddItem("-");
    EXPECT_EQ(painter.MeasurePopupItem(divider).Height, 2);
    const HWND window = OpenMenuWindow();
    Draw(window, divider, {0, 10, 140, 12});
    const auto line = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(window, 2, 10), line);
    EXPECT_EQ(ClientPixel(window, 135, 10), line);
    EXPECT_EQ(ClientPixel(window, 1, 10), MainMenuColor);
    EXPECT_EQ(ClientPixel(window, 136, 10), MainMenuColor);
    EXPECT_EQ(ClientPixel(window, 50, 11), MainMenuColor);
}

// A caption item: the caption section inside a one-pixel frame of the
// background; measured with its dashes, taller than a divider.
TEST_F(MenuTest, CaptionItemShowsTheCaptionLookInsideTheBackground)
{
    const TMenuItem& heading = AddItem("-Порт-");
    const TSize size = painter.MeasurePopupItem(heading);
    EXPECT_GT(size.Height, 2 + 2 * painter.Margin);
    const HWND window = OpenMenuWindow();
    Draw(window, heading, {0, 0, 140, 20});
    EXPECT_EQ(ClientPixel(window, 0, 0), MainMenuColor);
    EXPECT_EQ(ClientPixel(window, 1, 1), CaptionItemColor);
    EXPECT_EQ(ClientPixel(window, 138, 18), CaptionItemColor);
    EXPECT_EQ(ClientPixel(window, 139, 19), MainMenuColor);
}

// True when any pixel of `rows` in the strip's columns differs from its colour.
bool StripHasInk(const TBitmap& image, int width, int fromRow, int toRow)
{
    for (int y = fromRow; y < toRow; ++y)
        for (int x = 0; x < width; ++x)
            if (ColorFromPixel(image.Pixel32(x, y)) != ExtraLineColor)
                return true;
    return false;
}

// The extra line (32 wide) widens every item by its width and shows the
// default text reading upwards from 12 pixels above its bottom; normal
// items are drawn beside it.
TEST_F(MenuTest, ExtraLineShowsItsDefaultText)
{
    const TMenuItem& item = AddItem("Интервал");
    const int plainWidth = painter.MeasurePopupItem(item).Width;
    manager->MenuSupport.UseExtraLine = true;
    EXPECT_EQ(painter.MeasurePopupItem(item).Width, plainWidth + 32);

    const HWND window = OpenMenuWindow(180, 260);
    Draw(window, item, {0, 0, 170, 22});
    const TPopupBackgroundRecord* background = painter.FindBackground(window);
    ASSERT_NE(background, nullptr);
    const TBitmap& image = background->Image;
    // No border image in the fixture skin: the strip starts at the corner.
    EXPECT_EQ(ColorFromPixel(image.Pixel32(0, 0)), ExtraLineColor);
    EXPECT_EQ(ColorFromPixel(image.Pixel32(31, 0)), ExtraLineColor);
    EXPECT_EQ(ColorFromPixel(image.Pixel32(32, 0)), MainMenuColor);
    EXPECT_FALSE(StripHasInk(image, 32, 260 - 12, 260));
    EXPECT_TRUE(StripHasInk(image, 32, 260 - 12 - 40, 260 - 12));
    EXPECT_FALSE(StripHasInk(image, 32, 0, 20));
    // The item starts beside the line.
    EXPECT_EQ(ClientPixel(window, 32 + 4, 10), ItemColor);
    EXPECT_NE(ClientPixel(window, 4, 10), ItemColor);
}

// Opening and closing menu levels, drawing every kind of item in every
// state, leaves no handle behind.
TEST_F(MenuTest, OpeningAndClosingMenusKeepsHandleCountsFlat)
{
    manager->MenuSupport.UseExtraLine = true;
    const TMenuItem* items[] = {&AddItem("Мигалка"), &AddItem("-"), &AddItem("-Порт-"),
                                &AddItem("Интервал\tF5", false)};
    const auto counts = [] {
        std::vector<long> all;
        for (int kind = 0; kind < static_cast<int>(THandleKind::Count); ++kind)
            all.push_back(LiveHandleCount(static_cast<THandleKind>(kind)));
        return all;
    };
    const std::vector<long> before = counts();
    for (int pass = 0; pass < 5; ++pass) {
        const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, MenuWindowClass, L"",
                                            WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, 160, 200, nullptr,
                                            nullptr, nullptr, nullptr);
        AdaptMenuWindow(window);
        int top = 0;
        for (const TMenuItem* item : items) {
            Draw(window, *item, {0, top, 150, top + 22}, pass % 2 ? ODS_SELECTED : 0);
            top += 22;
        }
        SendMessageW(window, WM_NCPAINT, 1, 0);
        DestroyWindow(window);
    }
    EXPECT_EQ(counts(), before);
}

TEST_F(MenuTest, NothingIsPaintedWhilePopupsAreNotSkinned)
{
    const TMenuItem& item = AddItem("Интервал");
    const HWND window = OpenMenuWindow();
    manager->SetSkinnedPopups(false);
    const int before = painter.BackgroundBuilds;
    Draw(window, item, {0, 0, 140, 22});
    EXPECT_EQ(painter.BackgroundBuilds, before);
    EXPECT_NE(ClientPixel(window, 4, 10), ItemColor);
}

} // namespace
} // namespace pp::test
