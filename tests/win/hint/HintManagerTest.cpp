// The hint manager as a form uses it: the application's timing and hint
// window class while it lives, its preset applied at load, and the
// application's show-hint event passing through it.
#include "skin/forms/sHintManager.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace pp {
namespace {

// The application's hint settings as the tests found them, put back after.
class HintManagerTest : public testing::Test {
protected:
    void TearDown() override
    {
        manager_.reset();
        Application->HintPause = 500;
        Application->HintShortPause = 50;
        Application->HintHidePause = 2500;
        Application->OnShowHint = nullptr;
    }
    TsHintManager& MakeManager()
    {
        manager_ = std::make_unique<TsHintManager>(nullptr);
        return *manager_;
    }
    std::unique_ptr<TsHintManager> manager_;
};

TEST_F(HintManagerTest, ConstructionSetsDefaultsAndTheApplicationsPauses)
{
    TsHintManager& manager = MakeManager();
    EXPECT_EQ(Application->HintPause, 300);
    EXPECT_EQ(Application->HintShortPause, 200);
    EXPECT_EQ(manager.PauseHide(), 5000);
    EXPECT_EQ(manager.Predefinitions, THintPredefinitions::shEllipse);
    EXPECT_TRUE(manager.Animated);
    EXPECT_FALSE(manager.UseSkinData());
    EXPECT_FALSE(manager.HTMLMode);
    EXPECT_EQ(manager.DefaultMousePos, THintMousePos::mpLeftTop);
    EXPECT_EQ(manager.SkinSection(), "HINT");
    EXPECT_EQ(manager.HintKind().Style, THintStyle::hsEllipse);
    EXPECT_EQ(manager.HintKind().Radius, 20);
    EXPECT_EQ(manager.HintKind().ExOffset, 32);
    EXPECT_EQ(manager.HintKind().MaxWidth, 200);
    EXPECT_EQ(TsHintManager::Serving(), &manager);
    // Not loaded yet: the hide pause is the application's own.
    EXPECT_EQ(Application->HintHidePause, 2500);
    manager.SetSkinSection("");
    EXPECT_EQ(manager.SkinSection(), "HINT");
}

TEST_F(HintManagerTest, LoadedSetsTheHidePauseAndAppliesThePreset)
{
    TsHintManager& manager = MakeManager();
    manager.SetPauseHide(7000);
    EXPECT_EQ(Application->HintHidePause, 7000);
    manager.Predefinitions = THintPredefinitions::shComicsGradient;
    EXPECT_EQ(manager.HintKind().Style, THintStyle::hsEllipse); // setting only stores it
    manager.Loaded();
    EXPECT_EQ(manager.HintKind().Style, THintStyle::hsComics);
    EXPECT_EQ(manager.HintKind().Radius, 21);
    EXPECT_EQ(manager.HintKind().Transparency, 8);
    EXPECT_EQ(Application->HintHidePause, 7000);
}

TEST_F(HintManagerTest, CustomPresetKeepsTheStoredKind)
{
    TsHintManager& manager = MakeManager();
    manager.HintKind().SetStyle(THintStyle::hsComics);
    manager.HintKind().Radius = 5;
    manager.HintKind().Color = 0x123456;
    manager.HintKind().Font.SetName("Courier New");
    manager.HintKind().Font.SetStyle(fsBold);
    manager.Predefinitions = THintPredefinitions::shCustom;
    manager.Loaded();
    EXPECT_EQ(manager.HintKind().Style, THintStyle::hsComics);
    EXPECT_EQ(manager.HintKind().Radius, 5);
    EXPECT_EQ(manager.HintKind().Color, 0x123456u);
    EXPECT_EQ(manager.HintKind().Font.Name(), "Courier New");
    EXPECT_EQ(manager.HintKind().Font.Style(), unsigned(fsBold));
}

TEST_F(HintManagerTest, PresetGivesTheSystemHintFontOverAStoredOne)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    TsHintManager& manager = MakeManager();
    TFont& font = manager.HintKind().Font;
    font.SetName("Courier New");
    font.SetHeight(-30);
    font.SetStyle(fsBold | fsItalic);
    font.SetColor(clRed);
    manager.Predefinitions = THintPredefinitions::shComicsGradient;
    manager.Loaded();
    wchar_t expectedName[LF_FACESIZE] = {};
    MultiByteToWideChar(CP_UTF8, 0, font.Name().c_str(), -1, expectedName, LF_FACESIZE);
    EXPECT_STREQ(expectedName, metrics.lfStatusFont.lfFaceName);
    EXPECT_EQ(font.Height(), metrics.lfStatusFont.lfHeight);
    EXPECT_EQ(font.Style(), 0u);
    EXPECT_EQ(font.Color(), clBlack);
}

TEST_F(HintManagerTest, StylesThatDoNotServeHints)
{
    struct Case {
        THintStyle Style;
        bool Serves;
    } cases[] = {
        {THintStyle::hsSimply, true},  {THintStyle::hsComics, true},    {THintStyle::hsEllipse, true},
        {THintStyle::hsBalloon, true}, {THintStyle::hsStandard, false}, {THintStyle::hsNone, false},
    };
    TsHintManager& manager = MakeManager();
    for (const Case& c : cases) {
        manager.HintKind().SetStyle(c.Style);
        EXPECT_EQ(TsHintManager::Serving() == &manager, c.Serves) << int(c.Style);
    }
    manager_.reset();
    EXPECT_EQ(TsHintManager::Serving(), nullptr);
}

TEST_F(HintManagerTest, ShowHintEventCanChangeTextPositionAndForbidTheHint)
{
    TsHintManager& manager = MakeManager();
    manager.OnShowHint = [](std::string& text, bool& canShow, THintInfo& info) {
        text += "!";
        info.HintPos = {200, 300};
        canShow = text != "no!";
    };
    ASSERT_TRUE(Application->OnShowHint);
    std::string text = "hint";
    bool canShow = true;
    THintInfo info;
    info.HintPos = {10, 20};
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(text, "hint!");
    EXPECT_TRUE(canShow);
    const auto position = manager.TakeHintPosition();
    ASSERT_TRUE(position);
    EXPECT_EQ(*position, (TPoint{200, 300}));
    EXPECT_FALSE(manager.TakeHintPosition()); // taken once

    text = "no";
    Application->OnShowHint(text, canShow, info);
    EXPECT_FALSE(canShow);
}

TEST_F(HintManagerTest, DestructionGivesBackTheApplicationsOwnEvent)
{
    int calls = 0;
    Application->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++calls; };
    MakeManager();
    std::string text = "x";
    bool canShow = true;
    THintInfo info;
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(calls, 1); // still called through the manager
    manager_.reset();
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace pp
