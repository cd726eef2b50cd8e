#include "toolkit/Label.h"

#include "win/Text.h"

namespace pp {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    ControlStyle |= csOpaque;
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetTransparent(bool on)
{
    if (on == transparent_)
        return;
    transparent_ = on;
    // A transparent label leaves its background to the parent.
    if (on)
        ControlStyle &= ~csOpaque;
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool on)
{
    if (on == autoSize_)
        return;
    autoSize_ = on;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool on)
{
    if (on == wordWrap_)
        return;
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetText(const std::string& text)
{
    if (text == text_)
        return;
    TGraphicControl::SetText(text);
    AdjustBounds();
}

unsigned TCustomLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || IsLoading())
        return;
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    TCanvas canvas(dc.Get());
    canvas.Font.Assign(Font());
    const int widest = wordWrap_ ? (MaxWidth > 0 ? MaxWidth : Width()) : 0;
    TRect rect{0, 0, widest, 0};
    const std::string text = text_.empty() ? " " : text_;
    canvas.DrawText(text, rect, TextFlags() | DT_CALCRECT);
    int width = rect.Width();
    if (wordWrap_ && MaxWidth > 0 && width > MaxWidth)
        width = MaxWidth;
    SetBounds(Left(), Top(), width, rect.Height());
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect area = ClientRect();
    if (!transparent_) {
        canvas.Brush.SetColor(Color());
        canvas.FillRect(area);
    }
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Font.Assign(Font());
    TRect rect = area;
    if (Enabled()) {
        canvas.DrawText(text_, rect, TextFlags());
        return;
    }
    // Disabled: embossed, highlight under shadow.
    canvas.Font.SetColor(SystemColorFlag | COLOR_BTNHIGHLIGHT_INDEX);
    rect = area.Offset(1, 1);
    canvas.DrawText(text_, rect, TextFlags());
    canvas.Font.SetColor(SystemColorFlag | COLOR_BTNSHADOW_INDEX);
    rect = area;
    canvas.DrawText(text_, rect, TextFlags());
}

void TCustomLabel::WndProc(TMessage& message)
{
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_FONTCHANGED)
        AdjustBounds();
}

} // namespace pp
