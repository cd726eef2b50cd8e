// The binding's properties, section resolution, colours, suspension and
// what it hands to the painters.
#include "skin/paint/SkinBindingWin32.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/paint/BindingHooksWin32.h"
#include "skin/paint/SectionLook.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/ColorOps.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

#include <algorithm>
#include <cctype>

namespace pp {
namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool ManagerUsable(const TsSkinManager* manager) { return manager && !manager->IsDestroying(); }

bool ManagerActive(const TsSkinManager* manager)
{
    return ManagerUsable(manager) && manager->Active() && manager->Skin().SkinData.Active;
}

} // namespace

TsCommonData::TsCommonData(TComponent* owner, bool withCache)
    : HostControl(dynamic_cast<TControl*>(owner)),
      HostObject(owner),
      formHost_(dynamic_cast<TsBindingFormHost*>(owner))
{
    if (withCache)
        CacheBitmap = std::make_unique<TBitmap>(0, 0);
}

TsCommonData::~TsCommonData()
{
    RemoveControlGlow(*this);
    SectionIndex = BorderImageIndex = PatternIndex = HotPatternIndex = -1;
    skinManager_ = nullptr;
}

TsSkinManager* TsCommonData::SkinManager() const
{
    return skinManager_ ? skinManager_ : SkinEngine.DefaultManager;
}

const TsLoadedSkin* TsCommonData::Skin() const
{
    const TsSkinManager* manager = SkinManager();
    return ManagerUsable(manager) ? &manager->Skin() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const
{
    const TsLoadedSkin* skin = Skin();
    if (!skin || !skin->IsValidSkinIndex(SectionIndex))
        return nullptr;
    return &skin->Sections()[static_cast<std::size_t>(SectionIndex)];
}

TControl* TsCommonData::SurfaceControl() const
{
    return HostControl ? HostControl : (formHost_ ? &formHost_->HostForm() : nullptr);
}

bool TsCommonData::OwnerHas(unsigned componentState) const
{
    return HostObject && HostObject->HasState(componentState);
}

bool TsCommonData::OwnerBusy() const { return OwnerHas(csLoading | csReading | csDestroying); }

void TsCommonData::SetColorFlag(bool& flag, bool on)
{
    if (on == flag)
        return;
    flag = on;
    if (!OwnerHas(csLoading))
        ApplySkinColors(true);
}

void TsCommonData::SetSkinSection(std::string_view name)
{
    const std::string upper = name.empty() ? std::string("UNKNOWN") : UpperCase(name);
    if (upper == skinSection_)
        return;
    skinSection_ = upper;
    const TsLoadedSkin* skin = Skin();
    if (!skin || skin->Sections().empty())
        SectionIndex = -1;
    else
        ResolveSection();
    if (formHost_) {
        BackgroundStale = true;
        return;
    }
    if (!HostControl || OwnerBusy() || !HostControl->Parent())
        return;
    if (!PaintSuspended)
        AnnounceSkinState(SkinManager());
    RemoveControlGlow(*this);
}

void TsCommonData::SetSkinManager(TsSkinManager* manager)
{
    if (manager == SkinEngine.DefaultManager)
        manager = nullptr;
    if (manager == skinManager_)
        return;
    skinManager_ = manager;
    if (OwnerHas(csLoading))
        return;
    if (ManagerActive(SkinManager()))
        ResolveSection();
    else
        SectionIndex = -1;
    if (HostControl && HostControl->Parent() && !OwnerHas(csDestroying))
        AnnounceSkinState(SkinManager());
}

// The owner learns whether it is skinned now, as if the manager had told it.
void TsCommonData::AnnounceSkinState(TsSkinManager* manager)
{
    const TSkinCommand command = IsSkinned() ? SkinMsgRefresh : SkinMsgRemoveSkin;
    SendSkinCommand(HostControl, command, reinterpret_cast<LPARAM>(manager));
}

bool TsCommonData::IsSkinned(bool requireActive) const
{
    try {
        const TsSkinManager* manager = SkinManager();
        if (skinSection_.empty() || !ManagerUsable(manager) || OwnerHas(csDestroying))
            return false;
        if (!manager->Skin().IsValidSkinIndex(SectionIndex))
            return false;
        return !requireActive || ManagerActive(manager);
    } catch (...) {
        return false;
    }
}

void TsCommonData::ResolveSection()
{
    BackgroundStale = true;
    const TsSkinManager* manager = SkinManager();
    SectionIndex = ManagerActive(manager) ? manager->GetSkinIndex(skinSection_) : -1;
    BackgroundShape = 0;
    PaintFlags = pfModeUndetermined;
    const TsGeneralData* section = Section();
    if (!section) {
        SectionIndex = -1;
        PatternIndex = HotPatternIndex = -1;
        return;
    }
    const TsGenState& normal = section->Props[0];
    if (normal.ImagePercent > 0)
        BackgroundShape = bsTextured;
    if (normal.GradientPercent > 0 && !normal.GradientArray.empty()) {
        static constexpr std::int16_t shapeOfMode[] = {bsVerticalGradient, bsHorizontalGradient,
                                                       bsTriangleGradient};
        const int mode = normal.GradientArray.front().Mode;
        if (mode >= 0 && mode <= 2)
            BackgroundShape = static_cast<std::int16_t>(BackgroundShape + shapeOfMode[mode]);
    }
    const TsItemBinding images = BindingForSection(manager->Skin(), SectionIndex);
    BorderImageIndex = images.BorderImageIndex;
    PatternIndex = images.PatternIndex;
    HotPatternIndex = images.HotPatternIndex;
    UpdateTransparencyMode(false);
}

TColor TsCommonData::OwnerColor() const
{
    const TControl* surface = SurfaceControl();
    return surface ? surface->Color() : clBtnFace;
}

void TsCommonData::ApplySkinColors(bool repaint)
{
    TControl* surface = SurfaceControl();
    const TsGeneralData* section = Section();
    if (!surface || !section || !IsSkinned() || !IsColorKind(ControlKind))
        return;
    if (dynamic_cast<TWinControl*>(surface) && !LiveWindowOf(surface))
        return;
    const auto adjusted = [this](TColor c) {
        return static_cast<TColor>(AdjustSaturation(saturation_, RotateHueOfColor(hueOffset_, c)));
    };
    if (!customColor_) {
        const TColor color = adjusted(section->Props[0].Color);
        if (surface->Color() != color)
            surface->SetColor(color);
    }
    if (!customFont_ && ControlKind != ckEdit) {
        const TColor fontColor = adjusted(section->Props[0].FontColor[fcMain]);
        if (surface->Font().Color() != fontColor)
            surface->Font().SetColor(fontColor);
    }
    if (repaint)
        InvalidateOwner(false);
}

void TsCommonData::ApplyDefaultSection()
{
    if (!skinSection_.empty()) {
        ResolveSection();
        return;
    }
    const std::string_view byKind = DefaultSectionForKind(ControlKind);
    SetSkinSection(byKind.empty() && HostObject ? std::string_view(HostObject->ClassName()) : byKind);
}

void TsCommonData::RefreshBinding()
{
    ApplyDefaultSection();
    if (!IsSkinned() || !HostControl || !HostControl->Parent() || OwnerHas(csLoading))
        return;
    if (dynamic_cast<TWinControl*>(HostControl) && !OwnerHas(csDesigning))
        SendSkinCommand(TCustomForm::GetParentForm(HostControl), SkinMsgRescanControl,
                        reinterpret_cast<LPARAM>(HostControl));
    ApplySkinColors(false);
}

void TsCommonData::SuspendPainting()
{
    ++UpdateDepth;
    PaintSuspended = true;
    PaintFlags |= pfInUpdate;
    SendSkinCommand(SurfaceControl(), SkinMsgUpdateBegun);
}

void TsCommonData::ResumePainting(bool repaint)
{
    // A resume without a suspend must not push the depth below zero, or the
    // next suspend and resume pair would never end the update.
    if (UpdateDepth > 0)
        --UpdateDepth;
    PaintSuspended = false;
    PaintFlags &= static_cast<std::uint16_t>(~pfInUpdate);
    if (UpdateDepth != 0)
        return;
    SendSkinCommand(SurfaceControl(), SkinMsgUpdateEnded);
    if (repaint)
        InvalidateOwner(false);
}

void TsCommonData::FitCacheBitmap()
{
    if (!CacheBitmap)
        CacheBitmap = std::make_unique<TBitmap>(0, 0);
    if (CacheBitmap->Format() != TPixelFormat::pf32bit)
        CacheBitmap->SetFormat(TPixelFormat::pf32bit);
    const TControl* surface = SurfaceControl();
    const int width = surface ? std::max(0, surface->Width()) : 0;
    const int height = surface ? std::max(0, surface->Height()) : 0;
    if (CacheBitmap->Width() != width || CacheBitmap->Height() != height)
        CacheBitmap->SetSize(width, height);
}

int TsCommonData::MaxBorderWidth() const
{
    const TsLoadedSkin* skin = Skin();
    if (!skin || !BorderShownInNormalState(*skin, BorderImageIndex))
        return 0;
    const TsMaskData& mask = skin->Masks()[static_cast<std::size_t>(BorderImageIndex)];
    return std::max(
        {MaskLeftBorder(mask), MaskTopBorder(mask), MaskRightBorder(mask), MaskBottomBorder(mask)});
}

bool TsCommonData::IsHot() const
{
    const TControl* surface = SurfaceControl();
    if (!surface || !surface->Enabled() || OwnerHas(csDestroying | csDesigning))
        return false;
    if (HasFocus)
        return true;
    const HWND window = LiveWindowOf(surface);
    if (window && GetFocus() == window)
        return true;
    return MouseInside && !IsHoverBlindKind(ControlKind);
}

TsItemBinding TsCommonData::ItemBinding() const
{
    TsItemBinding binding;
    binding.Skin = Skin();
    if (!IsSkinned())
        return binding;
    binding.SectionIndex = SectionIndex;
    binding.BorderImageIndex = BorderImageIndex;
    binding.PatternIndex = PatternIndex;
    binding.HotPatternIndex = HotPatternIndex;
    if (customColor_)
        binding.CustomColor = ColorToRGB(OwnerColor());
    binding.HueOffset = hueOffset_;
    binding.Saturation = saturation_;
    binding.ScaledPieces = &scaledPieces_;
    return binding;
}

TsCommonData* BindingOf(TControl* control)
{
    return reinterpret_cast<TsCommonData*>(QuerySkinCommand(control, SkinMsgGetBinding));
}

void TsCtrlSkinData::SetHUEOffset(int degrees)
{
    if (degrees == hueOffset_)
        return;
    hueOffset_ = degrees;
    RefreshBinding();
    InvalidateOwner(false);
}

void TsCtrlSkinData::SetSaturation(int percent)
{
    if (percent == saturation_)
        return;
    saturation_ = percent;
    RefreshBinding();
    InvalidateOwner(false);
}

} // namespace pp
