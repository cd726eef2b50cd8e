#include "skin/controls/GaugePlainPaintWin32.h"

#include "skin/controls/GaugeFigures.h"
#include "skin/controls/GaugeModel.h"

#include <algorithm>

namespace pp {

namespace {

void FillWith(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Brush.SetColor(color);
    canvas.FillRect(rect);
}

void PaintBar(TCanvas& canvas, const TRect& pr, const TPlainGaugeLook& look)
{
    FillWith(canvas, pr, look.BackColor);
    // Right and bottom of the filled part are coordinates one past the paint
    // rectangle's size, so a full bar reaches its far edge.
    const int w = pr.Width() + 1;
    const int h = pr.Height() + 1;
    if (look.Kind == TsGaugeKind::gkHorizontalBar) {
        const int fill = std::min(app::GaugeFillLength(w, look.PercentDone), w);
        if (fill >= 1)
            FillWith(canvas, {pr.Left, pr.Top, fill, h}, look.ForeColor);
    } else {
        int fill = app::GaugeFillLength(h, look.PercentDone);
        if (fill >= h)
            fill = h - 1;
        FillWith(canvas, {pr.Left, h - fill, w, h}, look.ForeColor);
    }
}

void UseOutline(TCanvas& canvas, const TPlainGaugeLook& look)
{
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Brush.SetColor(look.BackColor);
    canvas.Pen.SetStyle(TPenStyle::psSolid);
    canvas.Pen.SetColor(look.ForeColor);
    canvas.Pen.SetWidth(1);
}

void PaintPie(TCanvas& canvas, const TRect& pr, const TPlainGaugeLook& look)
{
    FillWith(canvas, pr, look.ControlColor);
    const int w = pr.Right;
    const int h = pr.Bottom;
    UseOutline(canvas, look);
    const TRect box{pr.Left, pr.Top, w, h};
    canvas.Ellipse(box);
    if (look.PercentDone <= 0)
        return;
    canvas.Brush.SetColor(look.ForeColor);
    canvas.Pie(box, PieStartPoint(w, h, look.PercentDone), {w / 2, 0});
}

void PaintNeedle(TCanvas& canvas, const TRect& pr, int controlWidth, const TPlainGaugeLook& look)
{
    FillWith(canvas, pr, look.ControlColor);
    const int w = pr.Right;
    const int h = pr.Bottom;
    UseOutline(canvas, look);
    canvas.Pie({pr.Left, pr.Top, w, 2 * h - 1}, {pr.Left + w, pr.Bottom - 1}, {pr.Left, pr.Bottom - 1});
    canvas.MoveTo(pr.Left, pr.Bottom);
    canvas.LineTo(pr.Left + w, pr.Bottom);
    if (look.PercentDone <= 0)
        return;
    const int middle = controlWidth / 2;
    canvas.MoveTo(middle, pr.Bottom - 1);
    const TPoint end = NeedleEndPoint(middle, pr.Bottom - 1, look.PercentDone);
    canvas.LineTo(end.X, end.Y);
}

void PaintFigure(TCanvas& canvas, const TRect& pr, TSize size, const TPlainGaugeLook& look)
{
    switch (look.Kind) {
    case TsGaugeKind::gkText: FillWith(canvas, pr, look.BackColor); break;
    case TsGaugeKind::gkHorizontalBar:
    case TsGaugeKind::gkVerticalBar: PaintBar(canvas, pr, look); break;
    case TsGaugeKind::gkPie: PaintPie(canvas, pr, look); break;
    case TsGaugeKind::gkNeedle: PaintNeedle(canvas, pr, size.Width, look); break;
    }
}

void PaintText(TCanvas& canvas, const TRect& pr, const TFont& font, const std::string& text)
{
    canvas.Font.Assign(font);
    canvas.Font.SetColor(clWhite);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    const TSize extent = canvas.TextExtent(text);
    const int x = (pr.Right - pr.Left - extent.Width + 1) / 2;
    const int y = (pr.Bottom - pr.Top - extent.Height + 1) / 2;
    canvas.TextRect(pr, x, y, text);
}

// XOR of an overlay into the image: on the black image it takes the overlay,
// and white text inverts whatever figure lies under it.
void Invert(TCanvas& image, TCanvas& overlay, TSize size)
{
    BitBlt(image.Handle(), 0, 0, size.Width, size.Height, overlay.Handle(), 0, 0, SRCINVERT);
}

TBitmap BlackBitmap(TSize size)
{
    TBitmap bitmap(size.Width, size.Height, TPixelFormat::pf32bit);
    bitmap.Fill(PixelFromColor(clBlack));
    return bitmap;
}

} // namespace

void PaintPlainGauge(TCanvas& target, TSize size, const TFont& font, const TPlainGaugeLook& look)
{
    if (size.Width <= 0 || size.Height <= 0)
        return;
    TRect pr{0, 0, size.Width, size.Height};
    if (look.SingleBorder)
        pr = {1, 1, size.Width - 1, size.Height - 1};

    TBitmap image = BlackBitmap(size);
    TBitmapCanvas imageCanvas(image);
    {
        TBitmap figure = BlackBitmap(size);
        TBitmapCanvas figureCanvas(figure);
        PaintFigure(figureCanvas, pr, size, look);
        Invert(imageCanvas, figureCanvas, size);
    }
    if (look.ShowText) {
        TBitmap text = BlackBitmap(size);
        TBitmapCanvas textCanvas(text);
        PaintText(textCanvas, pr, font, look.Text);
        Invert(imageCanvas, textCanvas, size);
    }
    target.CopyRect({0, 0, size.Width, size.Height}, imageCanvas, {0, 0, size.Width, size.Height});
}

} // namespace pp
