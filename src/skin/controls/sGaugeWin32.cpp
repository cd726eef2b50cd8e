#include "skin/controls/sGaugeWin32.h"

#include "skin/controls/GaugePlainPaintWin32.h"
#include "toolkit/Errors.h"

namespace pp {

TsGauge::TsGauge(TComponent* owner) : TGraphicControl(owner)
{
    ControlStyle |= csOpaque;
    SetBounds(0, 0, 120, 30);
}

template <class T> void TsGauge::SetAndRepaint(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Repaint();
}

void TsGauge::SetKind(TsGaugeKind kind) { SetAndRepaint(kind_, kind); }
void TsGauge::SetBorderStyle(TGaugeBorderStyle style) { SetAndRepaint(borderStyle_, style); }
void TsGauge::SetBackColor(TColor color) { SetAndRepaint(backColor_, color); }
void TsGauge::SetForeColor(TColor color) { SetAndRepaint(foreColor_, color); }
void TsGauge::SetShowText(bool on) { SetAndRepaint(showText_, on); }

void TsGauge::SetCalcPercents(bool on)
{
    if (model_.SetCalcPercents(on))
        Invalidate();
}

void TsGauge::SetSuffix(const std::string& suffix)
{
    if (model_.SetSuffix(suffix))
        Invalidate();
}

// The model's range error becomes the toolkit's invalid-operation error,
// the kind the rest of the program expects from a property setter.
template <class Setter> void TsGauge::SetRangeEnd(Setter setter)
{
    bool changed = false;
    try {
        changed = setter(IsLoading());
    } catch (const app::EInvalidRange& e) {
        throw EInvalidOperation(e.Message());
    }
    if (changed)
        Repaint();
}

void TsGauge::SetMinValue(std::int32_t value)
{
    SetRangeEnd([&](bool loading) { return model_.SetMinValue(value, loading); });
}

void TsGauge::SetMaxValue(std::int32_t value)
{
    SetRangeEnd([&](bool loading) { return model_.SetMaxValue(value, loading); });
}

void TsGauge::SetProgress(std::int32_t value)
{
    const app::TGaugeChange change = model_.SetProgress(value);
    if (change.PercentChanged)
        Repaint();
    if (change.ValueChanged && OnChange)
        OnChange(this);
}

std::string TsGauge::PaintedText()
{
    std::string text = model_.Text();
    if (OnPaintText)
        OnPaintText(this, text);
    return text;
}

void TsGauge::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TPlainGaugeLook look;
    look.Kind = kind_;
    look.SingleBorder = borderStyle_ == TGaugeBorderStyle::bsSingle;
    look.BackColor = backColor_;
    look.ForeColor = foreColor_;
    look.ControlColor = Color();
    look.PercentDone = model_.PercentDone();
    look.ShowText = showText_;
    if (showText_)
        look.Text = PaintedText();
    PaintPlainGauge(Canvas(), {Width(), Height()}, Font(), look);
}

} // namespace pp
