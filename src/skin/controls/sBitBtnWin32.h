#pragma once
// A push button with a caption and a glyph, built on the toolkit's bitmap
// button. Without a skin it draws itself as a themed or classic button;
// under a skin it composes its look in its binding's cache: the section's
// image for its state, the border (cutting the window to the border's
// corners where the image asks), the caption in the section's colours with
// focus dots, and a disabled look.
#include "skin/controls/BitBtnLayout.h"
#include "skin/controls/ButtonSkinState.h"
#include "skin/controls/GlyphChoice.h"
#include "skin/paint/FadeEvents.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinImage.h"
#include "toolkit/BitBtn.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "win/Handles.h"

#include <functional>
#include <memory>

namespace pp {

class TButtonFadeBinding;
class TsFadeTimer;

enum TAnimatEventFlag : unsigned {
    aeMouseEnter = 1,
    aeMouseLeave = 2,
    aeMouseDown = 4,
    aeMouseUp = 8,
    aeGlobalDef = 16,
};
enum TDisabledKindFlag : unsigned { dkBlended = 1, dkGrayed = 2 };

// Control-kind code of the bitmap button's skin binding.
inline constexpr int COC_TsBitBtn = 94;

using TBitBtnPaintEvent = std::function<void(TObject* sender, TBitmap& bitmap)>;

class TsBitBtn : public TBitBtn {
public:
    explicit TsBitBtn(TComponent* owner);
    ~TsBitBtn() override;
    std::string ClassName() const override { return "TsBitBtn"; }

    TBitBtnPaintEvent OnPaint;
    unsigned AnimatEvents = aeGlobalDef;
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    int Blend() const { return blend_; }
    // Clamped to 0..100.
    void SetBlend(int value);
    // An empty section name means "BUTTON".
    TsCtrlSkinData SkinData{this, true};
    unsigned DisabledGlyphKind() const { return disabledGlyphKind_; }
    void SetDisabledGlyphKind(unsigned value);
    unsigned DisabledKind() const { return disabledKind_; }
    void SetDisabledKind(unsigned value);
    bool Down() const { return down_; }
    // Repaints at once rather than waiting for the next paint.
    void SetDown(bool value);
    int FocusMargin = 1;
    bool Grayed() const { return grayed_; }
    void SetGrayed(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // The glyph comes from here while the list holds image ImageIndex. The
    // button hears of the list's changes, and forgets a list that is freed.
    TImageList* Images() const { return imagesLink_.Sender(); }
    void SetImages(TImageList* value);
    bool Reflected() const { return reflected_; }
    void SetReflected(bool value);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value);
    bool DrawOverBorder() const { return drawOverBorder_; }
    void SetDrawOverBorder(bool value);
    int TextOffset() const { return textOffset_; }
    void SetTextOffset(int value);
    TAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TAlignment value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    bool MouseInside() const { return SkinData.MouseInside; }
    // Painted from the skin: it can be painted now and its binding is
    // skinned with an active manager.
    bool PaintsSkinned() const;
    // Composes the skinned look into the binding's cache; false when the
    // parent's background is not ready yet (the parent repaints us later).
    bool PrepareCache(bool printing = false);

    // A fade between two looks is under way.
    bool FadeRunning() const;

    // Process-wide: the release repaint holds the pressed look.
    static inline bool ForcePressedLook = false;
    // How long that repaint stays before the release fade starts.
    static constexpr unsigned PressedLookHoldMs = 30;
    TButtonPaintState PaintState() const;
    // Glyph and caption placement for the current size, caption and glyph.
    TBitBtnLayoutResult ComputeLayout(TCanvas& canvas) const;
    // The glyph image drawn in a state (0 based).
    int GlyphImageIndex(TButtonPaintState state) const;
    // True while Images and ImageIndex give the glyph instead of Glyph.
    bool UsesListImage() const;
    // Draws the unskinned look into a 32-bit bitmap of the button's size.
    void PaintUnskinned(TBitmap& image, bool hasFocus);

    void WndProc(TMessage& message) override;
    void Loaded() override;

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    template <class T> void SetAndInvalidate(T& field, T value);
    TSize GlyphSize() const;
    TSize CaptionSize(TCanvas& canvas) const;
    unsigned CaptionFlags() const;
    // False when no visual theme is active.
    bool DrawThemedFace(TCanvas& canvas, TButtonPaintState state, bool hasFocus) const;
    void DrawClassicFace(TCanvas& canvas, TButtonPaintState state, bool hasFocus) const;
    void DrawCaption(TCanvas& canvas, const TRect& rect, TButtonPaintState state) const;
    void DrawGlyph(TBitmap& target, TPoint pos, TButtonPaintState state) const;
    TGlyphButtonState GlyphState(TButtonPaintState state) const;
    TGlyphBitmapTraits GlyphTraits() const;
    bool NativePushed() const;
    bool HandleSkinnedMessage(TMessage& message);
    bool HandleSkinCommand(TMessage& message);
    void AfterCommonHandling(const TMessage& message);
    void PaintSkinned(HDC dc, bool printing);
    void DrawSkinnedCaption(TCanvas& canvas, const TRect& rect, TButtonPaintState state);
    void DrawFocusFrame(TBitmap& cache, const TRect& captionRect);
    void DrawSkinnedBorder(TBitmap& cache, const TSkinImage& border, int image, const BackdropInfo& backdrop,
                           bool printing);
    void CutWindowRegion(const TSkinImage& border, int image);
    void ApplyWindowRegion(bool printing);
    void ResetWindowRegion();
    void UncoverOldCorners(const TRect& now);
    void MouseCrossed(bool entered);
    void FadeFor(TFadeEvent event);
    void MousePressed(const TMessage& message);
    void MouseReleased();
    void StopFading();
    void SpaceReleased();

    TAlignment alignment_ = TAlignment::taCenter;
    int blend_ = 0;
    unsigned disabledGlyphKind_ = dgBlended;
    unsigned disabledKind_ = dkBlended;
    bool down_ = false;
    bool grayed_ = false;
    int imageIndex_ = -1;
    TChangeLink imagesLink_;
    bool reflected_ = false;
    bool showCaption_ = true;
    bool showFocus_ = true;
    bool drawOverBorder_ = true;
    int textOffset_ = 0;
    TAlignment textAlignment_ = TAlignment::taCenter;
    bool wordWrap_ = true;
    // The next paint recomputes the window region.
    bool regionChanged_ = true;
    // A region made by the last cache preparation, not yet handed to the window.
    TRegionHandle pendingRegion_;
    // The window holds a region of ours (it owns the handle).
    bool regionApplied_ = false;
    // The bounds the last region was made for, and the border widths that
    // shaped its corners (left, top, right, bottom).
    TRect regionBounds_;
    TRect regionCorners_;
    // The last cache was painted over a picture of the parent.
    bool backdropHadImage_ = false;
    int lastSpacing_ = 4;
    // A mouse button went down on us; the release finishes the click.
    bool mouseClicked_ = false;
    // The application's hints while the left button is handled.
    bool savedShowHint_ = true;
    std::unique_ptr<TButtonFadeBinding> fadeBinding_;
    TsFadeTimer* fade_ = nullptr;
};

} // namespace pp
