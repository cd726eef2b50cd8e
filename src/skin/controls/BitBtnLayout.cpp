#include "skin/controls/BitBtnLayout.h"

namespace pp {

namespace {

bool Beside(TGlyphPlace place) { return place == TGlyphPlace::Left || place == TGlyphPlace::Right; }

TGlyphPlace Mirrored(TGlyphPlace place)
{
    if (place == TGlyphPlace::Left)
        return TGlyphPlace::Right;
    if (place == TGlyphPlace::Right)
        return TGlyphPlace::Left;
    return place;
}

// Sizes measured along the axis the glyph and caption are lined up on.
struct TAxis {
    int Client, Glyph, Text;
};

// Settles a default margin (-1) and a spread spacing (negative).
void ResolveMarginAndSpacing(const TAxis& axis, TGroupAlignment alignment, int& margin, int& spacing)
{
    if (margin == -1) {
        if (spacing < 0) {
            spacing = (axis.Client - (axis.Glyph + axis.Text)) / 3;
            margin = spacing;
        } else if (alignment == TGroupAlignment::Center) {
            margin = (axis.Client - (axis.Glyph + spacing + axis.Text) + 1) / 2;
        } else {
            margin = 2;
        }
    }
    if (margin >= 0 && spacing < 0)
        spacing = ((axis.Client - margin - axis.Glyph) - axis.Text) / 2;
}

void PlaceBeside(TGlyphPlace place, TGroupAlignment alignment, int width, int margin, int spacing,
                 TSize glyph, TSize text, TPoint& glyphPos, TRect& caption)
{
    const int gw = glyph.Width;
    const int tw = text.Width;
    int captionX = 0;
    if (place == TGlyphPlace::Left) {
        switch (alignment) {
        case TGroupAlignment::Left:
            glyphPos.X = margin;
            captionX = margin + gw + spacing;
            break;
        case TGroupAlignment::Right:
            captionX = width - margin - tw;
            glyphPos.X = captionX - spacing - gw;
            break;
        case TGroupAlignment::Center:
            glyphPos.X = (width - tw - spacing - gw) / 2;
            if (glyphPos.X < margin)
                glyphPos.X = margin;
            captionX = glyphPos.X + gw + spacing;
            break;
        }
    } else {
        switch (alignment) {
        case TGroupAlignment::Left:
            captionX = margin;
            glyphPos.X = margin + tw + spacing;
            break;
        case TGroupAlignment::Right:
            glyphPos.X = width - margin - gw;
            captionX = glyphPos.X - spacing - tw;
            break;
        case TGroupAlignment::Center:
            captionX = (width - tw - spacing - gw) / 2;
            glyphPos.X = captionX + tw + spacing;
            break;
        }
    }
    caption = {captionX, caption.Top, captionX + tw, caption.Bottom};
    if (place == TGlyphPlace::Left && alignment == TGroupAlignment::Left && caption.Right > width - margin)
        caption.Right = width - margin;
}

} // namespace

int CaptionAvailableWidth(int buttonWidth, int margin, int spacing, TGlyphPlace place, int glyphWidth)
{
    int width = buttonWidth - 2 * margin;
    if (Beside(place) && glyphWidth > 0)
        width -= glyphWidth + spacing;
    return width;
}

TBitBtnLayoutResult LayoutBitBtn(const TBitBtnLayoutInput& input)
{
    const TGlyphPlace place = input.RightToLeft ? Mirrored(input.Place) : input.Place;
    const int width = input.Client.Width();
    const int height = input.Client.Height();
    const TSize glyph = input.GlyphSize;
    const TSize text = input.TextSize;

    TBitBtnLayoutResult result;
    result.CaptionRect = {0, 0, text.Width, text.Height};
    TRect& caption = result.CaptionRect;
    TPoint& glyphPos = result.GlyphPos;

    const bool beside = Beside(place);
    // The cross axis: both centred on their own.
    if (beside) {
        glyphPos.Y = (height - glyph.Height + 1) / 2;
        caption = caption.Offset(0, (height + 1 - text.Height) / 2);
    } else {
        glyphPos.X = (width - glyph.Width + 1) / 2;
        caption = caption.Offset((width + 1 - text.Width) / 2, 0);
    }

    int spacing = (text.Width == 0 || glyph.Width == 0) ? 0 : input.Spacing;
    int margin = input.Margin;
    const TAxis axis = beside ? TAxis{width, glyph.Width, text.Width}
                              : TAxis{height, glyph.Height, text.Height};
    ResolveMarginAndSpacing(axis, input.Alignment, margin, spacing);

    if (beside) {
        PlaceBeside(place, input.Alignment, width, margin, spacing, glyph, text, glyphPos, caption);
    } else {
        const int glyphY = place == TGlyphPlace::Top
                               ? (height - glyph.Height - spacing - text.Height) / 2
                               : height - glyph.Height - (height - glyph.Height - spacing - text.Height) / 2;
        glyphPos.Y = glyphY;
        const int captionY = place == TGlyphPlace::Top ? glyphY + glyph.Height + spacing
                                                       : glyphY - spacing - text.Height;
        caption = {caption.Left, captionY, caption.Right, captionY + text.Height};
    }

    glyphPos = {glyphPos.X + input.Client.Left, glyphPos.Y + input.Client.Top};
    caption = caption.Offset(input.Client.Left, input.Client.Top);
    return result;
}

} // namespace pp
