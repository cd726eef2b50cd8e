// Hints: shown after the pause over a control that has one, through the
// application's replaceable hint window class and its OnShowHint.
#include "TestForm.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/HintWindow.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

class TRecordingHintWindow : public THintWindow {
public:
    explicit TRecordingHintWindow(std::vector<std::string>& shown) : THintWindow(nullptr), shown_(shown) {}
    void ActivateHint(const TRect& rect, const std::string& text) override
    {
        shown_.push_back(text);
        THintWindow::ActivateHint(rect, text);
    }

private:
    std::vector<std::string>& shown_;
};

class HintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->HintPause = 20;
        Application->SetHintWindowClass([this] { return std::make_unique<TRecordingHintWindow>(shown_); });
    }
    void TearDown() override
    {
        Application->CancelHint();
        Application->SetHintWindowClass(nullptr);
        Application->OnShowHint = nullptr;
        Application->HintPause = 500;
    }
    // Puts the mouse over a control of the form.
    void HoverOver(TForm1& form, TControl& control)
    {
        const TPoint client{control.Left() + 3, control.Top() + 3};
        const TPoint screen = form.ClientToScreen(client);
        SetCursorPos(screen.X, screen.Y);
        HWND target = dynamic_cast<TWinControl*>(&control) ? dynamic_cast<TWinControl*>(&control)->Handle()
                                                            : form.Handle();
        POINT local{screen.X, screen.Y};
        ScreenToClient(target, &local);
        PostMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(local.x, local.y));
    }
    std::vector<std::string> shown_;
};

TEST_F(HintTest, AControlWithAHintShowsItAfterThePause)
{
    TForm1 form(nullptr);
    form.Button1->Hint = "Второй контакт";
    form.Button1->SetShowHint(true);
    form.Show();
    HoverOver(form, *form.Button1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !shown_.empty(); }, 3s));
    EXPECT_EQ(shown_.front(), "Второй контакт");
}

TEST_F(HintTest, ControlsWithoutShowHintStayQuiet)
{
    TForm1 form(nullptr);
    form.Button2->Hint = "not shown";
    form.Show();
    HoverOver(form, *form.Button2);
    PumpMessagesFor(200ms);
    EXPECT_TRUE(shown_.empty());
}

TEST_F(HintTest, OnShowHintMayChangeOrRefuseTheHint)
{
    TForm1 form(nullptr);
    form.Button1->Hint = "original";
    form.Button1->SetShowHint(true);
    bool refuse = false;
    Application->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
        EXPECT_EQ(info.HintControl, form.Button1);
        text = "changed";
        canShow = !refuse;
    };
    form.Show();
    HoverOver(form, *form.Button1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !shown_.empty(); }, 3s));
    EXPECT_EQ(shown_.front(), "changed");

    shown_.clear();
    refuse = true;
    HoverOver(form, *form.Label1);
    HoverOver(form, *form.Button1);
    ASSERT_TRUE(PumpMessagesUntil([&] { return Application->MouseControl() == form.Button1; }, 2s));
    PumpMessagesFor(200ms);
    EXPECT_TRUE(shown_.empty());
}

} // namespace
} // namespace pp::test
