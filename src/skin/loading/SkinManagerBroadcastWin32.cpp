// How the manager tells the windows about a new skin, a removed skin and
// changed options, and which window and control are under the mouse.
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"

#include "toolkit/Control.h"
#include "toolkit/Timer.h"

namespace pp {

void TsSkinManager::Send(TSkinAnnouncement what)
{
    if (SkinAnnouncer.ToEveryForm)
        SkinAnnouncer.ToEveryForm(*this, what);
}

void TsSkinManager::BroadcastNewSkin(bool animated)
{
    if (IsLoading())
        return;
    // The forms are frozen whether or not they blend afterwards: a form
    // that took the new skin half-way must never reach the screen. The
    // refresh below ends the freeze, so both skip it alike while loading.
    if (animated && !IsDesigning() && !SkinEngine.SkinLoading && SkinManagerSeams.PrepareSkinChangeAnimation)
        SkinManagerSeams.PrepareSkinChangeAnimation(*this);
    if (SkinManagerSeams.ResetMenuBorderWidth)
        SkinManagerSeams.ResetMenuBorderWidth();
    skin_.SkinData.Active = false;
    {
        TFlagScope broadcasting(SkinEngine.NewSkinBroadcast, true);
        skin_.UpdateStandardIndexes();
        Send(TSkinAnnouncement::SetSkin);
    }
    // A failed first load leaves no skin: the windows were told, and keep
    // the platform's look.
    skin_.SkinData.Active = skinLoaded_;
    InstallCreationHook();
    // Every window holds the new skin now: the port's timers may tick.
    RunDuePunctualTimers();
    if (animated)
        BroadcastRefresh(true);
}

void TsSkinManager::BroadcastRemoveSkin()
{
    creationHook_.Reset();
    skin_.SkinData.Active = false;
    Send(TSkinAnnouncement::RemoveSkin);
    // The windows have let go of the indexes: the records can go.
    skin_.ClearImages();
    skin_.SetSections({});
    skinLoaded_ = false;
}

void TsSkinManager::BroadcastRefresh(bool animated)
{
    if (!IsDesigning())
        Send(TSkinAnnouncement::StopFading);
    const bool animate = animated && !IsDesigning() && !SkinEngine.SkinLoading;
    if (animate && SkinManagerSeams.PrepareSkinChangeAnimation)
        SkinManagerSeams.PrepareSkinChangeAnimation(*this);
    Send(TSkinAnnouncement::Refresh);
    if (animate && SkinManagerSeams.FinishSkinChangeAnimation)
        SkinManagerSeams.FinishSkinChangeAnimation(*this);
}

void TsSkinManager::SetHotWindow(HWND window)
{
    if (window == hotWindow_)
        return;
    if (hotControl_ && !SetHotControl(nullptr))
        return;
    ReplaceHotWindow(window);
}

void TsSkinManager::ReplaceHotWindow(HWND window)
{
    const HWND previous = std::exchange(hotWindow_, window);
    if (!SkinAnnouncer.ToHotWindow)
        return;
    if (previous)
        SkinAnnouncer.ToHotWindow(*this, previous, false);
    if (window)
        SkinAnnouncer.ToHotWindow(*this, window, true);
}

bool TsSkinManager::SetHotControl(TControl* control)
{
    if (control == hotControl_)
        return true;
    if (!control && SkinAnnouncer.HoldsMouse && SkinAnnouncer.HoldsMouse(*hotControl_))
        return false;
    if (control)
        ReplaceHotWindow(nullptr);
    TControl* previous = std::exchange(hotControl_, control);
    // A control freed while hot must not be told anything afterwards.
    if (previous)
        RemoveFreeNotification(previous);
    if (control)
        FreeNotification(control);
    if (previous && SkinAnnouncer.ToFormerHotControl)
        SkinAnnouncer.ToFormerHotControl(*this, *previous);
    return true;
}

void TsSkinManager::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == hotControl_)
        hotControl_ = nullptr;
}

} // namespace pp
