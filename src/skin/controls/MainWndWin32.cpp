#include "skin/controls/MainWndWin32.h"

#include "skin/controls/AdapterHotWindowWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/BindingHooksWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "win/Text.h"

#include <uxtheme.h>

#include <stdexcept>

namespace pp {

namespace {

constexpr UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

bool BindingBelongsToForm(const TsCommonData* binding) { return binding && binding->FormHost(); }

} // namespace

TacMainWnd::TacMainWnd(HWND window, bool initialRepaint, const std::string& section, TsSkinManager* manager,
                       TsCommonData* binding)
    : window_(window), control_(TWinControl::FromHandle(window)), manager_(manager), binding_(binding)
{
    // Classic drawing under the skin: the visual style would paint over it.
    if (IsThemeActive() && !BindingBelongsToForm(binding) && section != "DIALOG")
        SetWindowTheme(window_, L"", L"");
    if (!binding_) {
        ownBinding_ = std::make_unique<TsCtrlSkinData>(control_, true);
        binding_ = ownBinding_.get();
    }
    if (manager_ && binding_->SkinManager() != manager_)
        binding_->SetSkinManager(manager_);
    if (binding_->SkinSection().empty() && !section.empty())
        binding_->SetSkinSection(section);
    InitHook();
    RefreshTextCopy();
    TakeOver();
    if (control_) {
        savedStyle_ = control_->ControlStyle;
        control_->ControlStyle |= csOpaque;
    }
    if (initialRepaint && IsWindowVisible(window_))
        RedrawWindow(window_, nullptr, nullptr, RedrawAll);
}

TacMainWnd::~TacMainWnd() { Release(); }

void TacMainWnd::TakeOver()
{
    SetPropW(window_, AdapterProperty, this);
    if (!control_) {
        previousProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TacMainWnd::StubProc)));
        return;
    }
    takeover_.Take(*control_, [this](TMessage& message) { HandleAdapterMessage(message); });
}

void TacMainWnd::GiveBack()
{
    if (control_) {
        takeover_.GiveBack();
    } else if (IsWindow(window_) && GetWindowLongPtrW(window_, GWLP_WNDPROC) ==
                                        reinterpret_cast<LONG_PTR>(&TacMainWnd::StubProc)) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    }
    if (IsWindow(window_)) {
        RemovePropW(window_, AdapterProperty);
        if (IsThemeActive())
            SetWindowTheme(window_, nullptr, nullptr);
    }
}

void TacMainWnd::Release(bool giveBackWindow)
{
    if (released_)
        return;
    released_ = true;
    if (control_)
        control_->ControlStyle = savedStyle_;
    if (giveBackWindow)
        GiveBack();
    takeover_.Detach();
    ReleaseHook();
    ForgetAdapterHotWindow(window_);
}

void TacMainWnd::ControlGone()
{
    takeover_.Detach();
    ForgetAdapterHotWindow(window_);
    control_ = nullptr;
    released_ = true;
}

TacMainWnd* TacMainWnd::FromWindow(HWND window)
{
    return window ? static_cast<TacMainWnd*>(GetPropW(window, AdapterProperty)) : nullptr;
}

LRESULT CALLBACK TacMainWnd::StubProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TacMainWnd* adapter = FromWindow(window);
    if (!adapter)
        return DefWindowProcW(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    adapter->HandleAdapterMessage(message);
    return message.Result;
}

void TacMainWnd::CallPrevious(TMessage& message)
{
    if (control_)
        takeover_.CallPrevious(message);
    else if (previousProc_)
        message.Result = CallWindowProcW(previousProc_, window_, message.Msg, message.WParam, message.LParam);
    else
        message.Result = DefWindowProcW(window_, message.Msg, message.WParam, message.LParam);
}

LRESULT TacMainWnd::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    CallPrevious(message);
    return message.Result;
}

bool TacMainWnd::SkinActive() const
{
    const TsSkinManager* manager = binding_ ? binding_->SkinManager() : nullptr;
    return manager && manager->Active() && !manager->IsDestroying();
}

void TacMainWnd::RefreshTextCopy()
{
    const int length = GetWindowTextLengthW(window_);
    text_.assign(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        text_.resize(static_cast<std::size_t>(GetWindowTextW(window_, text_.data(), length + 1)));
}

void TacMainWnd::HandleAdapterMessage(TMessage& message)
{
    if (HandleWindowMessage(message))
        return;
    if (!binding_ || !SkinActive()) {
        CallPrevious(message);
        return;
    }
    if (message.Msg == SM_SKINCOMMAND && HandleSkinCommand(message))
        return;
    CallPrevious(message);
}

// The platform messages every adapter treats alike; true when answered.
bool TacMainWnd::HandleWindowMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
        if (binding_)
            RemoveControlGlow(*binding_);
        ForgetAdapterHotWindow(window_);
        try {
            CallPrevious(message);
        } catch (const std::exception&) {
            // A window on its way out must not throw back into the platform.
            message.Result = 1;
        }
        return true;
    case WM_UPDATEUISTATE: return true;
    case WM_SIZE:
        if (binding_)
            binding_->BackgroundStale = true;
        return false;
    case WM_SETTEXT:
        CallPrevious(message);
        RefreshTextCopy();
        return true;
    case WM_CONTEXTMENU:
        if (binding_)
            MatchPopupMenuSkin(*binding_);
        return false;
    case WM_MOUSEMOVE:
        if (IsWindowEnabled(window_))
            SetAdapterHotWindow(manager_, window_);
        return false;
    case WM_PRINTCLIENT: {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        HandleAdapterMessage(paint);
        message.Result = paint.Result;
        return true;
    }
    default: return false;
    }
}

void TacMainWnd::RepaintAfterUpdate()
{
    if (binding_->PaintSuspended) {
        binding_->PaintSuspended = false;
        if (!binding_->MustWait(true))
            RedrawWindow(window_, nullptr, nullptr, RedrawAll);
    }
    WindowChildrenRepaintAfterUpdate(window_);
}

// The skin command message; true when answered.
bool TacMainWnd::HandleSkinCommand(TMessage& message)
{
    const bool fromOurManager = reinterpret_cast<TsSkinManager*>(message.LParam) == binding_->SkinManager();
    message.Result = 0;
    switch (SkinCommandOf(message.WParam)) {
    case SkinMsgSetSkin:
        if (fromOurManager) {
            binding_->ResolveSection();
            binding_->BackgroundStale = true;
            BroadcastToChildWindows(window_, message.Msg, message.WParam, message.LParam);
        }
        return true;
    case SkinMsgRemoveSkin:
        if (fromOurManager)
            ReleaseHook();
        return true;
    case SkinMsgRefresh:
        if (fromOurManager) {
            binding_->ResolveSection();
            binding_->BackgroundStale = true;
            binding_->PaintSuspended = false;
            if (IsWindowVisible(window_)) {
                InvalidateRect(window_, nullptr, FALSE);
                UpdateWindow(window_);
                BroadcastToChildWindows(window_, message.Msg, message.WParam, message.LParam);
            }
        }
        return true;
    case SkinMsgRepaintAfterUpdate: RepaintAfterUpdate(); return true;
    case SkinMsgIsSkinned: message.Result = 1; return true;
    case SkinMsgQueryStale: message.Result = binding_->MustWait(false) ? 1 : 0; return true;
    case SkinMsgGetColor:
        CallPrevious(message);
        if (message.Result == 0)
            message.Result = static_cast<LRESULT>(
                binding_->EffectiveColor(binding_->CurrentState(), window_));
        return true;
    case SkinMsgClearStale:
        if (binding_->BackgroundStale)
            binding_->ComposeItem(binding_->CurrentState());
        return true;
    case SkinMsgGetApplication: message.Result = reinterpret_cast<LRESULT>(Application); return true;
    case SkinMsgSetSection:
    case SkinMsgQueryTransparency:
    case SkinMsgGetBackground:
    case SkinMsgSetPrintTarget:
    case SkinMsgGetBinding: return binding_->HandleSkinMessage(message);
    default: return false;
    }
}

} // namespace pp
