#pragma once
// The gauge's look without a skin: the figure in the fore and back colours,
// the text inverted against whatever lies under it.
#include "core/Geometry.h"
#include "skin/controls/sGaugeWin32.h"
#include "toolkit/Canvas.h"

namespace pp {

struct TPlainGaugeLook {
    TsGaugeKind Kind = TsGaugeKind::gkHorizontalBar;
    bool SingleBorder = true;
    TColor BackColor = clWhite;
    TColor ForeColor = clBlack;
    TColor ControlColor = clBtnFace;
    int PercentDone = 0;
    bool ShowText = true;
    std::string Text;
};

// Paints the whole size-sized area of target at its origin.
void PaintPlainGauge(TCanvas& target, TSize size, const TFont& font, const TPlainGaugeLook& look);

} // namespace pp
