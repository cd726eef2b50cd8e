#pragma once
// The platform's part of the skinned gauge, recorded instead of drawn:
// which text went where and in which colours, and how many figures.
#include "skin/controls/GaugeSkinPaint.h"

#include <vector>

namespace pp::test {

struct TRecordedDrawing : TGaugePlatformDrawing {
    struct TText {
        int Section; // -1: the gauge's own colours
        TRect Rect;
        TSize Target;
    };
    std::vector<TText> Texts;
    int Figures = 0;

    void DrawGaugeText(TBitmap& target, const TRect& r) override { Texts.push_back({-1, r, target.Size()}); }
    void DrawProgressText(TBitmap& target, int section, const TRect& r) override
    {
        Texts.push_back({section, r, target.Size()});
    }
    void DrawPie(TBitmap&, const TRect&) override { ++Figures; }
    void DrawNeedle(TBitmap&, const TRect&) override { ++Figures; }
};

} // namespace pp::test
