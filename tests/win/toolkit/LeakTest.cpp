// Creating and freeing forms gives back every handle the toolkit made.
#include "TestForm.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <array>

namespace pp::test {
namespace {

std::array<long, static_cast<size_t>(THandleKind::Count)> LiveCounts()
{
    std::array<long, static_cast<size_t>(THandleKind::Count)> counts{};
    for (size_t i = 0; i < counts.size(); ++i) counts[i] = LiveHandleCount(static_cast<THandleKind>(i));
    return counts;
}

void BuildPaintAndFree()
{
    TForm1 form(nullptr);
    form.HandleNeeded();
    // Paint once, so fonts, brushes and contexts are made, and change the
    // menu so that a menu bar is replaced.
    RedrawWindow(form.HandleValue(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    form.N1->SetCaption("changed");
    form.StatusBar1->Panels()[0].SetText("x");
    form.Label1->Font().SetHeight(-14);
}

TEST(LeakTest, HandleCountsReturnToTheirStartAfterManyForms)
{
    BuildPaintAndFree();  // one-time class registrations and caches
    const auto before = LiveCounts();
    for (int i = 0; i < 200; ++i) BuildPaintAndFree();
    const auto after = LiveCounts();
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << "handle kind " << i;
}

TEST(LeakTest, TheCountsSeeAHandleThatIsKept)
{
    const long before = LiveHandleCount(THandleKind::Brush);
    TBrush brush;
    brush.SetColor(clRed);
    brush.Handle();
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), before + 1);
}

} // namespace
} // namespace pp::test
