#pragma once
// A windowless progress indicator: a bar, pie, needle or bare text showing a
// value within a range, with the percentage drawn inverted over the figure.
#include "skin/controls/ControlSkinSettings.h"
#include "skin/controls/GaugeKind.h"
#include "skin/controls/GaugeModel.h"
#include "toolkit/Control.h"

#include <functional>
#include <string>

namespace pp {

enum class TGaugeBorderStyle { bsNone, bsSingle };

using TsGaugeTextEvent = std::function<void(TObject* sender, std::string& text)>;

// Control-kind code of the gauge's skin binding.
inline constexpr int COC_TsGauge = 161;

class TsGauge : public TGraphicControl {
public:
    explicit TsGauge(TComponent* owner);
    std::string ClassName() const override { return "TsGauge"; }

    TsGaugeKind Kind() const { return kind_; }
    void SetKind(TsGaugeKind kind);
    TNotifyEvent OnChange;
    bool CalcPercents() const { return model_.CalcPercents(); }
    void SetCalcPercents(bool on);
    TGaugeBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGaugeBorderStyle style);
    bool Animated = true;
    TsControlSkinSettings SkinData{"", COC_TsGauge};
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor color);
    std::int32_t MinValue() const { return model_.MinValue(); }
    // Throws EInvalidOperation for an inverted range, except while loading.
    void SetMinValue(std::int32_t value);
    std::int32_t MaxValue() const { return model_.MaxValue(); }
    void SetMaxValue(std::int32_t value);
    std::int32_t Progress() const { return model_.Progress(); }
    // Clamped to the range; repaints only when the shown percentage changes.
    void SetProgress(std::int32_t value);
    std::string ProgressSkin;
    bool ShowText() const { return showText_; }
    void SetShowText(bool on);
    const std::string& Suffix() const { return model_.Suffix(); }
    void SetSuffix(const std::string& suffix);
    TsGaugeTextEvent OnPaintText;

    int PercentDone() const { return model_.PercentDone(); }
    // The text as it will be drawn: number, suffix, then OnPaintText.
    std::string PaintedText();

protected:
    void Paint() override;

private:
    template <class T> void SetAndRepaint(T& field, T value);
    template <class Setter> void SetRangeEnd(Setter setter);

    app::TGaugeModel model_;
    TsGaugeKind kind_ = TsGaugeKind::gkHorizontalBar;
    TGaugeBorderStyle borderStyle_ = TGaugeBorderStyle::bsSingle;
    TColor backColor_ = clWhite;
    TColor foreColor_ = clBlack;
    bool showText_ = true;
};

} // namespace pp
