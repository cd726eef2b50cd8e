#include "skin/controls/GaugeSkinDrawingWin32.h"

#include "skin/controls/GaugeFigures.h"
#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/SectionTextWin32.h"
#include "toolkit/Canvas.h"

namespace pp {

unsigned TGaugeSkinDrawing::TextFormat() const
{
    return DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS |
           (setup_.RightToLeft ? DT_RTLREADING : 0);
}

// The kept canvas gives its bitmap back also when drawing throws, so the
// bitmap can be freed.
template <class Draw> void TGaugeSkinDrawing::OnCanvas(TBitmap& target, Draw draw)
{
    if (!setup_.Canvas) {
        TBitmapCanvas canvas(target);
        draw(canvas);
        return;
    }
    struct TGiveBack {
        TKeptBitmapCanvas& Canvas;
        ~TGiveBack() { Canvas.Release(); }
    } giveBack{*setup_.Canvas};
    setup_.Canvas->Target(target);
    draw(*setup_.Canvas);
}

void TGaugeSkinDrawing::DrawGaugeText(TBitmap& target, const TRect& r)
{
    OnCanvas(target, [&](TCanvas& canvas) {
        canvas.Font.Assign(*setup_.Font);
        DrawItemText(canvas, setup_.Text(), setup_.Enabled, false, setup_.GaugeText, TextFormat(), r);
    });
}

void TGaugeSkinDrawing::DrawProgressText(TBitmap& target, int sectionIndex, const TRect& r)
{
    OnCanvas(target, [&](TCanvas& canvas) {
        canvas.Font.Assign(*setup_.Font);
        DrawSectionText(canvas, setup_.Text(), setup_.Enabled, setup_.Skin, false, sectionIndex, TextFormat(),
                        r);
    });
}

// The cache holds no pen or brush of its own to inherit: the pie's ellipse
// is filled with the back colour, and every line is in the fore colour.
void TGaugeSkinDrawing::DrawPie(TBitmap& target, const TRect& r)
{
    OnCanvas(target, [&](TCanvas& canvas) { DrawPieOn(canvas, r); });
}

void TGaugeSkinDrawing::DrawPieOn(TCanvas& canvas, const TRect& r)
{
    canvas.Pen.SetStyle(TPenStyle::psSolid);
    canvas.Pen.SetColor(setup_.ForeColor);
    canvas.Pen.SetWidth(1);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Brush.SetColor(setup_.BackColor);
    const TRect box{r.Left, r.Top, r.Width(), r.Height()};
    canvas.Ellipse(box);
    if (setup_.PercentDone <= 0)
        return;
    canvas.Brush.SetColor(setup_.ForeColor);
    canvas.Pie(box, PieStartPoint(box.Right, box.Bottom, setup_.PercentDone), {box.Right / 2, 0});
}

void TGaugeSkinDrawing::DrawNeedle(TBitmap& target, const TRect& r)
{
    OnCanvas(target, [&](TCanvas& canvas) { DrawNeedleOn(canvas, r); });
}

void TGaugeSkinDrawing::DrawNeedleOn(TCanvas& canvas, const TRect& r)
{
    canvas.Pen.SetStyle(TPenStyle::psSolid);
    canvas.Pen.SetColor(setup_.ForeColor);
    canvas.Pen.SetWidth(1);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    const int w = r.Width(), h = r.Height();
    canvas.Pie({r.Left, r.Top, w, 2 * h - 1}, {r.Left + w, r.Bottom - 1}, {r.Left, r.Bottom - 1});
    canvas.MoveTo(r.Left, r.Bottom);
    canvas.LineTo(r.Left + w, r.Bottom);
    if (setup_.PercentDone <= 0)
        return;
    const int middle = setup_.ControlWidth / 2;
    const TPoint end = NeedleEndPoint(middle, r.Bottom - 1, setup_.PercentDone);
    canvas.MoveTo(middle, r.Bottom - 1);
    canvas.LineTo(end.X, end.Y);
}

} // namespace pp
