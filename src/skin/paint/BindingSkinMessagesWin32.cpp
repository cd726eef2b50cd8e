// What a binding does with each sub-command of the skin command message.
#include "skin/loading/SkinEngineState.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/WinControl.h"

namespace pp {
namespace {

constexpr UINT RedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

} // namespace

void TsCommonData::SendToChildren(TSkinCommand command, std::uint16_t argument)
{
    auto* container = dynamic_cast<TWinControl*>(SurfaceControl());
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (!child->IsDestroying())
            SendSkinCommand(child, command, 0, argument);
    }
}

bool TsCommonData::HandleSkinChange(TMessage& message)
{
    if (reinterpret_cast<TsSkinManager*>(message.LParam) != SkinManager())
        return true;
    switch (SkinCommandOf(message.WParam)) {
    case SkinMsgSetSkin:
        ResolveSection();
        UpdateTransparencyMode(false);
        SkinEngine.NewSkinBroadcast = false;
        break;
    case SkinMsgRemoveSkin: RemoveSkin(); break;
    default:
        BackgroundStale = true;
        PaintSuspended = false;
        ApplySkinColors(true);
        UpdateTransparencyMode(false);
        break;
    }
    return true;
}

void TsCommonData::RemoveSkin()
{
    if (skinManager_ && skinManager_->IsDestroying())
        skinManager_ = nullptr;
    SectionIndex = BorderImageIndex = PatternIndex = HotPatternIndex = -1;
    PaintSuspended = true;
    if (CacheBitmap)
        CacheBitmap->SetSize(0, 0);
    TControl* surface = SurfaceControl();
    if (auto* edit = dynamic_cast<TEdit*>(surface)) {
        if (!customColor_)
            edit->SetColor(clWindow);
        if (!customFont_)
            edit->Font().SetColor(clWindowText);
        if (const HWND window = LiveWindowOf(edit))
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    }
    auto* container = dynamic_cast<TWinControl*>(surface);
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i)
        if (auto* label = dynamic_cast<TCustomLabel*>(container->Controls(i)))
            label->Font().SetColor(clWindowText);
}

void TsCommonData::RepaintAfterUpdate()
{
    TControl* surface = SurfaceControl();
    const HWND window = LiveWindowOf(surface);
    if (!PaintSuspended || !window)
        return;
    if (!MustWait(true))
        RedrawWindow(window, nullptr, nullptr, RedrawAll);
    SendToChildren(SkinMsgRepaintAfterUpdate);
}

void TsCommonData::ParentChanged(bool redraw)
{
    const bool transparent = IsTransparentForChildren();
    if (transparent)
        BackgroundStale = true;
    TControl* surface = SurfaceControl();
    if (redraw) {
        if (const HWND window = LiveWindowOf(surface))
            RedrawWindow(window, nullptr, nullptr,
                         RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT | RDW_INVALIDATE);
        else if (surface && CanPaintNow(surface))
            surface->Invalidate();
    }
    if (transparent)
        SendToChildren(SkinMsgParentChanged);
}

void TsCommonData::DropCache()
{
    if (!CacheBitmap)
        return;
    SendToChildren(SkinMsgDropCache);
    CacheBitmap->SetSize(0, 0);
    BackgroundStale = true;
}

bool TsCommonData::HandleSkinMessage(TMessage& message)
{
    const std::uint16_t argument = SkinCommandArgument(message.WParam);
    LRESULT& result = message.Result;
    result = 0;
    switch (SkinCommandOf(message.WParam)) {
    case SkinMsgSetSkin:
    case SkinMsgRemoveSkin:
    case SkinMsgRefresh: return HandleSkinChange(message);
    case SkinMsgRepaintAfterUpdate: RepaintAfterUpdate(); return true;
    case SkinMsgIsSkinned: result = 1; return true;
    case SkinMsgSetSuspended: PaintSuspended = argument == 1; return true;
    case SkinMsgSetUrgentPaint: UrgentPaint = argument == 1; return true;
    case SkinMsgQueryStale: result = BackgroundStale || PaintSuspended ? 1 : 0; return true;
    case SkinMsgQueryHalfShown: result = HalfShown ? 1 : 0; return true;
    case SkinMsgSectionNotify: {
        // lParam: the upper-case name of the section whose images changed.
        const auto* announced = reinterpret_cast<const std::string*>(message.LParam);
        if (announced && *announced == skinSection_) {
            SkinEngine.NewSkinBroadcast = false;
            InvalidateOwner(false);
        }
        return true;
    }
    case SkinMsgSetSection:
        // lParam: the new section name.
        if (const auto* name = reinterpret_cast<const std::string*>(message.LParam))
            SetSkinSection(*name);
        return true;
    case SkinMsgMarkStale: BackgroundStale = true; return true;
    case SkinMsgQueryTransparency:
        if (!IsSkinned())
            return false;
        result = QueryTransparency();
        return true;
    case SkinMsgParentChanged: ParentChanged(argument == 1); return true;
    case SkinMsgGetColor: result = GetColor(); return true;
    case SkinMsgSetHalfShown: HalfShown = true; return true;
    case SkinMsgClearStale: BackgroundStale = false; return true;
    case SkinMsgGetSectionIndex:
        if (auto* record = reinterpret_cast<std::int32_t*>(message.LParam))
            *record = SectionIndex;
        return true;
    case SkinMsgDropCache: DropCache(); return true;
    case SkinMsgGetBackground:
        if (auto* request = reinterpret_cast<BackdropRequest*>(message.LParam))
            AnswerBackdropRequest(*request, CurrentState());
        return true;
    case SkinMsgTransparencyMode:
        if (message.LParam == 1) {
            UpdateTransparencyMode(true);
            return true;
        }
        if (PaintFlags == pfModeUndetermined)
            UpdateTransparencyMode(false);
        result = PaintFlags;
        return true;
    case SkinMsgGetBinding: result = reinterpret_cast<LRESULT>(this); return true;
    case SkinMsgSetPrintTarget:
        if (message.LParam)
            PaintFlags |= pfPrinting;
        else
            PaintFlags &= static_cast<std::uint16_t>(~pfPrinting);
        PrintTarget = reinterpret_cast<HDC>(message.LParam);
        return true;
    case SkinMsgGetApplication: result = reinterpret_cast<LRESULT>(Application); return true;
    default: return false;
    }
}

} // namespace pp
