// What a provider gives back when the skin goes while the program runs:
// the platform's own frame with its caption buttons and icon, no region,
// the platform's transitions, and no frame image kept for a skin that is
// gone.
#include "skin/forms/PlatformTransitions.h"
#include "skin/forms/sSkinProvider.h"

#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Form.h"

namespace pp {

void TsSkinProvider::GiveBackPlatformLook()
{
    frame_->Detach();
    binding_->CacheBitmap.reset();
    const HWND window = LiveWindowOf(&form_);
    if (!window)
        return;
    ForbidPlatformTransitions(window, false);
    if (!form_.Icon().Empty()) {
        const auto icon = reinterpret_cast<LPARAM>(form_.Icon().Handle());
        SendMessageW(window, WM_SETICON, ICON_BIG, icon);
        SendMessageW(window, WM_SETICON, ICON_SMALL, icon);
    }
    // The platform measures its frame again, now with its caption buttons.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

} // namespace pp
