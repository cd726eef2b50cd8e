#include "skin/forms/AutomaticSkinning.h"

#include "skin/controls/CtrlAdapterWin32.h"
#include "skin/controls/DialogChildAdaptersWin32.h"
#include "skin/forms/acMenuWindow.h"
#include "skin/forms/acProvider.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace pp {
namespace {

constexpr WORD MenuClassAtom = 32768;
constexpr WORD DesktopClassAtom = 32769;
constexpr WORD DialogClassAtom = 32770;
// Automatic skinning reads a form's tag without these bits.
constexpr std::intptr_t IgnoredTagBits = 0x61;

std::vector<TacProvider*>& Attached()
{
    static std::vector<TacProvider*> attached;
    return attached;
}

// Set while every dialog's provider is freed at once: the destroyed
// windows then need no purge of their own.
bool droppingAll = false;

bool ApplicationDestroying() { return !Application || Application->IsDestroying(); }

TsSkinManager* ActiveDefaultManager()
{
    TsSkinManager* manager = SkinEngine.DefaultManager;
    return manager && manager->Active() && !manager->IsDestroying() ? manager : nullptr;
}

TacProvider* AttachedFor(HWND window)
{
    for (TacProvider* provider : Attached()) {
        if (!provider)
            continue;
        if (provider->DlgWnd() == window && !provider->DialogReleased())
            return provider;
        const TsSkinProvider* form = provider->SkinProvider();
        if (form && LiveWindowOf(&form->Form()) == window)
            return provider;
    }
    return nullptr;
}

// The toolkit form whose window `window` is, the newest first.
TCustomForm* FormOfWindow(HWND window)
{
    if (!Screen)
        return nullptr;
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TCustomForm* form = Screen->Forms(i);
        if (!form->IsDestroying() && form->HandleAllocated() && form->HandleValue() == window)
            return form;
    }
    return nullptr;
}

bool IsDialogWindow(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name) == L"#32770";
}

bool IsExcludedClass(const std::string& name)
{
    return std::ranges::find(ExcludedFormClasses, name) != std::end(ExcludedFormClasses);
}

int VisibleAdaptedDialogs()
{
    return static_cast<int>(std::ranges::count_if(Attached(), [](const TacProvider* provider) {
        return provider && provider->DlgWnd() && !provider->DialogReleased() &&
               IsWindowVisible(provider->DlgWnd());
    }));
}

bool DialogAllowed(TsSkinManager& manager, HWND dialog)
{
    // The platform's parent query names the owner of a popup window too.
    if (GetParent(dialog) || !(manager.SkinningRules & srStdDialogs))
        return false;
    if (VisibleAdaptedDialogs() >= VisibleDialogLimit && !HoldsToolBar(dialog))
        return false;
    bool allowed = true;
    if (manager.OnSysDlgInit)
        manager.OnSysDlgInit(dialog, allowed);
    return allowed;
}

void AttachDialog(TsSkinManager& manager, HWND dialog)
{
    if (!DialogAllowed(manager, dialog))
        return;
    auto provider = std::make_unique<TacProvider>(nullptr);
    if (provider->InitForDialog(dialog))
        Attached().push_back(provider.release());
}

// The rule that admits a form: the show-message window counts as a dialog.
unsigned RuleFor(const TCustomForm& form)
{
    return form.ClassName() == "TMessageForm" ? srStdDialogs : srStdForms;
}

void AttachForm(TsSkinManager& manager, TCustomForm& form)
{
    // Attached on a later activation, once the form has all its properties.
    if ((form.Tag & ~IgnoredTagBits) == NeverSkinnedTag || form.IsLoading())
        return;
    if (IsExcludedClass(form.ClassName()) || !(manager.SkinningRules & RuleFor(form)))
        return;
    auto* provider = new TacProvider(&form);
    Attached().push_back(provider);
    provider->InitForForm(form);
}

bool HasNoParentOrOwner(const CREATESTRUCTW& create) { return create.hwndParent == nullptr; }

bool IsMainFormCandidate(HWND window)
{
    const TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    return !mainForm || (mainForm->HandleAllocated() && mainForm->HandleValue() != window);
}

void WindowCreated(HWND window, const CBT_CREATEWNDW* creation)
{
    if (!creation || !creation->lpcs)
        return;
    const CREATESTRUCTW& create = *creation->lpcs;
    if (IS_INTRESOURCE(create.lpszClass)) {
        const WORD atom = LOWORD(reinterpret_cast<ULONG_PTR>(create.lpszClass));
        if (atom == MenuClassAtom)
            MenuWindowCreated(HCBT_CREATEWND, reinterpret_cast<WPARAM>(window),
                              reinterpret_cast<LPARAM>(creation));
        else if (atom == DialogClassAtom)
            AttachAutomatically(window);
        // The desktop (DesktopClassAtom) and every other atom: nothing.
        static_cast<void>(DesktopClassAtom);
        return;
    }
    const std::wstring name = create.lpszClass;
    if (name == L"#32768") {
        MenuWindowCreated(HCBT_CREATEWND, reinterpret_cast<WPARAM>(window),
                          reinterpret_cast<LPARAM>(creation));
        return;
    }
    if (name != L"TPUtilWindow" && create.dwExStyle != 0 && create.style != 0 &&
        IsMainFormCandidate(window) && HasNoParentOrOwner(create))
        AttachAutomatically(window);
}

std::vector<HWND> AdoptedDialogWindows()
{
    std::vector<HWND> windows;
    for (const TacProvider* provider : Attached())
        if (provider && provider->DlgWnd() && !provider->DialogReleased())
            windows.push_back(provider->DlgWnd());
    return windows;
}

// Frees the providers `doomed` picks (each leaves its slot null as it
// goes), then drops the null slots.
void FreeProvidersWhere(const std::function<bool(const TacProvider&)>& doomed)
{
    std::vector<TacProvider*> freed;
    for (TacProvider* provider : Attached())
        if (provider && doomed(*provider))
            freed.push_back(provider);
    for (TacProvider* provider : freed)
        delete provider;
    std::erase(Attached(), nullptr);
}

} // namespace

void AttachAutomatically(HWND window)
{
    TsSkinManager* manager = ActiveDefaultManager();
    if (!manager || ApplicationDestroying() || !window)
        return;
    PurgeAttachedProviders();
    if (TacProvider* known = AttachedFor(window)) {
        known->DialogActivated();
        return;
    }
    if (SendSkinCommandToWindow(window, SkinMsgIsSkinned) == 1)
        return;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if ((style & WS_POPUP) && !(style & WS_BORDER))
        return;
    if (TCustomForm* form = FormOfWindow(window))
        AttachForm(*manager, *form);
    else if (IsDialogWindow(window))
        AttachDialog(*manager, window);
}

void AttachFormWhenCreated(TCustomForm& form)
{
    if (form.HandleAllocated())
        AttachAutomatically(form.HandleValue());
}

void HandleSkinningHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (ApplicationDestroying())
        return;
    const auto window = reinterpret_cast<HWND>(wParam);
    // Nothing may be thrown back through the platform's hook chain.
    try {
        switch (code) {
        case HCBT_DESTROYWND:
            if (!droppingAll)
                PurgeAttachedProviders();
            break;
        case HCBT_ACTIVATE: AttachAutomatically(window); break;
        case HCBT_CREATEWND: WindowCreated(window, reinterpret_cast<const CBT_CREATEWNDW*>(lParam)); break;
        default: break;
        }
    } catch (const std::exception&) {
        // The window keeps the platform's look.
    }
}

void InstallAutomaticSkinning()
{
    SkinManagerSeams.WindowCreation = HandleSkinningHook;
    AdoptedWindows = AdoptedDialogWindows;
    if (Screen)
        Screen->OnFormWindowCreated = AttachFormWhenCreated;
}

const std::vector<TacProvider*>& AttachedProviders() { return Attached(); }

void PurgeAttachedProviders()
{
    FreeProvidersWhere([](const TacProvider& provider) { return provider.DialogReleased(); });
}

void DropAttachedDialogs()
{
    const TFlagScope dropping(droppingAll, true);
    FreeProvidersWhere([](const TacProvider& provider) { return provider.DlgWnd() != nullptr; });
}

void ForgetAttachedProvider(TacProvider* provider)
{
    for (TacProvider*& entry : Attached())
        if (entry == provider)
            entry = nullptr;
}

} // namespace pp
