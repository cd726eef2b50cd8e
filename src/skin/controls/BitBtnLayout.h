#pragma once
// Where a bitmap button puts its glyph and its caption. Pure arithmetic so
// that the unskinned and the skinned painting share one placement.
#include "core/Geometry.h"

namespace pp {

enum class TGlyphPlace { Left, Right, Top, Bottom };
enum class TGroupAlignment { Left, Right, Center };

struct TBitBtnLayoutInput {
    TRect Client;
    TGlyphPlace Place = TGlyphPlace::Left;
    TGroupAlignment Alignment = TGroupAlignment::Center;
    bool RightToLeft = false;
    int Margin = -1; // -1: centre the group
    int Spacing = 4; // negative: spread evenly
    TSize GlyphSize; // 0 x 0 without a glyph
    TSize TextSize;  // 0 x 0 without a caption
};

struct TBitBtnLayoutResult {
    TPoint GlyphPos;
    TRect CaptionRect;
};

TBitBtnLayoutResult LayoutBitBtn(const TBitBtnLayoutInput& input);

// Width the caption may wrap within: the button less its margins, and less
// the glyph and spacing when they stand beside it.
int CaptionAvailableWidth(int buttonWidth, int margin, int spacing, TGlyphPlace place, int glyphWidth);

} // namespace pp
