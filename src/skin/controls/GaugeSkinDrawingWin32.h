#pragma once
// What the skinned gauge draws through the platform: its text in the skin's
// colours and its pie and needle outlines, onto the cache or a bar image.
#include "skin/controls/GaugeSkinPaint.h"
#include "skin/paint/ItemTextSource.h"
#include "toolkit/GraphicsObjects.h"
#include "toolkit/KeptBitmapCanvas.h"

#include <functional>
#include <string>

namespace pp {

struct TGaugeSkinDrawingSetup {
    // Builds the text afresh for every pass (it runs the text event).
    std::function<std::string()> Text;
    const TFont* Font = nullptr;
    TItemTextSource GaugeText; // the gauge section's text colours
    const TsLoadedSkin* Skin = nullptr;
    bool Enabled = true;
    bool RightToLeft = false;
    TColor ForeColor = clBlack;
    TColor BackColor = clWhite; // fills the pie's ellipse
    int PercentDone = 0;
    int ControlWidth = 0;
    // The gauge's own canvas, kept between paints; null: one is made per drawing.
    TKeptBitmapCanvas* Canvas = nullptr;
};

class TGaugeSkinDrawing : public TGaugePlatformDrawing {
public:
    explicit TGaugeSkinDrawing(TGaugeSkinDrawingSetup setup) : setup_(std::move(setup)) { }

    void DrawGaugeText(TBitmap& target, const TRect& r) override;
    void DrawProgressText(TBitmap& target, int sectionIndex, const TRect& r) override;
    void DrawPie(TBitmap& target, const TRect& r) override;
    void DrawNeedle(TBitmap& target, const TRect& r) override;

private:
    unsigned TextFormat() const;
    template <class Draw> void OnCanvas(TBitmap& target, Draw draw);
    void DrawPieOn(TCanvas& canvas, const TRect& r);
    void DrawNeedleOn(TCanvas& canvas, const TRect& r);
    TGaugeSkinDrawingSetup setup_;
};

} // namespace pp
