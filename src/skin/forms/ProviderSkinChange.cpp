#include "skin/forms/ProviderSkinChange.h"

#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/AnimationState.h"
#include "skin/paint/PaintWindowTreeWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinChangeAnimationWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

#include <vector>

namespace pp {
namespace {

constexpr UINT RedrawWhole = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

bool ApplicationMinimized()
{
    return Application && Application->Handle() && IsIconic(Application->Handle());
}

// A form that shows the change: visible, not minimized, top-level, with a
// provider of the manager that changes the skin.
TsSkinProvider* TakingPart(TCustomForm& form, const TsSkinManager& manager)
{
    const HWND window = LiveWindowOf(&form);
    if (!window || !form.Visible() || IsIconic(window) || form.Parent())
        return nullptr;
    auto* provider = reinterpret_cast<TsSkinProvider*>(SendSkinCommand(&form, SkinMsgGetProvider));
    if (!provider || provider->Inert() || provider->SkinData().SkinManager() != &manager)
        return nullptr;
    return provider;
}

std::vector<TsSkinProvider*> ProvidersTakingPart(TsSkinManager& manager)
{
    std::vector<TsSkinProvider*> providers;
    for (TCustomForm* form : ProviderForms())
        if (TsSkinProvider* provider = TakingPart(*form, manager))
            providers.push_back(provider);
    return providers;
}

// The toolkit's forms are never translucent: the blend ends fully opaque.
constexpr int FormAlpha = 255;

BOOL CALLBACK RedrawChildWindow(HWND child, LPARAM)
{
    RunDuePunctualTimers();
    RedrawWindow(child, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    return TRUE;
}

// The whole form again, window after window, with the port's timers
// ticking between two windows: repainting every control of the main window
// at once takes longer than the port refresh may wait.
void RedrawFormWhole(TCustomForm& form)
{
    const HWND window = LiveWindowOf(&form);
    if (!window)
        return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    EnumChildWindows(window, RedrawChildWindow, 0);
}

// The form's new look, blended in over its frozen old one.
void BlendIntoNewLook(TsSkinProvider& provider, const TacSkinChanging& effect)
{
    TCustomForm& form = provider.Form();
    provider.Frame().InvalidateFrame();
    TSkinChangeRequest request;
    request.Form = &form;
    request.NewLook = TBitmap(form.Width(), form.Height());
    PaintWindowTree(request.NewLook, form);
    const bool skinFramed = provider.Frame().DrawNonClientArea;
    request.TimeMs = skinFramed ? effect.Time : 0;
    request.FinalAlpha = FormAlpha;
    request.Mode = skinFramed ? effect.Mode : atFading;
    // The form may be gone by the blend's end: only its window is kept.
    request.Finished = [window = form.Handle()] {
        if (IsWindow(window))
            RedrawWindow(window, nullptr, nullptr, RedrawWhole);
    };
    AnimateSkinChange(std::move(request));
}

} // namespace

void PrepareFormsForSkinChange(TsSkinManager& manager)
{
    if (ApplicationMinimized())
        return;
    if (SkinEngine.DefaultManager == &manager)
        AnimationState.FormAnimation = true;
    for (TsSkinProvider* provider : ProvidersTakingPart(manager)) {
        if (provider->StateBits & ProviderFrozen)
            continue;
        provider->Animating = true;
        provider->StateBits |= ProviderFrozen;
        SendMessageW(provider->Form().Handle(), WM_SETREDRAW, FALSE, 0);
    }
}

void FinishFormsSkinChange(TsSkinManager& manager)
{
    if (SkinEngine.DefaultManager == &manager)
        AnimationState.FormAnimation = false;
    const TacSkinChanging& effect = manager.AnimEffects.SkinChanging;
    for (TCustomForm* form : std::vector<TCustomForm*>(ProviderForms())) {
        auto* provider = reinterpret_cast<TsSkinProvider*>(SendSkinCommand(form, SkinMsgGetProvider));
        if (!provider || provider->Inert() || !(provider->StateBits & ProviderFrozen))
            continue;
        const HWND window = form->Handle();
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        provider->Animating = false;
        provider->StateBits &= ~ProviderFrozen;
        if (IsIconic(window))
            continue;
        if (effect.Active && !ApplicationMinimized()) {
            BlendIntoNewLook(*provider, effect);
        } else {
            provider->Frame().InvalidateFrame();
            RedrawFormWhole(*form);
        }
    }
}

void InstallSkinChangeSteps()
{
    SkinManagerSeams.PrepareSkinChangeAnimation = PrepareFormsForSkinChange;
    SkinManagerSeams.FinishSkinChangeAnimation = FinishFormsSkinChange;
}

} // namespace pp
