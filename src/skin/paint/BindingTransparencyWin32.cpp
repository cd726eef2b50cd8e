// Whether a binding's control takes its background from its parent, whether
// it is see-through for its own children, and whether it must wait for its
// parent before painting.
#include "skin/paint/SectionLook.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace pp {
namespace {

// Placement of a texture laid in whole tiles only.
constexpr int WholeTilesPlacement = 10;

bool TexturedInWholeTiles(const TsLoadedSkin& skin, int textureIndex)
{
    return skin.IsValidImgIndex(textureIndex) &&
           skin.Masks()[static_cast<std::size_t>(textureIndex)].DrawFlags == WholeTilesPlacement;
}

// The parent a binding asks about staleness and transparency.
TControl* ParentOf(const TControl* surface) { return surface ? surface->Parent() : nullptr; }

} // namespace

// A transparent control over a parent: its background is the parent's when
// the parent's own background is (bit 0 of its paint flags), or when the
// parent is not skinned at all.
bool TsCommonData::ParentTakesBackgroundFrom(TControl& parent, bool& undetermined)
{
    if (dynamic_cast<TWinControl*>(&parent) && !LiveWindowOf(&parent)) {
        undetermined = true;
        return false;
    }
    if (QuerySkinCommand(&parent, SkinMsgIsSkinned) != 1)
        return true;
    const LRESULT flags = QuerySkinCommand(&parent, SkinMsgTransparencyMode);
    if (flags == pfModeUndetermined) {
        undetermined = true;
        return false;
    }
    return (flags & pfParentBackground) != 0;
}

bool TsCommonData::SimpleBackground(bool& undetermined)
{
    undetermined = false;
    const TsGeneralData* section = Section();
    if (!SkinManager() || !section)
        return true;
    const TsLoadedSkin& skin = *Skin();
    if (BorderPaintsCentre(skin, BorderImageIndex))
        return false;
    const TsGenState& normal = section->Props[0];
    if (normal.Transparency >= 100) {
        const int texture = PatternIndex >= 0 ? PatternIndex : normal.TextureIndex;
        if (TexturedInWholeTiles(skin, texture))
            return false;
        TControl* parent = ParentOf(SurfaceControl());
        return parent && ParentTakesBackgroundFrom(*parent, undetermined);
    }
    if (normal.Transparency > 0 || normal.ImagePercent > 0 || normal.GradientPercent > 0)
        return false;
    if (HasCornerImages(*section))
        return false;
    return !formHost_ || !formHost_->FormPaintsItself();
}

void TsCommonData::UpdateTransparencyMode(bool notifyChildren)
{
    bool undetermined = false;
    if (formHost_) {
        const bool simple = SimpleBackground(undetermined);
        if (undetermined)
            return;
        if (!simple) {
            PaintFlags = 0;
            return;
        }
        if (!formHost_->IsMdiParentForm())
            PaintFlags |= pfParentBackground;
        PaintFlags &= static_cast<std::uint16_t>(~pfModeUndetermined);
        return;
    }
    if (!HostControl)
        return;
    PaintFlags &= static_cast<std::uint16_t>(~pfParentBackground);
    // Only forms (the toolkit has no frames or scroll boxes) can take their
    // whole background from their parent.
    if (dynamic_cast<TCustomForm*>(HostControl)) {
        const bool simple = SimpleBackground(undetermined);
        if (undetermined)
            return;
        if (simple)
            PaintFlags |= pfParentBackground;
    }
    PaintFlags &= static_cast<std::uint16_t>(~pfModeUndetermined);
    auto* container = dynamic_cast<TWinControl*>(HostControl);
    if (!notifyChildren || !container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i)
        SendSkinCommand(container->Controls(i), SkinMsgTransparencyMode, 1);
}

bool TsCommonData::MustWait(bool reset)
{
    if (reset)
        PaintSuspended = false;
    const TsSkinManager* manager = SkinManager();
    if (!manager || manager->IsDesigning())
        return false;
    if (OwnerHas(csDestroying))
        return PaintSuspended;
    const bool needsParent = !(PaintFlags & pfParentBackground) ||
                             (IsHot() && !IsParentFreeKind(ControlKind));
    bool wait = PaintSuspended;
    if (!wait && needsParent) {
        const TControl* surface = SurfaceControl();
        TControl* parent = ParentOf(surface);
        if (parent)
            wait = QuerySkinCommand(parent, SkinMsgQueryStale) == 1;
        else if (const HWND window = LiveWindowOf(surface))
            wait = IsSkinCommandTrue(ParentWindowOf(window), SkinMsgQueryStale);
    }
    if (wait)
        PaintSuspended = true;
    return wait;
}

bool TsCommonData::IsTransparentForChildren()
{
    const TControl* surface = SurfaceControl();
    if (UrgentPaint || !IsSkinned() || !surface || !surface->Enabled())
        return true;
    TControl* parent = ParentOf(surface);
    return Section()->Props[0].Transparency > 0 && parent &&
           QuerySkinCommand(parent, SkinMsgQueryTransparency) != 0;
}

int TsCommonData::QueryTransparency()
{
    const TsGeneralData* section = Section();
    const TsGenState& normal = section->Props[0];
    TControl* parent = ParentOf(SurfaceControl());
    if (normal.Transparency > 0 && parent)
        return static_cast<int>(QuerySkinCommand(parent, SkinMsgQueryTransparency) & 0x7F);
    if (normal.GradientPercent + normal.ImagePercent > 0 || IsTransparentForChildren())
        return 1;
    return BorderPaintsCentre(*Skin(), BorderImageIndex) ? 1 : 0;
}

} // namespace pp
