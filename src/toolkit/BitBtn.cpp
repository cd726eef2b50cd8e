#include "toolkit/BitBtn.h"

#include "win/Text.h"

#include <algorithm>

namespace pp {

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) { }

void TBitBtn::CreateParams(TCreateParams& params)
{
    TButton::CreateParams(params);
    params.Style = (params.Style & ~0xFu) | BS_OWNERDRAW;
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    if (kind == TBitBtnKind::bkCustom)
        return;
    const TBitBtnKindInfo& info = BitBtnKindInfo(kind);
    SetDefault(info.IsDefault);
    Cancel = info.IsCancel;
    // A caption stored in the description wins over the kind's.
    if (!IsLoading() || !captionStored_)
        TButton::SetText(info.Caption);
    ModalResult = info.ModalResult;
    glyph_ = BitBtnKindGlyph(kind);
    numGlyphs_ = 2;
    Invalidate();
}

void TBitBtn::SetText(const std::string& text)
{
    if (IsLoading())
        captionStored_ = true;
    TButton::SetText(text);
}

void TBitBtn::Loaded()
{
    TButton::Loaded();
    captionStored_ = false;
}

void TBitBtn::SetGlyph(const TBitmap& glyph)
{
    glyph_ = glyph;
    kind_ = TBitBtnKind::bkCustom;
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count == numGlyphs_)
        return;
    numGlyphs_ = count;
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TBitBtn::SetMargin(int margin)
{
    if (margin == margin_ || margin < -1)
        return;
    margin_ = margin;
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    Invalidate();
}

void TBitBtn::SetButtonStyle(bool isDefault)
{
    if (isDefault != isFocused_) {
        isFocused_ = isDefault;
        Invalidate();
    }
    Perform(CM_BUTTONSTYLE, isDefault ? 1 : 0);
}

void TBitBtn::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click, as on any push button.
        message.Msg = WM_LBUTTONDOWN;
        break;
    }
    TButton::WndProc(message);
}

namespace {
// One image of a strip, as a 24-bit bitmap with its transparent colour set.
TBitmap GlyphImage(const TBitmap& glyph, int count, int index)
{
    TBitmap all(glyph);
    all.SetFormat(TPixelFormat::pf24bit);
    const int width = glyph.Width() / count;
    TBitmap image(width, glyph.Height(), TPixelFormat::pf24bit);
    for (int y = 0; y < image.Height(); ++y)
        std::copy_n(all.ScanLine(y) + 3 * width * index, 3 * width, image.ScanLine(y));
    image.Transparent = true;
    image.TransparentColor = image.PixelColor(0, image.Height() - 1);
    return image;
}
} // namespace

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item)
{
    TCanvas canvas(item.hDC);
    RECT frame = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = isFocused_ || (item.itemState & ODS_FOCUS);
    if (focused) {
        FrameRect(item.hDC, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&frame, -1, -1);
    }
    DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    const TRect client{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    canvas.Font.Assign(Font());
    const std::string caption = Caption();
    TRect textRect{0, 0, client.Width(), 0};
    if (!caption.empty())
        canvas.DrawText(caption, textRect, DT_CALCRECT | DT_SINGLELINE);
    const int gw = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_;
    const int gh = glyph_.Empty() ? 0 : glyph_.Height();
    const int spacing = (gw == 0 || caption.empty()) ? 0 : spacing_;
    const int total = gw + spacing + textRect.Width();
    const int left = margin_ < 0 ? (client.Width() - total + 1) / 2 : margin_;
    const int shift = pressed ? 1 : 0;
    if (gw > 0) {
        const int image = !Enabled() && numGlyphs_ > 1 ? 1 : 0;
        canvas.Draw(left + shift, (client.Height() - gh + 1) / 2 + shift,
                    GlyphImage(glyph_, numGlyphs_, image));
    }
    TRect text = TRect::FromBounds(left + gw + spacing + shift,
                                   (client.Height() - textRect.Height() + 1) / 2 + shift, textRect.Width(),
                                   textRect.Height());
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    if (!Enabled()) {
        canvas.Font.SetColor(SystemColorFlag | COLOR_BTNHIGHLIGHT_INDEX);
        TRect raised = text.Offset(1, 1);
        canvas.DrawText(caption, raised, DT_SINGLELINE);
        canvas.Font.SetColor(SystemColorFlag | COLOR_BTNSHADOW_INDEX);
    }
    canvas.DrawText(caption, text, DT_SINGLELINE);
    if (focused && (item.itemState & ODS_FOCUS)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

} // namespace pp
