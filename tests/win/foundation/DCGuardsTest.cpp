// The device-context guards undo what they began, also when the drawing
// between throws.
#include "win/Handles.h"
#include "win/PaintDC.h"
#include "win/SavedDC.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pp::test {
namespace {

TEST(DCGuardsTest, SavedStateComesBackWhenTheDrawingThrows)
{
    const TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    SetTextColor(dc.Get(), RGB(10, 20, 30));
    SetViewportOrgEx(dc.Get(), 0, 0, nullptr);
    try {
        const TSavedDC saved(dc.Get());
        SetTextColor(dc.Get(), RGB(200, 0, 0));
        SetViewportOrgEx(dc.Get(), 5, 7, nullptr);
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(10, 20, 30));
    POINT origin{};
    GetViewportOrgEx(dc.Get(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST(DCGuardsTest, APaintThatThrowsStillValidatesTheWindow)
{
    TWindowHandle window(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr));
    ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
    InvalidateRect(window.Get(), nullptr, FALSE);
    ASSERT_TRUE(GetUpdateRect(window.Get(), nullptr, FALSE));
    const long contexts = LiveHandleCount(THandleKind::DC);
    try {
        const TPaintDC paint(window.Get());
        EXPECT_NE(paint.Get(), nullptr);
        EXPECT_EQ(paint.PaintRect().right, 20);
        throw std::runtime_error("paint failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(GetUpdateRect(window.Get(), nullptr, FALSE));
    EXPECT_EQ(LiveHandleCount(THandleKind::DC), contexts);
}

} // namespace
} // namespace pp::test
