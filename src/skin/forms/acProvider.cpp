#include "skin/forms/acProvider.h"

#include "skin/controls/AdapterFamilyWin32.h"
#include "skin/controls/DialogChildAdaptersWin32.h"
#include "skin/forms/AutomaticSkinning.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"

#include <exception>
#include <utility>

namespace pp {
namespace {

// The dialog's extended style bit that lays it out from right to left.
constexpr LONG RightToLeftBit = 1 << 14;

TsSkinManager* ActiveManager()
{
    TsSkinManager* manager = SkinEngine.DefaultManager;
    return manager && manager->Active() ? manager : nullptr;
}

} // namespace

TacProvider::TacProvider(TComponent* owner) : TComponent(owner) { }

TacProvider::~TacProvider()
{
    ForgetAttachedProvider(this);
    // A dialog that is gone may have had its handle given to a new window:
    // nothing of that window may be touched.
    const bool dialogGone = dlgWnd_ && !IsWindow(dlgWnd_);
    for (auto& adapter : childAdapters_)
        if (dialogGone)
            adapter->ControlGone();
    childAdapters_.clear();
    if (dlgAdapter_ && dialogGone)
        dlgAdapter_->ControlGone();
    dlgAdapter_.reset();
    if (skinProvider_)
        RemoveFreeNotification(skinProvider_);
}

void TacProvider::InitForForm(TCustomForm& form)
{
    skinProvider_ = AttachSkinProvider(form);
    if (skinProvider_)
        FreeNotification(skinProvider_);
}

bool TacProvider::InitForDialog(HWND dialog)
{
    dlgWnd_ = dialog;
    TsSkinManager* manager = ActiveManager();
    if (!manager)
        return true;
    rightToLeft_ = (GetWindowLongW(dialog, GWL_EXSTYLE) & RightToLeftBit) != 0;
    if (!dlgAdapter_ || dlgAdapter_->Released())
        dlgAdapter_ = std::make_unique<TacDialogWnd>(dialog, false, "DIALOG", manager, nullptr);
    if (const TPoint at = RequestedDialogPosition; at.X != -1 || at.Y != -1)
        pendingPosition_ = at;
    if (IsWindowVisible(dialog))
        MoveToPendingPosition();
    if (!AdaptNewChildren())
        return false;
    SendSkinCommandToWindow(dialog, SkinMsgSetSkin, reinterpret_cast<LPARAM>(manager));
    return true;
}

void TacProvider::DialogActivated()
{
    MoveToPendingPosition();
    AdaptNewChildren();
}

void TacProvider::MoveToPendingPosition()
{
    if (!pendingPosition_)
        return;
    const TPoint at = *std::exchange(pendingPosition_, std::nullopt);
    SetWindowPos(dlgWnd_, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TacProvider::AdaptNewChildren()
{
    TsSkinManager* manager = ActiveManager();
    if (!dlgWnd_ || !dlgAdapter_ || !manager)
        return true;
    const TsCommonData* binding = dlgAdapter_->SkinData();
    const bool cached = binding && binding->CacheBitmap && !binding->CacheBitmap->Empty();
    try {
        AdaptDialogChildren(dlgWnd_, manager, cached, childAdapters_);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool TacProvider::DialogReleased() const
{
    if (!dlgWnd_)
        return false;
    return !dlgAdapter_ || dlgAdapter_->Released() || !IsWindow(dlgWnd_) ||
           TacMainWnd::FromWindow(dlgWnd_) != dlgAdapter_.get();
}

void TacProvider::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == skinProvider_)
        skinProvider_ = nullptr;
}

} // namespace pp
