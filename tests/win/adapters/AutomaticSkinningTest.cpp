// Automatic skinning through the thread's window-creation hook: which forms
// get a provider and when, and which ownerless platform dialogs get a dialog
// adapter with adapters for their controls, and that they let go again.
#include "AdapterFixture.h"

#include "skin/controls/MainWndWin32.h"
#include "skin/forms/AutomaticSkinning.h"
#include "skin/forms/acProvider.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Screen.h"

#include <algorithm>
#include <vector>

namespace pp::test {
namespace {

// The skin manager's own hook, which it installs once it has announced a
// skin: the next hook first, then automatic skinning.
LRESULT CALLBACK ForwardingHook(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code >= 0 && SkinManagerSeams.WindowCreation)
        SkinManagerSeams.WindowCreation(code, wParam, lParam);
    return result;
}

class AutoSkinTest : public AdapterTest {
protected:
    void SetUp() override
    {
        AdapterTest::SetUp();
        InstallAutomaticSkinning();
        hook_ = SetWindowsHookExW(WH_CBT, ForwardingHook, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook_, nullptr);
    }
    void TearDown() override
    {
        for (HWND dialog : dialogs_)
            DestroyWindow(dialog);
        DropAttachedDialogs();
        UnhookWindowsHookEx(hook_);
        SkinManagerSeams.WindowCreation = nullptr;
        Screen->OnFormWindowCreated = nullptr;
        AdoptedWindows = nullptr;
        AdapterTest::TearDown();
    }

    static bool Skinned(TForm& shown) { return SendSkinCommand(&shown, SkinMsgIsSkinned) == 1; }
    static bool AttachedTo(TCustomForm& attached)
    {
        return std::ranges::any_of(AttachedProviders(), [&](const TacProvider* p) {
            return p && p->SkinProvider() && &p->SkinProvider()->Form() == &attached;
        });
    }
    static const TacProvider* DialogProvider(HWND dialog)
    {
        for (const TacProvider* p : AttachedProviders())
            if (p && p->DlgWnd() == dialog && !p->DialogReleased())
                return p;
        return nullptr;
    }
    // An ownerless dialog with one push button (and a platform tool bar
    // when asked), made and shown without waiting for it to close.
    HWND ShowOwnerlessDialog(bool withToolBar = false, int x = 20);

    std::vector<HWND> dialogs_;

private:
    HHOOK hook_ = nullptr;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

void AppendText(std::vector<WORD>& words, const wchar_t* text)
{
    for (; *text; ++text)
        words.push_back(static_cast<WORD>(*text));
    words.push_back(0);
}

void AppendItem(std::vector<WORD>& words, DWORD style, short x, short y, WORD id, const wchar_t* className)
{
    if (words.size() % 2)
        words.push_back(0); // items start on a DWORD
    const DWORD exStyle = 0;
    words.push_back(LOWORD(style));
    words.push_back(HIWORD(style));
    words.push_back(LOWORD(exStyle));
    words.push_back(HIWORD(exStyle));
    for (short v : {x, y, short(60), short(14)})
        words.push_back(static_cast<WORD>(v));
    words.push_back(id);
    AppendText(words, className);
    AppendText(words, L"Go");
    words.push_back(0); // no creation data
}

HWND AutoSkinTest::ShowOwnerlessDialog(bool withToolBar, int x)
{
    std::vector<WORD> words;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    words.push_back(LOWORD(style));
    words.push_back(HIWORD(style));
    words.push_back(0); // extended style
    words.push_back(0);
    words.push_back(withToolBar ? 2 : 1);
    for (short v : {short(x), short(20), short(120), short(60)})
        words.push_back(static_cast<WORD>(v));
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    AppendText(words, L"Ownerless");
    AppendItem(words, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 30, IDOK, L"Button");
    if (withToolBar) {
        // The platform's common controls register the tool bar class.
        LoadLibraryW(L"comctl32.dll");
        AppendItem(words, WS_CHILD | WS_VISIBLE, 0, 0, 100, L"ToolbarWindow32");
    }
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                                   reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
                                                   PlainDialogProc, 0);
    if (dialog) {
        dialogs_.push_back(dialog);
        ShowWindow(dialog, SW_SHOW);
        PumpMessagesUntil([&] { return IsWindowVisible(dialog) != FALSE; });
    }
    return dialog;
}

TEST_F(AutoSkinTest, FormLoadingWhenItsWindowIsMadeGetsItsProviderOnFirstActivation)
{
    auto* late = new TForm(Application);
    late->BeginLoading();
    late->HandleNeeded();
    EXPECT_FALSE(Skinned(*late)) << "attached while loading";
    late->Loaded();
    EXPECT_FALSE(Skinned(*late)) << "attached before any activation";
    late->Show();
    PumpMessagesUntil([&] { return Skinned(*late); });
    EXPECT_TRUE(Skinned(*late));
    EXPECT_TRUE(AttachedTo(*late));
    delete late;
    EXPECT_FALSE(AttachedTo(*late)) << "freed with its form";
}

TEST_F(AutoSkinTest, LoadedFormIsAttachedAsSoonAsItsWindowExists)
{
    auto* early = new TForm(Application);
    early->HandleNeeded();
    EXPECT_FALSE(IsWindowVisible(early->Handle()));
    EXPECT_TRUE(Skinned(*early));
    EXPECT_TRUE(AttachedTo(*early));
    delete early;
}

// A form of another class, for the rules that go by class name.
class TNamedForm : public TForm {
public:
    TNamedForm(TComponent* owner, std::string name) : TForm(owner), name_(std::move(name)) { }
    std::string ClassName() const override { return name_; }

private:
    std::string name_;
};

TEST_F(AutoSkinTest, SkinningRulesAndExclusionsDecideWhichFormsGetAProvider)
{
    struct TCase {
        const char* ClassName;
        unsigned Rules;
        std::intptr_t Tag;
        bool Skinned;
    };
    const TCase cases[] = {
        {"TForm", srStdForms, 0, true},
        {"TForm", srStdDialogs | srThirdParty, 0, false},
        {"TMessageForm", srStdDialogs, 0, true},
        {"TMessageForm", srStdForms | srThirdParty, 0, false},
        {"TfcPopup", AllSkinningRules, 0, false},
        {"TForm", AllSkinningRules, -98, false},
        // The bits 0x61 of a tag do not count.
        {"TForm", AllSkinningRules, -98 | 0x01, false},
        {"TForm", AllSkinningRules, 0x61, true},
    };
    for (const TCase& c : cases) {
        manager->SkinningRules = c.Rules;
        auto* candidate = new TNamedForm(Application, c.ClassName);
        candidate->Tag = c.Tag;
        candidate->Show();
        Application->ProcessMessages();
        EXPECT_EQ(Skinned(*candidate), c.Skinned) << c.ClassName << " rules " << c.Rules << " tag " << c.Tag;
        EXPECT_EQ(AttachedTo(*candidate), c.Skinned) << c.ClassName;
        delete candidate;
    }
}

TEST_F(AutoSkinTest, ShowMessageWindowIsSkinnedWithItsButton)
{
    auto* box = new TMessageForm("Hello");
    box->Show();
    Application->ProcessMessages();
    ASSERT_TRUE(Skinned(*box));
    EXPECT_NE(TacMainWnd::FromWindow(box->OkButton->Handle()), nullptr) << "its button is adapted";
    delete box;
}

TEST_F(AutoSkinTest, TheApplicationWindowIsNeverGivenAProvider)
{
    const std::size_t before = AttachedProviders().size();
    HandleSkinningHook(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(Application->Handle()), 0);
    EXPECT_EQ(AttachedProviders().size(), before);
    EXPECT_EQ(SendSkinCommandToWindow(Application->Handle(), SkinMsgIsSkinned), 0);
}

TEST_F(AutoSkinTest, OwnedMessageBoxKeepsThePlatformLookAndAnOwnerlessOneIsAdapted)
{
    ShowForm();
    for (const bool owned : {true, false}) {
        const TacProvider* seen = nullptr;
        bool buttonAdapted = false;
        TModalWatcher watcher([&](HWND window) {
            if (WindowClassName(window) != L"#32770" || !IsWindowVisible(window))
                return false;
            seen = DialogProvider(window);
            const HWND button = FindWindowExW(window, nullptr, L"Button", nullptr);
            buttonAdapted = button && TacMainWnd::FromWindow(button) != nullptr;
            SendMessageW(window, WM_COMMAND, IDOK, 0);
            return true;
        });
        MessageBoxW(owned ? form->Handle() : nullptr, L"Text", L"Box", MB_OK);
        ASSERT_EQ(watcher.Handled(), 1);
        EXPECT_EQ(seen != nullptr, !owned) << (owned ? "owned" : "ownerless");
        EXPECT_EQ(buttonAdapted, !owned) << (owned ? "owned" : "ownerless");
    }
    // The box is gone: the next window destroyed purges its provider.
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(
        std::ranges::none_of(AttachedProviders(), [](const TacProvider* p) { return p && p->DlgWnd(); }));
}

TEST_F(AutoSkinTest, ThirdVisibleDialogStaysUnskinnedUnlessItHoldsAToolBar)
{
    const HWND first = ShowOwnerlessDialog(false, 10);
    const HWND second = ShowOwnerlessDialog(false, 40);
    ASSERT_NE(DialogProvider(first), nullptr);
    ASSERT_NE(DialogProvider(second), nullptr);
    EXPECT_EQ(DialogProvider(second)->ChildAdapters().size(), 1u) << "the dialog's button";

    const HWND third = ShowOwnerlessDialog(false, 70);
    EXPECT_EQ(DialogProvider(third), nullptr);
    const HWND withToolBar = ShowOwnerlessDialog(true, 100);
    ASSERT_NE(FindWindowExW(withToolBar, nullptr, L"ToolbarWindow32", nullptr), nullptr);
    EXPECT_NE(DialogProvider(withToolBar), nullptr);

    // With only one adapted dialog left visible, a new one is adapted again.
    for (HWND hidden : {third, first, withToolBar})
        ShowWindow(hidden, SW_HIDE);
    EXPECT_NE(DialogProvider(ShowOwnerlessDialog(false, 130)), nullptr);
}

TEST_F(AutoSkinTest, DestroyedDialogLetsItsAdaptersGo)
{
    const HWND dialog = ShowOwnerlessDialog();
    const HWND button = FindWindowExW(dialog, nullptr, L"Button", nullptr);
    ASSERT_NE(DialogProvider(dialog), nullptr);
    ASSERT_NE(TacMainWnd::FromWindow(button), nullptr);
    DestroyWindow(dialog);
    dialogs_.clear();
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(
        std::ranges::none_of(AttachedProviders(), [](const TacProvider* p) { return p && p->DlgWnd(); }));
}

TEST_F(AutoSkinTest, AdaptedDialogGoesToTheRequestedPosition)
{
    RequestedDialogPosition = {30, 40};
    const HWND dialog = ShowOwnerlessDialog();
    RequestedDialogPosition = {-1, -1};
    ASSERT_NE(DialogProvider(dialog), nullptr);
    RECT r{};
    GetWindowRect(dialog, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
}

TEST_F(AutoSkinTest, DialogsAreLeftAloneWithoutTheDialogRule)
{
    manager->SkinningRules = srStdForms;
    EXPECT_EQ(DialogProvider(ShowOwnerlessDialog()), nullptr);
    manager->SkinningRules = AllSkinningRules;
    bool asked = false;
    manager->OnSysDlgInit = [&](HWND, bool& allowed) {
        asked = true;
        allowed = false;
    };
    EXPECT_EQ(DialogProvider(ShowOwnerlessDialog(false, 60)), nullptr);
    EXPECT_TRUE(asked);
}

} // namespace
} // namespace pp::test
