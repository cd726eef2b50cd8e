#pragma once
// A form's skin provider: takes over the form's message handling, answers
// the skin engine's questions on the form's behalf, and owns the control
// adapter that skins the form's standard controls. It is made on the fly
// for a form that has none (see AttachSkinProvider).
//
// The form's frame, caption, menu line and client background are painted
// by its TsFrameSkin, which sees the form's messages before the form does.
#include "skin/controls/CtrlAdapterWin32.h"
#include "skin/controls/MessageTakeoverWin32.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/FormMoving.h"
#include "skin/forms/FrameSkin.h"
#include "skin/forms/ProviderPreviewLink.h"
#include "skin/forms/SystemMenu.h"
#include "skin/paint/SkinBindingWin32.h"
#include "toolkit/Component.h"

#include <functional>
#include <memory>
#include <string>

namespace pp {

class TCustomForm;

// StateBits: the form is frozen (no redrawing) for an animated skin change.
inline constexpr unsigned ProviderFrozen = 0x10000;

using TSkinItemEvent = std::function<void(TControl* control, bool& allowed, std::string& section)>;

class TsSkinProvider : public TComponent, public TsBindingFormHost, public TacAdapterOwner {
public:
    // `owner` must be a form: anything else fails quietly (EAbort) with
    // "TsSkinProvider component may be used with forms only!".
    explicit TsSkinProvider(TComponent* owner);
    // The provider made on the fly: as above, with its initialisation
    // deferred to the form's first non-client message or showing.
    TsSkinProvider(TComponent* owner, bool onTheFly);
    ~TsSkinProvider() override;
    std::string ClassName() const override { return "TsSkinProvider"; }

    bool DeferredInit = false;
    bool UseGlobalColor = true;
    bool MakeSkinMenu = true;
    int ActiveLook = 0;
    // A skin change with animation is under way on the form.
    bool Animating = false;
    unsigned StateBits = 0;
    TSkinItemEvent OnSkinItem;

    TCustomForm& Form() const { return form_; }
    TsCommonData& SkinData() const { return *binding_; }
    TacCtrlAdapter* Adapter() const { return adapter_.get(); }
    TsFrameSkin& Frame() const { return *frame_; }
    // The form's own system menu and its title buttons beside the caption buttons.
    TsSystemMenu& SystemMenu() const { return *systemMenu_; }
    TsTitleButtons& TitleButtons() const { return frame_->CaptionButtons().UserButtons(); }
    TFormAnimations& Animations() const { return *animations_; }
    TFormMoving& Moving() const { return *moving_; }
    // Another provider answered for the form when this one was made: this
    // one leaves the form alone.
    bool Inert() const { return inert_; }
    // Runs the set-up that DeferredInit put off, once.
    void Initialize();

    // TsBindingFormHost
    TWinControl& HostForm() const override;
    bool FormPaintsItself() const override { return false; }
    // TacAdapterOwner
    TWinControl& AdaptedForm() override;
    TsSkinManager* AdapterSkinManager() override;
    void SkinItem(TControl& control, bool& allowed, std::string& section) override;

private:
    static TCustomForm& RequireForm(TComponent* owner);
    void TakeOverForm();
    void NewWndProc(TMessage& message);
    bool HandleSkinCommand(TMessage& message);
    // The frame's own answers (ProviderSkinCommands.cpp).
    bool AnswerFrameCommand(TSkinCommand command, TMessage& message);
    // The skin went: the platform's frame comes back (ProviderPlatformLook.cpp).
    void GiveBackPlatformLook();
    void SkinChanged(TMessage& message);
    void RemoveSkin(TMessage& message);
    void ExamineControls(TControl* control = nullptr);
    bool RunsDeferredInit(UINT msg) const;
    bool RunsInitBefore(UINT msg) const;

    TCustomForm& form_;
    std::unique_ptr<TsCommonData> binding_;
    std::unique_ptr<TacCtrlAdapter> adapter_;
    std::unique_ptr<TsFrameSkin> frame_;
    std::unique_ptr<TsSystemMenu> systemMenu_;
    std::unique_ptr<TFormMoving> moving_;
    std::unique_ptr<TFormAnimations> animations_;
    TMessageTakeover takeover_;
    TProviderPreviewLink preview_;
    bool inert_ = false;
    bool initialized_ = false;
};

// Gives a form without a provider one made on the fly, as the automatic
// skinning does when the form is first activated; answers it, or null when
// the form already has a provider, is tagged never to be skinned, or no
// skin manager is active.
TsSkinProvider* AttachSkinProvider(TCustomForm& form);

} // namespace pp
