// Hints drawn with the skin's "HINT" section when the manager is told to use
// the skin: the program's own skin (border image 6 pixels on every side,
// colour 0xE8FAFF), sized without shadow or tail band.
#include "support/WinTestSupport.h"

#include "skin/forms/sHintManager.h"
#include "skin/forms/sHintWindows.h"
#include "skin/loading/DefaultSkinPackage.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TSize SystemHintFontTextSize(const std::wstring& text)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return {r.right - r.left, r.bottom - r.top};
}

class SkinnedHintTest : public testing::Test {
protected:
    SkinnedHintTest()
    {
        skins_.InternalSkins.Add().SetData(DefaultSkinPackage());
        skins_.InternalSkins.Items(0).Name = DefaultSkinName;
        skins_.SetSkinDirectory("c:\\no-skins-here");
        skins_.SetSkinName(DefaultSkinName);
        manager_.Predefinitions = THintPredefinitions::shComicsGradient;
        manager_.Loaded();
    }
    ~SkinnedHintTest() override
    {
        Application->OnShowHint = nullptr;
        Application->HintHidePause = 2500;
    }

    TsSkinManager skins_{nullptr};
    TsHintManager manager_{nullptr};
    TsComicsHintWindow window_{nullptr};
};

TEST_F(SkinnedHintTest, OnlyWhenAskedAndTheSectionExists)
{
    ASSERT_TRUE(skins_.Active());
    EXPECT_FALSE(manager_.SkinnedMode());
    manager_.SetUseSkinData(true);
    EXPECT_TRUE(manager_.SkinnedMode());
    manager_.SetSkinSection("NOSUCHSECTION");
    EXPECT_FALSE(manager_.SkinnedMode());
}

TEST_F(SkinnedHintTest, SizeBodyAndOpacity)
{
    manager_.SetUseSkinData(true);
    manager_.Animated = false;
    const TSize text = SystemHintFontTextSize(L"Второй контакт");
    const TRect rect = window_.CalcHintRect(0, "Второй контакт");
    // Borders 6 + 6 and 4 pixels of air on each side.
    EXPECT_EQ(rect.Width(), text.Width + 20);
    EXPECT_EQ(rect.Height(), text.Height + 20);

    window_.ActivateHint(rect.Offset(100, 100), "Второй контакт");
    const TBitmap& layered = window_.Images().Layered;
    ASSERT_EQ(layered.Width(), rect.Width());
    // Inside the border, left of the centred text: the section's colour.
    EXPECT_EQ(layered.Pixel32(8, rect.Height() / 2), (TBGRA{0xE8, 0xFA, 0xFF, 255}));
    EXPECT_EQ(window_.Opacity(), 235);
}

} // namespace
} // namespace pp
