#include "skin/controls/sBitBtnWin32.h"

#include "skin/controls/ButtonFadeBindingWin32.h"
#include "skin/paint/FadeTimerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "win/Text.h"
#include "win/ThemeHandle.h"

#include <algorithm>
#include <uxtheme.h>
#include <vssym32.h>

namespace pp {

namespace {

TGlyphPlace PlaceOf(TButtonLayout layout)
{
    switch (layout) {
    case TButtonLayout::blGlyphRight: return TGlyphPlace::Right;
    case TButtonLayout::blGlyphTop: return TGlyphPlace::Top;
    case TButtonLayout::blGlyphBottom: return TGlyphPlace::Bottom;
    default: return TGlyphPlace::Left;
    }
}

TGroupAlignment GroupOf(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify: return TGroupAlignment::Left;
    case TAlignment::taRightJustify: return TGroupAlignment::Right;
    default: return TGroupAlignment::Center;
    }
}

unsigned AlignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify: return DT_LEFT;
    case TAlignment::taRightJustify: return DT_RIGHT;
    default: return DT_CENTER;
    }
}

constexpr TColor clBtnShadow = SystemColorFlag | COLOR_BTNSHADOW_INDEX;
constexpr TColor clBtnHighlight = SystemColorFlag | COLOR_BTNHIGHLIGHT_INDEX;
constexpr TColor clWindowFrame = SystemColorFlag | COLOR_WINDOWFRAME_INDEX;

bool IsSixteenColours(const TBitmap& glyph) { return glyph.Format() == TPixelFormat::pf4bit; }

} // namespace

TsBitBtn::TsBitBtn(TComponent* owner) : TBitBtn(owner)
{
    ControlStyle &= ~csOpaque;
    imagesLink_.OnChange = [this](TObject*) { SkinData.InvalidateOwner(); };
    SkinData.ControlKind = COC_TsBitBtn;
    fadeBinding_ = std::make_unique<TButtonFadeBinding>(*this);
    SkinData.RefreshBinding();
}

// The fade timer is a child of ours and points back at fade_: it goes first.
TsBitBtn::~TsBitBtn() { StopFade(fade_); }

template <class T> void TsBitBtn::SetAndInvalidate(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    SkinData.InvalidateOwner();
}

void TsBitBtn::SetAlignment(TAlignment value) { SetAndInvalidate(alignment_, value); }
void TsBitBtn::SetDisabledGlyphKind(unsigned value) { SetAndInvalidate(disabledGlyphKind_, value); }
void TsBitBtn::SetDisabledKind(unsigned value) { SetAndInvalidate(disabledKind_, value); }
void TsBitBtn::SetGrayed(bool value) { SetAndInvalidate(grayed_, value); }
void TsBitBtn::SetImageIndex(int value) { SetAndInvalidate(imageIndex_, value); }
void TsBitBtn::SetReflected(bool value) { SetAndInvalidate(reflected_, value); }
void TsBitBtn::SetShowCaption(bool value) { SetAndInvalidate(showCaption_, value); }
void TsBitBtn::SetShowFocus(bool value) { SetAndInvalidate(showFocus_, value); }
void TsBitBtn::SetDrawOverBorder(bool value) { SetAndInvalidate(drawOverBorder_, value); }
void TsBitBtn::SetTextOffset(int value) { SetAndInvalidate(textOffset_, value); }
void TsBitBtn::SetTextAlignment(TAlignment value) { SetAndInvalidate(textAlignment_, value); }
void TsBitBtn::SetWordWrap(bool value) { SetAndInvalidate(wordWrap_, value); }

void TsBitBtn::SetImages(TImageList* value)
{
    if (value == Images())
        return;
    if (TImageList* old = Images())
        old->UnRegisterChanges(imagesLink_);
    if (value)
        value->RegisterChanges(imagesLink_);
    SkinData.InvalidateOwner();
}

bool TsBitBtn::UsesListImage() const
{
    const TImageList* images = Images();
    return SelectsListImage(images != nullptr, images ? images->Count() : 0, imageIndex_);
}

void TsBitBtn::Loaded()
{
    TBitBtn::Loaded();
    SkinData.RefreshBinding();
    // A described button that names a list image does not keep a glyph too.
    if (UsesListImage())
        SetGlyph(TBitmap());
}

void TsBitBtn::SetBlend(int value)
{
    if (value == blend_)
        return;
    blend_ = std::clamp(value, 0, 100);
    SkinData.InvalidateOwner();
}

void TsBitBtn::SetDown(bool value)
{
    if (value == down_)
        return;
    down_ = value;
    regionChanged_ = true;
    SkinData.BackgroundStale = true;
    Repaint();
}

bool TsBitBtn::NativePushed() const
{
    HWND window = HandleValue();
    return window && (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

TButtonPaintState TsBitBtn::PaintState() const
{
    TButtonStateInput input;
    input.NativePushed = NativePushed();
    input.ForcePressed = ForcePressedLook;
    input.MouseInside = MouseInside();
    input.LeftButtonHeld = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    input.Down = down_;
    input.Designing = IsDesigning();
    input.Hot = PaintsSkinned() ? SkinData.IsHot()
                                : Enabled() && !IsDestroying() && (Focused() || MouseInside());
    input.Default = Default();
    return ChooseButtonState(input);
}

TSize TsBitBtn::GlyphSize() const
{
    if (UsesListImage())
        return {Images()->Width() / std::max(NumGlyphs(), 1), Images()->Height()};
    const TBitmap& glyph = Glyph();
    if (glyph.Empty())
        return {0, 0};
    return {glyph.Width() / std::max(NumGlyphs(), 1), glyph.Height()};
}

unsigned TsBitBtn::CaptionFlags() const
{
    unsigned flags = AlignmentFlag(textAlignment_) | DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    return flags;
}

TSize TsBitBtn::CaptionSize(TCanvas& canvas) const
{
    const std::string caption = Caption();
    if (!showCaption_ || caption.empty())
        return {0, 0};
    const int available = CaptionAvailableWidth(Width(), Margin(), Spacing(), PlaceOf(Layout()),
                                                GlyphSize().Width);
    TRect rect{0, 0, available, 0};
    canvas.Font.Assign(Font());
    canvas.DrawText(caption, rect, CaptionFlags() | DT_CALCRECT);
    return {rect.Width(), rect.Height()};
}

TBitBtnLayoutResult TsBitBtn::ComputeLayout(TCanvas& canvas) const
{
    TBitBtnLayoutInput input;
    input.Client = ClientRect();
    input.Place = PlaceOf(Layout());
    input.Alignment = GroupOf(alignment_);
    input.RightToLeft = UseRightToLeftReading();
    input.Margin = Margin();
    input.Spacing = Spacing();
    input.GlyphSize = GlyphSize();
    input.TextSize = CaptionSize(canvas);
    return LayoutBitBtn(input);
}

TGlyphBitmapTraits TsBitBtn::GlyphTraits() const
{
    const TBitmap& glyph = Glyph();
    return {NumGlyphs(), IsSixteenColours(glyph), GlyphHasAlpha(glyph)};
}

int TsBitBtn::GlyphImageIndex(TButtonPaintState state) const
{
    return GlyphImageForState(state, GlyphTraits(), down_);
}

void TsBitBtn::DrawCaption(TCanvas& canvas, const TRect& rect, TButtonPaintState state) const
{
    const std::string caption = Caption();
    if (!showCaption_ || caption.empty())
        return;
    TRect place = state == TButtonPaintState::Pressed ? rect.Offset(1, 1) : rect;
    canvas.Font.Assign(Font());
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    const unsigned flags = CaptionFlags() | DT_END_ELLIPSIS;
    if (Enabled()) {
        canvas.DrawText(caption, place, flags);
        return;
    }
    // Disabled: embossed, the highlight one pixel down and right under the shadow.
    TRect raised = place.Offset(1, 1);
    canvas.Font.SetColor(clBtnHighlight);
    canvas.DrawText(caption, raised, flags);
    canvas.Font.SetColor(clBtnShadow);
    canvas.DrawText(caption, place, flags);
}

TGlyphButtonState TsBitBtn::GlyphState(TButtonPaintState state) const
{
    return {state, Enabled(), down_, blend_, disabledGlyphKind_, grayed_};
}

void TsBitBtn::DrawGlyph(TBitmap& target, TPoint pos, TButtonPaintState state) const
{
    if (state == TButtonPaintState::Pressed)
        pos = {pos.X + 1, pos.Y + 1};
    if (UsesListImage()) {
        DrawGlyphImage(target, pos, Images()->EntryOnBackground(imageIndex_),
                       ListGlyphLook(GlyphState(state)));
        return;
    }
    const TBitmap& glyph = Glyph();
    if (!glyph.Empty())
        DrawGlyphImage(target, pos, glyph, BitmapGlyphLook(GlyphState(state), GlyphTraits()));
}

bool TsBitBtn::DrawThemedFace(TCanvas& canvas, TButtonPaintState state, bool hasFocus) const
{
    const TThemeHandle theme = OpenTheme(HandleValue(), L"BUTTON");
    if (!theme)
        return false;
    HDC dc = canvas.Handle();
    RECT client{0, 0, Width(), Height()};
    int part = PBS_NORMAL;
    if (!Enabled())
        part = PBS_DISABLED;
    else if (state == TButtonPaintState::Pressed)
        part = PBS_PRESSED;
    else if (MouseInside())
        part = PBS_HOT;
    else if (IsFocused() || hasFocus)
        part = PBS_DEFAULTED;
    DrawThemeParentBackground(HandleValue(), dc, &client);
    DrawThemeBackground(theme.Get(), dc, BP_PUSHBUTTON, part, &client, nullptr);
    if (IsFocused() && hasFocus) {
        RECT content{};
        GetThemeBackgroundContentRect(theme.Get(), dc, BP_PUSHBUTTON, part, &client, &content);
        DrawFocusRect(dc, &content);
    }
    return true;
}

void TsBitBtn::DrawClassicFace(TCanvas& canvas, TButtonPaintState state, bool hasFocus) const
{
    HDC dc = canvas.Handle();
    RECT face{0, 0, Width(), Height()};
    if (IsFocused() || hasFocus) {
        canvas.Pen.SetColor(clWindowFrame);
        canvas.Brush.SetStyle(TBrushStyle::bsClear);
        canvas.Rectangle({0, 0, Width(), Height()});
        InflateRect(&face, -1, -1);
    }
    if (state != TButtonPaintState::Pressed) {
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (Enabled() ? 0 : DFCS_INACTIVE));
    } else {
        canvas.Pen.SetColor(clBtnShadow);
        canvas.Brush.SetStyle(TBrushStyle::bsSolid);
        canvas.Brush.SetColor(clBtnFace);
        canvas.Rectangle({face.left, face.top, face.right, face.bottom});
    }
    if (IsFocused() && hasFocus) {
        RECT focus{4, 4, Width() - 4, Height() - 4};
        DrawFocusRect(dc, &focus);
    }
}

void TsBitBtn::PaintUnskinned(TBitmap& image, bool hasFocus)
{
    TBitmapCanvas canvas(image);
    const TButtonPaintState state = PaintState();
    const TBitBtnLayoutResult layout = ComputeLayout(canvas);
    if (!DrawThemedFace(canvas, state, hasFocus))
        DrawClassicFace(canvas, state, hasFocus);
    DrawCaption(canvas, layout.CaptionRect, state);
    GdiFlush();
    DrawGlyph(image, layout.GlyphPos, state);
}

void TsBitBtn::DrawItem(const DRAWITEMSTRUCT& item)
{
    const int width = Width();
    const int height = Height();
    if (width <= 0 || height <= 0)
        return;
    if (PaintsSkinned()) {
        // The platform button redraws itself on a press without a paint
        // message: the skinned look follows the new state, unless a fade
        // is on its way there.
        if (FadeRunning())
            return;
        SkinData.BackgroundStale = true;
        PaintSkinned(item.hDC, false);
        return;
    }
    // Composed off screen: the glyph is blended pixel by pixel over the face.
    TBitmap image(width, height, TPixelFormat::pf32bit);
    PaintUnskinned(image, (item.itemState & ODS_FOCUS) != 0);
    TCanvas target(item.hDC);
    target.Draw(0, 0, image);
}

void TsBitBtn::MouseCrossed(bool entered)
{
    if (entered == SkinData.MouseInside)
        return;
    SkinData.MouseInside = entered;
    const TNotifyEvent& event = entered ? OnMouseEnter : OnMouseLeave;
    if (event && Enabled() && !IsDesigning())
        event(this);
    if (!PaintsSkinned() || !Enabled() || IsDesigning()) {
        Invalidate();
        return;
    }
    SkinData.BackgroundStale = false;
    FadeFor(entered ? feMouseEnter : feMouseLeave);
}

void TsBitBtn::WndProc(TMessage& message)
{
    // A notice about one of our children (LParam set) is not about us.
    if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && message.LParam == 0) {
        MouseCrossed(message.Msg == CM_MOUSEENTER);
        return;
    }
    if (message.Msg == SM_SKINCOMMAND && HandleSkinCommand(message))
        return;
    if (!PaintsSkinned()) {
        TBitBtn::WndProc(message);
        return;
    }
    if (HandleSkinnedMessage(message))
        return;
    SkinData.HandleControlMessage(message);
    TBitBtn::WndProc(message);
    AfterCommonHandling(message);
}

} // namespace pp
