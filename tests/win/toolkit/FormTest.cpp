#include "TestForm.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <memory>

namespace pp::test {
namespace {

TEST(FormTest, BuiltFormTicksAndRunsClickAndMenuHandlers)
{
    std::unique_ptr<TForm1> form(new TForm1(nullptr));
    form->Show();
    ASSERT_TRUE(PumpMessagesUntil([&] { return form->Ticks >= 3; })) << "the timer never ticked";

    SendMessageW(form->Button2->Handle(), BM_CLICK, 0, 0);
    PostMessageW(form->Button1->Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpMessagesUntil([&] { return form->Clicks.size() == 2; }));
    EXPECT_EQ(form->Clicks, (std::vector<std::string>{"Button2", "Button1"}));

    // A menu command arrives as WM_COMMAND with the item's number.
    SendMessageW(form->Handle(), WM_COMMAND, form->N2->Command(), 0);
    EXPECT_EQ(form->Clicks.back(), "N2");
    EXPECT_NE(GetMenu(form->Handle()), nullptr);
}

// A menu freed before its form must not stay behind as the form's menu: a
// later SetMenu would reach the freed one.
TEST(FormTest, FreedMainMenuLeavesTheForm)
{
    std::unique_ptr<TForm1> form(new TForm1(nullptr));
    form->Show();
    delete form->MainMenu1;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    auto* menu = new TMainMenu(form.get());
    form->SetMenu(menu);
    EXPECT_EQ(form->Menu(), menu);
}

TEST(FormTest, ComponentsAreCreatedAndLoadedInListedOrder)
{
    TForm1 form(nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < form.ComponentCount(); ++i)
        names.push_back(form.Components(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Label1", "StatusBar1", "Button1", "Button2", "Timer1",
                                               "MainMenu1", "N1", "N2"}));
    // Values were assigned while each component was loading and reading; after
    // the build none of them is.
    for (unsigned state : form.StatesWhileAssigned)
        EXPECT_EQ(state & (csLoading | csReading), csLoading | csReading);
    for (int i = 0; i < form.ComponentCount(); ++i)
        EXPECT_FALSE(form.Components(i)->IsLoading()) << names[i];
    EXPECT_FALSE(form.IsLoading());
    EXPECT_EQ(form.N1->Count(), 1);
    EXPECT_EQ(form.MainMenu1->Items().Items(0), form.N1);
}

TEST(FormTest, FormIsCentredOnFirstShowAndCarriesItsBorderIcons)
{
    TForm1 form(nullptr);
    form.Show();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);
    const LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 393);
    EXPECT_EQ(client.bottom, 192) << "the menu bar, set after the client size, must not eat into it";
    // The status bar docks at the bottom of the client area.
    EXPECT_EQ(form.StatusBar1->Bottom(), client.bottom);
    EXPECT_EQ(form.StatusBar1->Width(), 393);
}

TEST(FormTest, FocusStartsOnTheFirstControlInTabOrder)
{
    TForm1 form(nullptr);
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpMessagesUntil([&] { return form.Button1->Focused(); }, 2s);
    EXPECT_EQ(form.ActiveControl(), form.Button1);
}

TEST(FormTest, ClassNamesAndWindowClassNamesAgree)
{
    TForm1 form(nullptr);
    form.HandleNeeded();
    struct TCase {
        TWinControl* Control;
        const char* Name;
    };
    const TCase cases[] = {{&form, "TForm1"}, {form.Button1, "TButton"}, {form.StatusBar1, "TStatusBar"}};
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Control->ClassName(), c.Name);
        EXPECT_EQ(WindowClassName(c.Control->Handle()), WideFromUtf8(c.Name));
    }
    EXPECT_EQ(form.Label1->ClassName(), "TLabel");
    EXPECT_EQ(form.Timer1->ClassName(), "TTimer");
    EXPECT_EQ(form.MainMenu1->ClassName(), "TMainMenu");
    EXPECT_EQ(form.N1->ClassName(), "TMenuItem");
    EXPECT_EQ(Application->ClassName(), "TApplication");
    EXPECT_EQ(WindowClassName(Application->Handle()), L"TApplication");
    EXPECT_EQ(WindowClassName(form.Timer1->WindowHandle()), L"TPUtilWindow");
    // A push button keeps the system button's behaviour under its own name.
    WNDCLASSEXW info{sizeof(info)};
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TButton", &info));
    EXPECT_EQ(SendMessageW(form.Button1->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(FormTest, TextsReachTheWindowsAsUnicode)
{
    TForm1 form(nullptr);
    EXPECT_EQ(WindowText(form.Button2->Handle()), L"Мигалка");
    form.Button2->SetCaption("Бегущий огонь");
    EXPECT_EQ(WindowText(form.Button2->Handle()), L"Бегущий огонь");
    EXPECT_EQ(form.Button2->Caption(), "Бегущий огонь");
    // A status bar answers WM_GETTEXT with panel 0.
    EXPECT_EQ(WindowText(form.StatusBar1->Handle()), L"Порт 888");
}

TEST(FormTest, ScreenListsFormsInCreationOrder)
{
    const int before = Screen->FormCount();
    auto first = std::make_unique<TForm1>(nullptr);
    auto second = std::make_unique<TForm>(nullptr);
    ASSERT_EQ(Screen->FormCount(), before + 2);
    EXPECT_EQ(Screen->Forms(before), first.get());
    EXPECT_EQ(Screen->Forms(before + 1), second.get());
    first.reset();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), second.get());
}

} // namespace
} // namespace pp::test

namespace pp::test {
namespace {

TEST(FormCloseTest, CloseActionsHideOrFreeTheForm)
{
    auto* form = new TForm1(Application);
    form->Show();
    form->Close();
    EXPECT_FALSE(form->Visible()) << "the default action hides";
    form->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    form->Show();
    form->Close();
    const int index = [&] {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i) == form)
                return i;
        return -1;
    }();
    ASSERT_GE(index, 0) << "freed before its handler returned";
    EXPECT_TRUE(PumpMessagesUntil(
        [&] {
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (Screen->Forms(i) == form)
                    return false;
            return true;
        },
        2s));
}

TEST(FormCloseTest, CloseQueryCanRefuse)
{
    TForm1 form(nullptr);
    form.Show();
    form.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Visible());
}

} // namespace
} // namespace pp::test
