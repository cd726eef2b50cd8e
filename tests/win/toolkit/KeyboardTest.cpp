// Keys a form handles itself: access keys, Enter, Escape and Tab.
#include "TestForm.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(KeyboardTest, AccessKeysAreTheCharactersMarkedWithAnAmpersand)
{
    struct TCase {
        wchar_t Key;
        const char* Caption;
        bool Matches;
    };
    const TCase cases[] = {
        {L'a', "&All", true},       {L'A', "&All", true},          {L'l', "&All", false},
        {L'b', "Abort", false},     {L'x', "Save && e&xit", true}, {L'&', "Save && exit", false},
        {L'п', "&Параметры", true}, {L'р', "&Параметры", false},   {L'a', "trailing&", false},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(IsAccelerator(c.Key, c.Caption), c.Matches) << c.Caption;
}

TEST(KeyboardTest, AltAndTheMarkedLetterClicksTheButton)
{
    TForm1 form(nullptr);
    form.Button2->SetCaption("&Мигалка");
    form.Show();
    PostMessageW(form.Button1->Handle(), WM_SYSCHAR, L'м', 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !form.Clicks.empty(); }, 2s));
    EXPECT_EQ(form.Clicks, (std::vector<std::string>{"Button2"}));
}

TEST(KeyboardTest, EnterAndEscapeGoToTheDefaultAndCancelButtons)
{
    TForm1 form(nullptr);
    form.Button1->SetDefault(true);
    form.Button2->Cancel = true;
    form.Show();
    // The keys arrive at a control that is not a button.
    HWND target = form.StatusBar1->Handle();
    PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return form.Clicks.size() == 2; }, 2s));
    EXPECT_EQ(form.Clicks, (std::vector<std::string>{"Button1", "Button2"}));
}

TEST(KeyboardTest, TabMovesTheFocusAlongTheTabOrder)
{
    TForm1 form(nullptr);
    form.Show();
    form.FocusControl(form.Button1);
    form.SelectNext(true);
    EXPECT_EQ(form.ActiveControl(), form.Button2);
    form.SelectNext(true);
    EXPECT_EQ(form.ActiveControl(), form.Button1) << "the status bar takes no focus";
    form.SelectNext(false);
    EXPECT_EQ(form.ActiveControl(), form.Button2);
}

} // namespace
} // namespace pp::test
