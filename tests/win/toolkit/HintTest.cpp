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
    TRecordingHintWindow(std::vector<std::string>& shown, HWND& window)
        : THintWindow(nullptr), shown_(shown), window_(window)
    {
    }
    void ActivateHint(const TRect& rect, const std::string& text) override
    {
        shown_.push_back(text);
        THintWindow::ActivateHint(rect, text);
        window_ = HandleValue();
    }

private:
    std::vector<std::string>& shown_;
    HWND& window_;
};

class HintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->HintPause = 20;
        Application->SetHintWindowClass(
            [this] { return std::make_unique<TRecordingHintWindow>(shown_, hintWindow_); });
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
    // Gives a control a hint, shows the form and hovers over the control.
    void HoverOverHinted(TForm1& form, TControl& control, const std::string& hint)
    {
        control.Hint = hint;
        control.SetShowHint(true);
        form.Show();
        HoverOver(form, control);
    }
    std::vector<std::string> shown_;
    HWND hintWindow_ = nullptr;
};

TEST_F(HintTest, AControlWithAHintShowsItAfterThePause)
{
    TForm1 form(nullptr);
    HoverOverHinted(form, *form.Button1, "Второй контакт");
    ASSERT_TRUE(PumpMessagesUntil([&] { return !shown_.empty(); }, 3s));
    EXPECT_EQ(shown_.front(), "Второй контакт");
}

// Screen readers and other outside readers ask the window itself, not the
// toolkit object behind it.
TEST_F(HintTest, TheShownHintIsTheWindowText)
{
    TForm1 form(nullptr);
    HoverOverHinted(form, *form.Button1, "Второй контакт");
    ASSERT_TRUE(PumpMessagesUntil([&] { return hintWindow_ != nullptr; }, 3s));

    const std::wstring expected = L"Второй контакт";
    EXPECT_EQ(SendMessageW(hintWindow_, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(expected.size()));
    wchar_t buffer[64] = {};
    const LRESULT copied = SendMessageW(hintWindow_, WM_GETTEXT, std::size(buffer),
                                        reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(std::wstring(buffer, static_cast<size_t>(copied)), expected);

    // A buffer too small gets the start of the text, terminated.
    wchar_t small[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(SendMessageW(hintWindow_, WM_GETTEXT, std::size(small), reinterpret_cast<LPARAM>(small)), 3);
    EXPECT_EQ(std::wstring(small), L"Вто");
}

// The window is made once and shown again for every hint: its text must
// follow each one, not stay with the text it was created with.
TEST(HintWindowTest, EachActivationReplacesTheWindowText)
{
    THintWindow hint(nullptr);
    const std::pair<const char*, const wchar_t*> hints[] = {
        {"Порт 888", L"Порт 888"},
        {"Второй контакт", L"Второй контакт"},
        {"", L""},
        {"D3(1)", L"D3(1)"},
    };
    for (const auto& [text, expected] : hints) {
        hint.ActivateHint({10, 10, 120, 30}, text);
        EXPECT_EQ(WindowText(hint.HandleValue()), expected) << text;
    }
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
