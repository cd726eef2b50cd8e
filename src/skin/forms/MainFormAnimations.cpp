#include "skin/forms/MainFormAnimations.h"

#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace pp {
namespace {

TFormAnimations* MainFormAnimations()
{
    TCustomForm* form = Application ? Application->MainForm() : nullptr;
    if (!form || !form->HandleAllocated())
        return nullptr;
    auto* provider = reinterpret_cast<TsSkinProvider*>(SendSkinCommand(form, SkinMsgGetProvider));
    return provider && !provider->Inert() ? &provider->Animations() : nullptr;
}

bool PlayMainFormCommand(const TMessage& message)
{
    if (message.Msg != WM_SYSCOMMAND)
        return false;
    TFormAnimations* animations = MainFormAnimations();
    if (!animations)
        return false;
    switch (message.WParam & 0xFFF0) {
    case SC_MINIMIZE: return animations->MinimizeMainForm();
    case SC_RESTORE: return animations->RestoreMainForm();
    default: return false;
    }
}

} // namespace

void InstallMainFormAnimations()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    auto previous = SkinManagerSeams.ApplicationMessage;
    SkinManagerSeams.ApplicationMessage = [previous](TMessage& message) {
        if (PlayMainFormCommand(message)) {
            message.Result = 0;
            return true;
        }
        return previous && previous(message);
    };
}

} // namespace pp
