// The handle owners: each counts its own kind while it holds a handle, and
// moving or handing a handle over keeps the counts true.
#include "win/Handles.h"
#include "win/ModuleHandle.h"
#include "win/PaintDC.h"
#include "win/ThemeHandle.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace pp::test {
namespace {

// A top-level window of the platform's static class, for owners that need one.
HWND MakeWindow()
{
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
}

template <class Owner, class Handle> std::shared_ptr<void> Hold(Handle handle)
{
    return std::make_shared<Owner>(handle);
}

struct TOwnerCase {
    const char* Name;
    THandleKind Kind;
    // Makes the owner; null when the platform gave no handle.
    std::function<std::shared_ptr<void>()> Make;
};

TEST(HandlesTest, EachOwnerCountsItsKindWhileItHoldsAHandle)
{
    TWindowHandle window(MakeWindow());
    ASSERT_TRUE(window);
    ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
    const TOwnerCase cases[] = {
        {"memory DC", THandleKind::DC, [] { return Hold<TMemoryDCHandle>(CreateCompatibleDC(nullptr)); }},
        {"window DC", THandleKind::DC, [] { return std::make_shared<TWindowDCHandle>(nullptr); }},
        {"paint DC", THandleKind::DC,
         [&] {
             InvalidateRect(window.Get(), nullptr, FALSE);
             return std::make_shared<TPaintDC>(window.Get());
         }},
        {"bitmap", THandleKind::Bitmap,
         [] { return Hold<TBitmapHandle>(CreateBitmap(2, 2, 1, 32, nullptr)); }},
        {"font", THandleKind::Font,
         [] {
             return Hold<TFontHandle>(CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
         }},
        {"brush", THandleKind::Brush, [] { return Hold<TBrushHandle>(CreateSolidBrush(RGB(1, 2, 3))); }},
        {"pen", THandleKind::Pen, [] { return Hold<TPenHandle>(CreatePen(PS_SOLID, 1, RGB(1, 2, 3))); }},
        {"region", THandleKind::Region, [] { return Hold<TRegionHandle>(CreateRectRgn(0, 0, 4, 4)); }},
        {"menu", THandleKind::Menu, [] { return Hold<TMenuHandle>(CreatePopupMenu()); }},
        {"window", THandleKind::Window, [] { return Hold<TWindowHandle>(MakeWindow()); }},
        {"icon", THandleKind::Icon,
         [] {
             return Hold<TIconHandle>(
                 CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
         }},
        {"module", THandleKind::Module,
         [] { return std::make_shared<TModuleHandle>(LoadModule(L"msimg32.dll")); }},
    };
    for (const TOwnerCase& c : cases) {
        const long before = LiveHandleCount(c.Kind);
        {
            const std::shared_ptr<void> owner = c.Make();
            EXPECT_EQ(LiveHandleCount(c.Kind), before + 1) << c.Name;
        }
        EXPECT_EQ(LiveHandleCount(c.Kind), before) << c.Name;
    }
}

TEST(HandlesTest, AThemeIsCountedWhenVisualStylesGiveOne)
{
    TWindowHandle window(MakeWindow());
    const long before = LiveHandleCount(THandleKind::Theme);
    {
        const TThemeHandle theme = OpenTheme(window.Get(), L"BUTTON");
        EXPECT_EQ(LiveHandleCount(THandleKind::Theme), before + (theme ? 1 : 0));
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Theme), before);
}

TEST(HandlesTest, MovingAnOwnerKeepsOneCountAndAssigningFreesTheOldHandle)
{
    const long before = LiveHandleCount(THandleKind::Brush);
    {
        TBrushHandle first(CreateSolidBrush(RGB(1, 1, 1)));
        TBrushHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(LiveHandleCount(THandleKind::Brush), before + 1);
        second = TBrushHandle(CreateSolidBrush(RGB(2, 2, 2)));
        EXPECT_EQ(LiveHandleCount(THandleKind::Brush), before + 1);
    }
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), before);
}

TEST(HandlesTest, AHandleGivenAwayLeavesTheCountAndStaysValid)
{
    const long before = LiveHandleCount(THandleKind::Region);
    TRegionHandle region(CreateRectRgn(0, 0, 3, 2));
    const HRGN given = region.Release();
    EXPECT_FALSE(region);
    EXPECT_EQ(LiveHandleCount(THandleKind::Region), before);
    RECT box{};
    EXPECT_EQ(GetRgnBox(given, &box), SIMPLEREGION) << "the new owner got a live region";
    DeleteObject(given);
}

TEST(HandlesTest, AFailedCreationCountsNothing)
{
    const long before = LiveHandleCount(THandleKind::Module);
    const TModuleHandle missing = LoadModule(L"no-such-library-here.dll");
    EXPECT_FALSE(missing);
    EXPECT_EQ(LiveHandleCount(THandleKind::Module), before);
}

TEST(HandlesTest, ModuleFunctionsAreFoundByName)
{
    const TModuleHandle kernel = LoadModule(L"kernel32.dll");
    using TGetCurrentProcessId = DWORD(WINAPI*)();
    const auto get = ModuleFunction<TGetCurrentProcessId>(kernel.Get(), "GetCurrentProcessId");
    ASSERT_NE(get, nullptr);
    EXPECT_EQ(get(), GetCurrentProcessId());
    EXPECT_EQ(ModuleFunction<TGetCurrentProcessId>(kernel.Get(), "NoSuchFunction"), nullptr);
    EXPECT_EQ(ModuleFunction<TGetCurrentProcessId>(nullptr, "GetCurrentProcessId"), nullptr);
}

} // namespace
} // namespace pp::test
