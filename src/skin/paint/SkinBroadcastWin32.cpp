#include "skin/paint/SkinBroadcastWin32.h"

#include "skin/loading/SkinAnnouncerWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

#include <algorithm>

namespace pp {
namespace {

std::vector<TCustomForm*>& RegisteredForms()
{
    static std::vector<TCustomForm*> forms;
    return forms;
}

struct TSkinCommandMessage {
    WPARAM WParam;
    LPARAM LParam;
    // A refresh repaints window after window (and stopping the fades goes
    // window after window before it) with the skin whole and every binding
    // on its sections: the port's timers tick between two windows, so that
    // a skin change does not hold up the port refresh.
    bool TicksBetweenWindows = false;
};

TSkinCommand CommandOf(TSkinAnnouncement what)
{
    switch (what) {
    case TSkinAnnouncement::SetSkin: return SkinMsgSetSkin;
    case TSkinAnnouncement::RemoveSkin: return SkinMsgRemoveSkin;
    case TSkinAnnouncement::Refresh: return SkinMsgRefresh;
    case TSkinAnnouncement::StopFading: return SkinMsgStopFading;
    }
    return SkinMsgRefresh;
}

bool AnswersSkinned(HWND window)
{
    return SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgIsSkinned), 0) == 1;
}

bool IsSkinnedWindow(const TWinControl& control)
{
    return control.HandleAllocated() && AnswersSkinned(control.HandleValue());
}

void SendTo(TControl& control, const TSkinCommandMessage& message)
{
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed)
        control.Perform(SM_SKINCOMMAND, message.WParam, message.LParam);
    else if (windowed->HandleAllocated())
        SendMessageW(windowed->HandleValue(), SM_SKINCOMMAND, message.WParam, message.LParam);
    if (message.TicksBetweenWindows)
        RunDuePunctualTimers();
}

// Skinned windows and windowless controls hear it; an unskinned container
// passes it on to what it holds.
void SendToChildren(const TWinControl& container, const TSkinCommandMessage& message)
{
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* child = container.Controls(i);
        if (child->IsDestroying())
            return;
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (!windowed || IsSkinnedWindow(*windowed))
            SendTo(*child, message);
        else
            SendToChildren(*windowed, message);
    }
}

void SendToForm(TCustomForm& form, const TSkinCommandMessage& message)
{
    if (form.IsDestroying() || form.IsLoading())
        return;
    SendTo(form, message);
    SendToChildren(form, message);
}

// The application's forms that no provider answers for, last created first.
void SendToApplicationForms(const TSkinCommandMessage& message)
{
    if (!Application)
        return;
    for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
        auto* form = dynamic_cast<TCustomForm*>(Application->Components(i));
        if (form && !IsSkinnedWindow(*form))
            SendToForm(*form, message);
    }
}

void SendToAdoptedWindows(TSkinAnnouncement what, const TSkinCommandMessage& message)
{
    if (!AdoptedWindows)
        return;
    for (HWND window : AdoptedWindows()) {
        if (!IsWindowVisible(window))
            continue;
        if (what == TSkinAnnouncement::Refresh)
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        else
            SendMessageW(window, SM_SKINCOMMAND, message.WParam, message.LParam);
    }
}

void SendToEveryForm(TsSkinManager& manager, TSkinAnnouncement what)
{
    const bool skinIsWhole = what == TSkinAnnouncement::Refresh || what == TSkinAnnouncement::StopFading;
    const TSkinCommandMessage message{SkinCommandWParam(CommandOf(what)), reinterpret_cast<LPARAM>(&manager),
                                      skinIsWhole};
    SendToApplicationForms(message);
    // A form may unregister itself while it handles the message.
    for (TCustomForm* form : std::vector<TCustomForm*>(ProviderForms()))
        if (std::ranges::find(ProviderForms(), form) != ProviderForms().end())
            SendToForm(*form, message);
    SendToAdoptedWindows(what, message);
}

void SendToHotWindow(TsSkinManager& manager, HWND window, bool entered)
{
    SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(entered ? SkinMsgMouseEnter : SkinMsgMouseLeave),
                 reinterpret_cast<LPARAM>(&manager));
}

void SendToFormerHotControl(TsSkinManager& manager, TControl& control)
{
    if (control.IsDestroying())
        return;
    SendTo(control, {SkinCommandWParam(SkinMsgMouseLeave), reinterpret_cast<LPARAM>(&manager)});
}

} // namespace

void InstallSkinBroadcast()
{
    SkinAnnouncer.ToEveryForm = SendToEveryForm;
    SkinAnnouncer.ToHotWindow = SendToHotWindow;
    SkinAnnouncer.ToFormerHotControl = SendToFormerHotControl;
    // HoldsMouse stays for the skin binding to fill: only it knows whether
    // the mouse is still inside its control.
}

const std::vector<TCustomForm*>& ProviderForms() { return RegisteredForms(); }

void RegisterProviderForm(TCustomForm& form)
{
    if (std::ranges::find(RegisteredForms(), &form) == RegisteredForms().end())
        RegisteredForms().push_back(&form);
}

void UnregisterProviderForm(TCustomForm& form)
{
    // The last entry takes the freed slot: the skin change across forms walks
    // the list in this order.
    std::vector<TCustomForm*>& forms = RegisteredForms();
    const auto found = std::ranges::find(forms, &form);
    if (found == forms.end())
        return;
    *found = forms.back();
    forms.pop_back();
}

} // namespace pp
