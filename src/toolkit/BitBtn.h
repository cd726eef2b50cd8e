#pragma once
// The bitmap button: a push button with a glyph and a caption, drawn by its
// owner, with kinds that set caption, glyph, modal result and roles at once.
#include "core/Bitmap.h"
#include "toolkit/Button.h"

#include <memory>

namespace pp {

enum class TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TBitBtnKindInfo {
    const char* Caption;
    const char* GlyphName;
    TModalResult ModalResult;
    bool IsDefault;
    bool IsCancel;
};
const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind);
// The glyph of a kind, made once and shared: two 16-colour images side by side.
const TBitmap& BitBtnKindGlyph(TBitBtnKind kind);

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    std::string ClassName() const override { return "TBitBtn"; }

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    void SetText(const std::string& text) override;

    // True while the default-button look is on (focused, or default with
    // the focus on no other button).
    bool IsFocused() const { return isFocused_; }

    void WndProc(TMessage& message) override;
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void SetButtonStyle(bool isDefault) override;
    // Paints the button for an owner-draw notice.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

private:
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool isFocused_ = false;
    bool captionStored_ = false;
};

} // namespace pp
