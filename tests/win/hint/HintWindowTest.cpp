// The comics hint window of a manager with the program's preset: its size
// for a text, its place against the monitor, the image it hands to the
// layered window, the fade-in and its handles.
#include "support/WinTestSupport.h"

#include "skin/forms/sHintManager.h"
#include "skin/forms/sHintWindows.h"
#include "skin/pixels/Gradient.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <array>

namespace pp {
namespace {

const std::string HintText = "Второй контакт";

TSize HintFontTextSize(const std::wstring& text, int maxWidth)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_VCENTER | DT_CENTER);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return {r.right - r.left, r.bottom - r.top};
}

TRect PrimaryMonitor()
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

TRect WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// A point a tenth of the way from the tail's tip to the middle of its base,
// where the tail is over two pixels wide.
TPoint NearTheTip(const TBitmap& layered, const THintLook& look, THintTail tail)
{
    const TSize size{layered.Width(), layered.Height()};
    const TPoint tip = HintTailTip(size, tail);
    const TRect body = HintBodyRect(size, look, tail);
    const int baseX = (body.Left + body.Right) / 2, baseY = (body.Top + body.Bottom) / 2;
    return {tip.X + (baseX - tip.X) / 10, tip.Y + (baseY - tip.Y) / 10};
}

// The tail reaches its tip: shape near it, nothing beyond it.
void ExpectTailAt(const TBitmap& layered, const THintLook& look, THintTail tail)
{
    const TPoint inTail = NearTheTip(layered, look, tail);
    EXPECT_EQ(layered.Pixel32(inTail.X, inTail.Y).A, 255) << "tail near its tip " << int(tail);
    const TPoint tip = HintTailTip({layered.Width(), layered.Height()}, tail);
    const int beyondX = tip.X < layered.Width() / 2 ? tip.X - 2 : tip.X + 1;
    const int beyondY = tip.Y < layered.Height() / 2 ? tip.Y - 2 : tip.Y + 1;
    EXPECT_EQ(layered.Pixel32(beyondX, beyondY).A, 0) << "beyond the tip " << int(tail);
}

class ComicsHintTest : public testing::Test {
protected:
    void SetUp() override
    {
        manager_.Predefinitions = THintPredefinitions::shComicsGradient;
        manager_.Loaded();
    }
    void TearDown() override
    {
        Application->OnShowHint = nullptr;
        Application->HintHidePause = 2500;
    }

    // Shows the hint with the application proposing `anchor`.
    void ShowAt(TPoint anchor)
    {
        std::string text = HintText;
        bool canShow = true;
        THintInfo info;
        info.HintPos = anchor;
        Application->OnShowHint(text, canShow, info);
        const TRect size = window_.CalcHintRect(0, text);
        window_.ActivateHint(size.Offset(anchor.X, anchor.Y), text);
    }
    void WaitForTheFade()
    {
        ASSERT_TRUE(test::PumpMessagesUntil([&] { return window_.Opacity() == 235; }));
    }

    TsHintManager manager_{nullptr};
    TsComicsHintWindow window_{nullptr};
};

TEST_F(ComicsHintTest, OneLineSizeAndTailTip)
{
    const TSize text = HintFontTextSize(L"Второй контакт", 180);
    const TRect rect = window_.CalcHintRect(0, HintText);
    EXPECT_EQ(rect.Width(), text.Width + 32 + 7);
    EXPECT_EQ(rect.Height(), text.Height + 16 + 24 + 7);

    ShowAt({100, 100});
    EXPECT_EQ(WindowRect(window_.HandleValue()), rect.Offset(100, 100));
    EXPECT_EQ(window_.Tail(), THintTail::TopLeft);
    ExpectTailAt(window_.Images().Layered, manager_.HintKind(), THintTail::TopLeft);
    EXPECT_EQ(test::WindowClassName(window_.HandleValue()), L"TsComicsHintWindow");
    EXPECT_EQ(test::WindowText(window_.HandleValue()), L"Второй контакт");
}

TEST_F(ComicsHintTest, TurnsAboveTheAnchorAtTheBottomAndLeftAtTheRight)
{
    const TRect monitor = PrimaryMonitor();
    const TRect size = window_.CalcHintRect(0, HintText);

    ShowAt({monitor.Left + 100, monitor.Bottom - 5});
    EXPECT_EQ(WindowRect(window_.HandleValue()),
              TRect::FromBounds(monitor.Left + 100, monitor.Bottom - 5 - size.Height(), size.Width(),
                                size.Height()));
    EXPECT_EQ(window_.Tail(), THintTail::BottomLeft);
    ExpectTailAt(window_.Images().Layered, manager_.HintKind(), THintTail::BottomLeft);

    ShowAt({monitor.Right - 5, monitor.Top + 100});
    EXPECT_EQ(
        WindowRect(window_.HandleValue()),
        TRect::FromBounds(monitor.Right - 5 - size.Width(), monitor.Top + 100, size.Width(), size.Height()));
    EXPECT_EQ(window_.Tail(), THintTail::TopRight);
    ExpectTailAt(window_.Images().Layered, manager_.HintKind(), THintTail::TopRight);
}

TEST_F(ComicsHintTest, LayeredImageOpaqueBodyShadowAlphaAndClearOutside)
{
    ShowAt({100, 100});
    const TBitmap& layered = window_.Images().Layered;
    const int w = layered.Width(), h = layered.Height();
    // Body (0, 24)-(w - 7, h - 7), edges included; the shadow is that moved by
    // 7, eleven rings of greys nearest((10 - e) * 169 / 11) + 86.
    const int middleY = (24 + h - 7) / 2;
    const TBGRA body = layered.Pixel32(2, middleY);
    EXPECT_EQ(body.A, 255);
    TBitmap gradient(w, h);
    DrawGradientFill(gradient, gradient.Bounds(), ParseGradientSpec(manager_.HintKind().GradientData));
    EXPECT_EQ(body, gradient.Pixel32(2, middleY)) << "the body shows the gradient";
    EXPECT_EQ(layered.Pixel32(0, middleY), (TBGRA{0x40, 0, 0, 255})) << "left outline";
    EXPECT_EQ(layered.Pixel32(w / 2, h - 7), (TBGRA{0x40, 0, 0, 255})) << "bottom outline";
    EXPECT_EQ(layered.Pixel32(w / 2, h - 1), (TBGRA{0, 0, 0, 255 - 224})) << "ring 1 only";
    EXPECT_EQ(layered.Pixel32(w / 2, h - 4), (TBGRA{0, 0, 0, 255 - 178})) << "rings 0 to 4";
    EXPECT_EQ(layered.Pixel32(0, h - 1).A, 0) << "left of the shadow";
    EXPECT_EQ(layered.Pixel32(w - 1, 0).A, 0) << "above the body on the right";
    EXPECT_TRUE(GetWindowLongPtrW(window_.HandleValue(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(ComicsHintTest, FadesInFromATimerToTheConstantOpacity)
{
    ShowAt({100, 100});
    EXPECT_EQ(window_.Opacity(), 0);
    EXPECT_TRUE(IsWindowVisible(window_.HandleValue()));
    // The loop keeps running during the fade: the opacity is seen part way.
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return window_.Opacity() > 0 && window_.Opacity() < 235; }));
    WaitForTheFade();
    // Shown again while visible: straight at full opacity, no new fade.
    ShowAt({120, 100});
    EXPECT_EQ(window_.Opacity(), 235);
}

TEST_F(ComicsHintTest, NotAnimatedShowsAtOnce)
{
    manager_.Animated = false;
    ShowAt({100, 100});
    EXPECT_EQ(window_.Opacity(), 235);
}

TEST_F(ComicsHintTest, NoneStyleShowsNothing)
{
    manager_.HintKind().SetStyle(THintStyle::hsNone);
    ShowAt({100, 100});
    EXPECT_FALSE(window_.HandleAllocated() && IsWindowVisible(window_.HandleValue()));
}

using TLiveCounts = std::array<long, static_cast<std::size_t>(THandleKind::Count)>;

TLiveCounts LiveCounts()
{
    TLiveCounts counts{};
    for (std::size_t i = 0; i < counts.size(); ++i)
        counts[i] = LiveHandleCount(static_cast<THandleKind>(i));
    return counts;
}

TEST_F(ComicsHintTest, ShowingAndHidingKeepsHandleCountsFlat)
{
    ShowAt({100, 100});
    WaitForTheFade();
    ShowWindow(window_.HandleValue(), SW_HIDE);
    const TLiveCounts before = LiveCounts();
    for (int round = 0; round < 3; ++round) {
        ShowAt({100 + round, 100});
        WaitForTheFade();
        ShowWindow(window_.HandleValue(), SW_HIDE);
    }
    const TLiveCounts after = LiveCounts();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i])
            << "live " << HandleKindName(static_cast<THandleKind>(i)) << " handles";
}

} // namespace
} // namespace pp
