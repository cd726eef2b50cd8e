#include "skin/forms/ProviderPreviewLink.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/loading/SkinPreviewWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace pp {
namespace {

// The main form's window as told to the editing tool: only that window
// takes previewed skins.
HWND announcedWindow = nullptr;

// What the tool may ask the form with the 0xA400 message, by wParam.
constexpr WPARAM ToolClosesForm = 1, ToolAnnounceKind = SkinPreviewAnnounceKind, ToolAsksSkinned = 4;

} // namespace

TProviderPreviewLink::TProviderPreviewLink(TCustomForm& form)
    : form_(form), enabled_(!form.IsDesigning() && SkinPreviewRequested())
{
}

bool TProviderPreviewLink::Handle(TMessage& message, TsSkinManager* manager,
                                  const TCallPrevious& callPrevious)
{
    if (enabled_ && !announced_)
        AnnounceOnce();
    if (message.Msg == WM_COPYDATA)
        return PassSkinRecord(message, manager, callPrevious);
    if (message.Msg != SkinPreviewMessage)
        return false;
    message.Result = 0;
    switch (message.WParam) {
    case ToolClosesForm: form_.Close(); break;
    case ToolAnnounceKind: callPrevious(message); break;
    case ToolAsksSkinned: message.Result = 1; break;
    default: break;
    }
    return true;
}

// The form's window must exist and the form must be the application's main
// form; other forms never announce.
void TProviderPreviewLink::AnnounceOnce()
{
    const HWND window = LiveWindowOf(&form_);
    if (!window || !Application || Application->MainForm() != &form_)
        return;
    announced_ = true;
    announcedWindow = window;
    AnnounceToSkinPreviewTool(window);
}

// The form's own handling comes first. A record that arrives while a
// preview is being applied (a tool sending from a nested message loop, or
// the Error box of a failed load) is not applied on top of it.
bool TProviderPreviewLink::PassSkinRecord(TMessage& message, TsSkinManager* manager,
                                          const TCallPrevious& callPrevious)
{
    callPrevious(message);
    if (message.Result != 0 || !manager || applying_ || LiveWindowOf(&form_) != announcedWindow ||
        !announcedWindow)
        return true;
    TFlagScope applying(applying_, true);
    message.Result = manager->ApplySkinPreview(message.WParam,
                                               reinterpret_cast<const COPYDATASTRUCT*>(message.LParam));
    return true;
}

} // namespace pp
