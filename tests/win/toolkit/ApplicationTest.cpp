// The application title, the top-level error handler and its message box.
#include "toolkit/Application.h"
#include "TestForm.h"
#include "core/Error.h"
#include "support/WinTestSupport.h"
#include "win/Text.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(ApplicationTest, TitleComesFromTheExecutableName)
{
    struct TCase {
        const char* Path;
        const char* Title;
    };
    const TCase cases[] = {
        {"C:\\Program Files\\PINDREL_PORT.EXE", "Pindrel_port"},
        {"C:\\tools\\Pindrel_Port.exe", "Pindrel_port"},
        {"c:\\a.b\\my.app.exe", "my"},
        {"lowercase.exe", "lowercase"},
        {"C:\\dir\\NoDot", "Nodot"},
        {"C:\\dir\\ПОРТ.exe", "Порт"},
        {"C:\\dir\\.hidden.exe", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ApplicationTitleFromPath(c.Path), c.Title) << c.Path;
    EXPECT_EQ(Application->Title(), "win_toolkit");
}

TEST(ApplicationTest, ErrorTextGetsAFullStopWhenItsLastCharacterSortsAfterIt)
{
    struct TCase {
        const char* Message;
        const char* Shown;
    };
    const TCase cases[] = {
        {"'1 ' is not a valid integer value", "'1 ' is not a valid integer value."},
        {"Not enough timers available", "Not enough timers available."},
        {"Done.", "Done."},
        {"Really?", "Really?."},
        {"Stop!", "Stop!"},       // '!' sorts before '.'
        {"range 1-", "range 1-"}, // so does '-'
        {"Ошибка", "Ошибка."},
        {"", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TApplication::ErrorBoxText(c.Message), c.Shown) << c.Message;
}

TEST(ApplicationTest, AnErrorInAHandlerIsShownAndTheProgramCarriesOn)
{
    TForm1 form(nullptr);
    form.Show();
    form.Button1->OnClick = [](TObject*) { throw Exception("'abc' is not a valid integer value"); };
    std::wstring caption, text;
    HWND owner = nullptr;
    TModalWatcher watcher([&](HWND w) {
        owner = GetWindow(w, GW_OWNER);
        return CloseMessageBox(w, &caption, &text);
    });
    SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(watcher.Handled(), 1);
    EXPECT_EQ(caption, WideFromUtf8(Application->Title()));
    EXPECT_EQ(text, L"'abc' is not a valid integer value.");
    EXPECT_EQ(owner, Application->Handle());
    // The form works on afterwards.
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    form.Button1->OnClick = [&](TObject*) { form.Clicks.push_back("again"); };
    SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Clicks.back(), "again");
}

TEST(ApplicationTest, TimersKeepTickingWhileTheErrorBoxIsOpen)
{
    TForm1 form(nullptr);
    form.Show();
    int ticksSeenWhileOpen = -1;
    TModalWatcher watcher([&](HWND w) {
        if (WindowClassName(w) != L"#32770")
            return false;
        if (ticksSeenWhileOpen < 0) {
            ticksSeenWhileOpen = form.Ticks;
            return false;
        }
        if (form.Ticks <= ticksSeenWhileOpen + 2)
            return false;
        // The main window takes no input while the box is up.
        EXPECT_FALSE(IsWindowEnabled(form.Handle()));
        return CloseMessageBox(w);
    });
    Application->ShowException(Exception("x"));
    EXPECT_GT(form.Ticks, ticksSeenWhileOpen + 2);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST(ApplicationTest, OnExceptionReplacesTheBox)
{
    std::string seen;
    Application->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
    TForm1 form(nullptr);
    form.Button1->OnClick = [](TObject*) { throw Exception("boom"); };
    SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);
    Application->OnException = nullptr;
    EXPECT_EQ(seen, "boom");
}

TEST(ApplicationTest, HooksSeeTheApplicationWindowsMessages)
{
    std::vector<UINT> seen;
    const int id = Application->HookMainWindow([&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg != WM_APP + 3)
            return false;
        m.Result = 7;
        return true;
    });
    EXPECT_EQ(SendMessageW(Application->Handle(), WM_APP + 3, 0, 0), 7);
    Application->UnhookMainWindow(id);
    EXPECT_NE(SendMessageW(Application->Handle(), WM_APP + 3, 0, 0), 7);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), UINT(WM_APP + 3)), 1);
}

} // namespace
} // namespace pp::test
