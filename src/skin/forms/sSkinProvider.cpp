#include "skin/forms/sSkinProvider.h"

#include "skin/forms/MainFormAnimations.h"
#include "skin/forms/PlatformTransitions.h"
#include "skin/forms/ProviderSkinChange.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/Form.h"

namespace pp {
namespace {

// The automatic skinning ignores these bits of a form's tag.
constexpr std::intptr_t IgnoredTagBits = 0x61;

TsSkinProvider* ProviderAnswering(TCustomForm& form)
{
    return reinterpret_cast<TsSkinProvider*>(SendSkinCommand(&form, SkinMsgGetProvider));
}

// Sub-commands a provider answers while its binding has no skin.
bool AnsweredUnskinned(TSkinCommand command)
{
    switch (command) {
    case SkinMsgSetSkin:
    case SkinMsgRemoveSkin:
    case SkinMsgGetProvider:
    case SkinMsgIsSkinned:
    case SkinMsgTransparencyMode:
    case SkinMsgGetApplication:
    case SkinMsgGetClientOffset: return true;
    default: return false;
    }
}

} // namespace

TCustomForm& TsSkinProvider::RequireForm(TComponent* owner)
{
    auto* form = dynamic_cast<TCustomForm*>(owner);
    if (!form)
        throw EAbort("TsSkinProvider component may be used with forms only!");
    return *form;
}

TsSkinProvider::TsSkinProvider(TComponent* owner) : TsSkinProvider(owner, false) { }

TsSkinProvider::TsSkinProvider(TComponent* owner, bool onTheFly)
    : TComponent(&RequireForm(owner)), form_(RequireForm(owner)), preview_(form_)
{
    DeferredInit = onTheFly;
    InstallSkinChangeSteps();
    if (TsSkinProvider* other = ProviderAnswering(form_)) {
        if (!other->DeferredInit || other->initialized_) {
            inert_ = true;
            return;
        }
        // An on-the-fly provider that has not started yet gives way.
        delete other;
    }
    binding_ = std::make_unique<TsCommonData>(this, false);
    binding_->SetSkinSection("FORM");
    const auto callPrevious = [this](TMessage& message) { takeover_.CallPrevious(message); };
    frame_ = std::make_unique<TsFrameSkin>(form_, *binding_, callPrevious);
    moving_ = std::make_unique<TFormMoving>(form_, *frame_, callPrevious);
    animations_ = std::make_unique<TFormAnimations>(form_, *binding_, *frame_, callPrevious);
    InstallMainFormAnimations();
    systemMenu_ = std::make_unique<TsSystemMenu>(form_, [this] { return binding_->SkinManager(); });
    frame_->CaptionButtons().OnShowSystemMenu = [this](TPoint at) {
        systemMenu_->MakeSkinMenu = MakeSkinMenu;
        systemMenu_->Popup(at);
    };
    TakeOverForm();
    RegisterProviderForm(form_);
    ActiveLook = 1;
    if (!DeferredInit && !form_.IsLoading())
        Initialize();
}

TsSkinProvider::~TsSkinProvider()
{
    if (inert_)
        return;
    UnregisterProviderForm(form_);
    frame_->Detach();
    takeover_.GiveBack();
    // The form's messages no longer come here: the helpers can go.
    animations_.reset();
    moving_.reset();
    adapter_.reset();
    binding_.reset();
}

void TsSkinProvider::TakeOverForm()
{
    takeover_.Take(form_, [this](TMessage& message) { NewWndProc(message); });
}

TWinControl& TsSkinProvider::HostForm() const { return form_; }
TWinControl& TsSkinProvider::AdaptedForm() { return form_; }
TsSkinManager* TsSkinProvider::AdapterSkinManager() { return binding_ ? binding_->SkinManager() : nullptr; }

void TsSkinProvider::SkinItem(TControl& control, bool& allowed, std::string& section)
{
    if (OnSkinItem)
        OnSkinItem(&control, allowed, section);
}

void TsSkinProvider::Initialize()
{
    if (inert_ || initialized_)
        return;
    initialized_ = true;
    DeferredInit = false;
    binding_->ResolveSection();
    const TsSkinManager* manager = binding_->SkinManager();
    if (UseGlobalColor && !binding_->CustomColor() && binding_->IsSkinned() && manager)
        form_.SetColor(manager->GetGlobalColor());
    if (binding_->IsSkinned()) {
        frame_->Attach();
        ForbidPlatformTransitions(LiveWindowOf(&form_), frame_->DrawNonClientArea);
    }
    ExamineControls();
}

// The control adapter looks at the form's controls (or one of them) again;
// it is made the first time the form is skinned.
void TsSkinProvider::ExamineControls(TControl* control)
{
    if (IsDesigning() || !binding_->IsSkinned())
        return;
    if (!adapter_)
        adapter_ = std::make_unique<TacCtrlAdapter>(*this);
    if (control)
        adapter_->AddNewItem(control, "");
    else
        adapter_->AddAllItems();
}

bool TsSkinProvider::RunsDeferredInit(UINT msg) const
{
    return DeferredInit && (msg == WM_NCHITTEST || msg == WM_NCPAINT || msg == CM_SHOWINGCHANGED);
}

// The platform may activate a form, and paint its frame with the
// activation, before it asks anything else: the set-up runs first then.
bool TsSkinProvider::RunsInitBefore(UINT msg) const
{
    return DeferredInit && (msg == WM_NCACTIVATE || msg == WM_NCPAINT) && LiveWindowOf(&form_);
}

void TsSkinProvider::NewWndProc(TMessage& message)
{
    if (RunsInitBefore(message.Msg))
        Initialize();
    if (RunsDeferredInit(message.Msg)) {
        // The form settles its own showing first, so that its controls have windows.
        takeover_.CallPrevious(message);
        Initialize();
        return;
    }
    if (preview_.Handle(message, binding_->SkinManager(), [this](TMessage& m) { takeover_.CallPrevious(m); }))
        return;
    if (message.Msg == SM_SKINCOMMAND && HandleSkinCommand(message))
        return;
    if (binding_->IsSkinned() &&
        (moving_->HandleMessage(message, binding_->SkinManager()) || animations_->HandleMessage(message)))
        return;
    if (frame_->HandleMessage(message))
        return;
    takeover_.CallPrevious(message);
}

void TsSkinProvider::SkinChanged(TMessage& message)
{
    binding_->HandleSkinMessage(message);
    // Removing the skin suspended the form's painting; a new skin may come
    // without a refresh after it, and the form's controls, which wait
    // while their form answers "stale", would then never paint again.
    binding_->PaintSuspended = false;
    if (!initialized_) {
        Initialize();
        return;
    }
    ExamineControls();
    if (binding_->IsSkinned())
        frame_->Attach();
    frame_->RepaintFrame();
}

void TsSkinProvider::RemoveSkin(TMessage& message)
{
    GiveBackPlatformLook();
    binding_->HandleSkinMessage(message);
    BroadcastToControls(form_, message.Msg, message.WParam, message.LParam);
    if (UseGlobalColor && !binding_->CustomColor())
        form_.SetColor(clBtnFace);
}

// True when the provider answered for the form.
bool TsSkinProvider::HandleSkinCommand(TMessage& message)
{
    const TSkinCommand command = SkinCommandOf(message.WParam);
    if (!binding_->IsSkinned() && !AnsweredUnskinned(command))
        return false;
    const bool fromOurManager = reinterpret_cast<TsSkinManager*>(message.LParam) == binding_->SkinManager();
    message.Result = 0;
    switch (command) {
    case SkinMsgSetSkin:
        if (!fromOurManager)
            return false;
        SkinChanged(message);
        return true;
    case SkinMsgRemoveSkin:
        if (!fromOurManager)
            return false;
        RemoveSkin(message);
        return true;
    case SkinMsgRefresh:
        ExamineControls();
        frame_->InvalidateFrame();
        if (form_.Visible())
            if (const HWND window = LiveWindowOf(&form_))
                RedrawWindow(window, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        return true;
    case SkinMsgGetProvider: message.Result = reinterpret_cast<LRESULT>(this); return true;
    case SkinMsgIsSkinned: message.Result = 1; return true;
    case SkinMsgRescanControl:
        if (!form_.IsLoading())
            ExamineControls(reinterpret_cast<TControl*>(message.LParam));
        return true;
    case SkinMsgTransparencyMode: return binding_->HandleSkinMessage(message);
    case SkinMsgGetApplication: message.Result = reinterpret_cast<LRESULT>(Application); return true;
    case SkinMsgGetClientOffset: {
        const TPoint offset = frame_->ClientOffset();
        message.Result = MAKELONG(offset.X, offset.Y);
        return true;
    }
    case SkinMsgGetBackground:
        if (auto* request = reinterpret_cast<BackdropRequest*>(message.LParam))
            frame_->AnswerBackdrop(*request);
        return true;
    case SkinMsgMarkStale: frame_->InvalidateFrame(); return true;
    case SkinMsgRepaintFrame: frame_->RepaintFrame(); return true;
    default: return AnswerFrameCommand(command, message);
    }
}

TsSkinProvider* AttachSkinProvider(TCustomForm& form)
{
    const TsSkinManager* manager = SkinEngine.DefaultManager;
    if (!manager || !manager->Active() || (form.Tag & ~IgnoredTagBits) == NeverSkinnedTag ||
        SendSkinCommand(&form, SkinMsgIsSkinned) != 0)
        return nullptr;
    auto* provider = new TsSkinProvider(&form, true);
    provider->UseGlobalColor = false;
    if (const HWND window = LiveWindowOf(&form); window && IsWindowVisible(window)) {
        provider->Initialize();
        RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    provider->MakeSkinMenu = false;
    return provider;
}

} // namespace pp
