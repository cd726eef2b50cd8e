// How a binding reacts to the ordinary messages of its control: moves and
// resizes, focus, hover, visibility and enabled changes. It consumes none of
// them but the skin command message and, when skinned, WM_UPDATEUISTATE.
#include "skin/paint/BindingHooksWin32.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

#include <uxtheme.h>

namespace pp {
namespace {

bool HasHotLook(const TsGeneralData* section) { return section && section->States >= 2; }

void RedrawFrame(HWND window)
{
    if (window)
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

bool ShowsGlow(TControlKind kind)
{
    return !IsParentFreeKind(kind) && !(kind >= ckFirstButton && kind <= ckLastButton);
}

} // namespace

void TsCommonData::MovedOrResized()
{
    if (IsTransparentForChildren()) {
        BackgroundStale = true;
        SendSkinCommand(SurfaceControl(), SkinMsgParentChanged, 0, 1);
    }
    RemoveControlGlow(*this);
}

void TsCommonData::SizeChanged()
{
    if (!IsSkinned())
        return;
    BackgroundStale = true;
    const auto* container = dynamic_cast<TWinControl*>(SurfaceControl());
    if (container && LiveWindowOf(container) && Section()->Props[0].GradientPercent > 0)
        SendToChildren(SkinMsgParentChanged, 1);
    RemoveControlGlow(*this);
}

// Puts the hot or the normal colours on a colour-kind control; true when
// one changed.
bool TsCommonData::SetHotColors(bool hot)
{
    TControl* surface = SurfaceControl();
    const TsGeneralData* section = Section();
    if (!surface || !IsSkinned() || !IsColorKind(ControlKind) || !HasHotLook(section))
        return false;
    const TsGenState& block = section->Props[hot ? 1 : 0];
    bool changed = false;
    if (!customColor_ && surface->Color() != block.Color) {
        surface->SetColor(block.Color);
        changed = true;
    }
    if (ControlKind != ckEdit && !customFont_ && surface->Font().Color() != block.FontColor[fcMain]) {
        surface->Font().SetColor(block.FontColor[fcMain]);
        changed = true;
    }
    return changed;
}

void TsCommonData::FocusChanged(bool gained)
{
    auto* control = dynamic_cast<TWinControl*>(SurfaceControl());
    if (!control || !control->CanFocus())
        return;
    BackgroundStale = true;
    HasFocus = gained;
    const TsGeneralData* section = Section();
    const bool recoloured = IsSkinned() && IsColorKind(ControlKind) && HasHotLook(section);
    if (recoloured && !customColor_) {
        if (gained && control->Color() != section->Props[1].Color)
            control->SetColor(section->Props[1].Color);
        else if (!gained && !IsHot())
            control->SetColor(section->Props[0].Color);
    }
    // Every control shows its hot look on gaining the focus; on losing it
    // only the recoloured kinds repaint here (the others repaint themselves).
    if (gained || recoloured)
        control->Invalidate();
}

void TsCommonData::MouseEntered(TMessage& message)
{
    TControl* surface = SurfaceControl();
    if (!surface || !IsSkinned() || OwnerHas(csDesigning))
        return;
    // Siblings that missed their mouse leave are told now.
    if (TWinControl* parent = surface->Parent()) {
        const auto* sender = reinterpret_cast<TControl*>(message.LParam);
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* sibling = parent->Controls(i);
            if (sibling == sender || sibling == surface || !LiveWindowOf(sibling))
                continue;
            const TsCommonData* other = BindingOf(sibling);
            if (other && other->MouseInside)
                sibling->Perform(CM_MOUSELEAVE);
        }
    }
    if (!IsHoverBlindKind(ControlKind))
        MouseInside = true;
    TellManagerHotControl(*this);
    if (ShowsGlow(ControlKind))
        StartControlGlow(*this);
    if (ControlKind == ckEdit || !IsColorKind(ControlKind) || !HasHotLook(Section()))
        return;
    BackgroundStale = true;
    if (SetHotColors(true))
        surface->Invalidate();
    RedrawFrame(LiveWindowOf(surface));
}

void TsCommonData::MouseLeft()
{
    TControl* surface = SurfaceControl();
    if (!IsHoverBlindKind(ControlKind))
        MouseInside = false;
    if (ShowsGlow(ControlKind))
        RemoveControlGlow(*this);
    if (!surface || ControlKind == ckEdit || !IsColorKind(ControlKind) || IsHot())
        return;
    const bool changed = SetHotColors(false);
    if (!surface->Visible())
        return;
    BackgroundStale = true;
    if (changed)
        surface->Invalidate();
    RedrawFrame(LiveWindowOf(surface));
}

bool TsCommonData::HandleControlMessage(TMessage& message)
{
    switch (message.Msg) {
    case SM_SKINCOMMAND: return HandleSkinMessage(message);
    case WM_MOVE: MovedOrResized(); return false;
    case WM_SIZE: SizeChanged(); return false;
    case WM_SETFOCUS: FocusChanged(true); return false;
    case WM_KILLFOCUS: FocusChanged(false); return false;
    case CM_ENABLEDCHANGED:
    case WM_FONTCHANGE: {
        MouseInside = HasFocus = false;
        const TControl* surface = SurfaceControl();
        if (surface && !surface->Enabled())
            RemoveControlGlow(*this);
        return false;
    }
    case WM_CONTEXTMENU: MatchPopupMenuSkin(*this); return false;
    case WM_UPDATEUISTATE:
        if (IsSkinned()) {
            message.Result = 1;
            return true;
        }
        if (const HWND window = LiveWindowOf(SurfaceControl()); window && IsThemeActive())
            SetWindowTheme(window, L"", L"");
        return false;
    case WM_PARENTNOTIFY:
        if (LOWORD(message.WParam) == WM_CREATE && dynamic_cast<TWinControl*>(SurfaceControl()))
            SendSkinCommand(TCustomForm::GetParentForm(SurfaceControl()), SkinMsgRescanControl,
                            reinterpret_cast<LPARAM>(SurfaceControl()));
        return false;
    case CM_VISIBLECHANGED:
        if (message.WParam) {
            PaintSuspended = false;
        } else {
            if (CacheBitmap)
                CacheBitmap->SetSize(0, 0);
            SendToChildren(SkinMsgDropCache);
        }
        BackgroundStale = true;
        return false;
    case CM_MOUSEENTER:
        if (message.LParam == 0)
            MouseEntered(message);
        return false;
    case CM_MOUSELEAVE:
        if (message.LParam == 0)
            MouseLeft();
        return false;
    case CM_SHOWINGCHANGED: {
        const TControl* surface = SurfaceControl();
        if (surface && surface->Visible())
            RefreshBinding();
        return false;
    }
    default: return false;
    }
}

} // namespace pp
