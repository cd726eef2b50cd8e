#pragma once
// A control's skin binding: the skin section a control (or a form's skin
// provider) paints with, resolved to indexes in the loaded skin; the cache
// bitmap its look is composed in; its hot, focused and stale flags. It
// answers what children ask about the background behind them and turns
// skin commands and ordinary window messages into repaints.
//
// The owner routes its messages through HandleControlMessage (see
// docs/skin-binding.md); everything else talks to the binding through the
// skin command message.
#include "core/Bitmap.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/ItemBinding.h"
#include "skin/paint/ItemTextSource.h"
#include "skin/paint/ScaledPieceCache.h"
#include "skin/paint/SkinMessages.h"
#include "toolkit/Control.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace pp {

class TWinControl;

// A form's skin provider owns a binding without being a control. It
// implements this so that the binding can reach the form it skins.
class TsBindingFormHost {
public:
    virtual ~TsBindingFormHost() = default;
    virtual TWinControl& HostForm() const = 0;
    // The form paints its client area itself (it has an OnPaint handler).
    virtual bool FormPaintsItself() const = 0;
    // A multi-document parent form never takes its background from a parent.
    virtual bool IsMdiParentForm() const { return false; }
};

// PaintFlags bits.
inline constexpr std::uint16_t pfParentBackground = 0x0001; // the background comes from the parent
inline constexpr std::uint16_t pfModeUndetermined = 0x0002; // transparency not yet determined
inline constexpr std::uint16_t pfPrinting = 0x0200;
inline constexpr std::uint16_t pfInUpdate = 0x0800;

// BackgroundShape bits.
inline constexpr std::int16_t bsHorizontalGradient = 1;
inline constexpr std::int16_t bsVerticalGradient = 2;
inline constexpr std::int16_t bsTriangleGradient = 3;
inline constexpr std::int16_t bsTextured = 4;

class TsCommonData : public TPersistent {
public:
    // `owner` is a control, or a component that implements TsBindingFormHost.
    // With `withCache` an empty 32-bit cache bitmap is made at once.
    TsCommonData(TComponent* owner, bool withCache);
    ~TsCommonData() override;
    std::string ClassName() const override { return "TsCommonData"; }

    // Published properties.
    bool CustomColor() const { return customColor_; }
    void SetCustomColor(bool on) { SetColorFlag(customColor_, on); }
    bool CustomFont() const { return customFont_; }
    void SetCustomFont(bool on) { SetColorFlag(customFont_, on); }
    // The explicit manager, or the process's default one.
    TsSkinManager* SkinManager() const;
    // The default manager is stored as none.
    void SetSkinManager(TsSkinManager* manager);
    bool HasExplicitManager() const { return skinManager_ != nullptr; }
    // Upper case; "UNKNOWN" after setting an empty name.
    const std::string& SkinSection() const { return skinSection_; }
    void SetSkinSection(std::string_view name);
    int HueOffset() const { return hueOffset_; }
    int Saturation() const { return saturation_; }

    // State the owner and the engine read and write.
    int UpdateDepth = 0;
    int GlowHandle = -1; // the glow window around the control; -1 none
    bool PaintSuspended = false;
    int BorderImageIndex = -1;
    int SectionIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
    bool UrgentPaint = false;
    bool BackgroundStale = true;  // the cache must be rebuilt before the next copy
    bool HalfShown = true;        // last painted partly hidden: the next paint rebuilds
    TControl* const HostControl;  // null for a form provider
    TComponent* const HostObject; // the control or the provider
    std::unique_ptr<TBitmap> CacheBitmap;
    TControlKind ControlKind = 0;
    bool HasFocus = false;
    bool MouseInside = false;
    std::uint16_t PaintFlags = pfModeUndetermined;
    std::int16_t BackgroundShape = 0;
    HDC PrintTarget = nullptr;

    // Section, manager not being destroyed, valid index, owner alive; with
    // `requireActive` the manager must be active too.
    bool IsSkinned(bool requireActive = false) const;
    void ResolveSection();
    void ApplySkinColors(bool repaint);
    void ApplyDefaultSection();
    void RefreshBinding();
    void InvalidateOwner(bool updateNow = false);
    void UpdateTransparencyMode(bool notifyChildren);
    void FitCacheBitmap();
    void SuspendPainting();
    void ResumePainting(bool repaint);
    bool MustWait(bool reset);
    int MaxBorderWidth() const;
    BackdropInfo ParentBackdrop();
    void AnswerBackdropRequest(BackdropRequest& request, int state, HWND window = nullptr);
    TColor EffectiveColor(int state, HWND window = nullptr);
    bool IsHot() const;
    // Children must take their background from this control: it paints
    // urgently, is not skinned, is disabled, or is transparent over a
    // parent that is itself transparent for its children.
    bool IsTransparentForChildren();

    // What item painting reads: skin, indexes, custom colour, colour changes,
    // and this control's store of stretched border pieces.
    TsItemBinding ItemBinding() const;
    // What the text painter reads for the owner's text, hot or not.
    TItemTextSource TextSource(bool hot);
    // Composes the section over the whole cache (fitted to the owner) on
    // the parent's backdrop, and marks the cache current. False when not
    // skinned (nothing composed).
    bool ComposeItem(int state);
    // The state to answer children with: hot when focused or hovered.
    int CurrentState() const { return HasFocus || MouseInside ? 1 : 0; }

    // The skin command message; false when the sub-command is not the
    // binding's (the owner handles it, or nobody does).
    bool HandleSkinMessage(TMessage& message);
    // Ordinary messages reaching a skinned control; true when consumed.
    bool HandleControlMessage(TMessage& message);

    // The loaded skin of the manager, or null.
    const TsLoadedSkin* Skin() const;
    // The section record, or null when unbound.
    const TsGeneralData* Section() const;
    // The owner's surface: the control, or the provider's form.
    TControl* SurfaceControl() const;
    TsBindingFormHost* FormHost() const { return formHost_; }

protected:
    int hueOffset_ = 0;
    int saturation_ = 0;

private:
    // Custom colour and custom font: a change re-applies the skin colours.
    void SetColorFlag(bool& flag, bool on);
    bool OwnerHas(unsigned componentState) const;
    bool OwnerBusy() const; // loading, reading or being destroyed
    void AnnounceSkinState(TsSkinManager* manager);
    bool SimpleBackground(bool& undetermined);
    bool ParentTakesBackgroundFrom(TControl& parent, bool& undetermined);
    void PassRequestToParent(BackdropRequest& request, HWND window);
    void AnswerWithOwnColor(BackdropRequest& request);
    TColor OwnerColor() const;
    TColor ParentColor(HWND window);
    bool HandleSkinChange(TMessage& message);
    void RemoveSkin();
    void RepaintAfterUpdate();
    void ParentChanged(bool redraw);
    int QueryTransparency();
    LRESULT GetColor();
    void DropCache();
    void SendToChildren(TSkinCommand command, std::uint16_t argument = 0);
    void FocusChanged(bool gained);
    void MouseEntered(TMessage& message);
    void MouseLeft();
    bool SetHotColors(bool hot);
    void SizeChanged();
    void MovedOrResized();

    std::string skinSection_;
    // The parent's cache was not built when the item was last composed: the
    // cache stays stale so that the next paint composes again.
    bool parentNotReady_ = false;
    bool customFont_ = false;
    bool customColor_ = false;
    TsSkinManager* skinManager_ = nullptr;
    TsBindingFormHost* const formHost_;
    // Stretched border pieces kept between paints of this control; handed
    // out with ItemBinding, which is const.
    mutable TScaledPieceCache scaledPieces_;
};

// The binding of controls: adds the colour changes as published properties.
class TsCtrlSkinData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;
    std::string ClassName() const override { return "TsCtrlSkinData"; }
    void SetHUEOffset(int degrees);
    void SetSaturation(int percent);
};

// The section whose text colours apply to a control drawing over its parent
// (a transparent label, check box or group box): found up the parent chain;
// `sectionIndex` when no parent offers one.
int TextSection(const TControl* control, int sectionIndex, const TsSkinManager* manager, bool hot);

// Copies `source` of the binding's cache to `target` of `dc`, leaving out
// the visible graphic, opaque or designed child controls that overlap the
// target (their rectangles moved by the offsets). With `refreshCorners` the
// border's transparent corners are restored from the parent first.
void CopyCacheToWindow(TControl& control, TsCommonData& binding, const TRect& source, int offsetX,
                       int offsetY, bool refreshCorners, HDC dc, const TRect& target);

// The border's transparent corners of the binding's cache restored from
// the control's parent (nothing without a cache, skin or parent).
void RefreshCacheCorners(TControl& control, TsCommonData& binding);

// The binding a control answers with, or null (unskinned, no window).
TsCommonData* BindingOf(TControl* control);

} // namespace pp
