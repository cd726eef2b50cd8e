#pragma once
// A windowless progress indicator: a bar, pie, needle or bare text showing a
// value within a range. Plain, the percentage is drawn inverted over the
// figure; under a skin the gauge paints its skin section, a progress
// section over the filled part and a light running along the bar.
#include "skin/controls/GaugeKind.h"
#include "skin/controls/GaugeLight.h"
#include "skin/controls/GaugeModel.h"
#include "skin/controls/GaugeSkinPaint.h"
#include "skin/paint/SkinBindingWin32.h"
#include "toolkit/Control.h"
#include "toolkit/KeptBitmapCanvas.h"
#include "toolkit/Timer.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pp {

enum class TGaugeBorderStyle { bsNone, bsSingle };

using TsGaugeTextEvent = std::function<void(TObject* sender, std::string& text)>;

// Control-kind code of the gauge's skin binding.
inline constexpr int COC_TsGauge = 161;

class TsGauge : public TGraphicControl {
public:
    explicit TsGauge(TComponent* owner);
    ~TsGauge() override;
    std::string ClassName() const override { return "TsGauge"; }

    TsGaugeKind Kind() const { return kind_; }
    void SetKind(TsGaugeKind kind);
    TNotifyEvent OnChange;
    bool CalcPercents() const { return model_.CalcPercents(); }
    void SetCalcPercents(bool on);
    TGaugeBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGaugeBorderStyle style);
    // The running light of the skinned bar.
    bool Animated() const { return animated_; }
    void SetAnimated(bool on);
    // An empty section name means "GAUGE".
    TsCtrlSkinData SkinData{this, true};
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
    // The section of the skinned bar's filled part; empty: PROGRESSH (or
    // PROGRESSV for a vertical bar without the light).
    const std::string& ProgressSkin() const { return progressSkin_; }
    void SetProgressSkin(const std::string& section);
    bool ShowText() const { return showText_; }
    void SetShowText(bool on);
    const std::string& Suffix() const { return model_.Suffix(); }
    void SetSuffix(const std::string& suffix);
    TsGaugeTextEvent OnPaintText;

    int PercentDone() const { return model_.PercentDone(); }
    // The text as it will be drawn: number, suffix, then OnPaintText.
    std::string PaintedText();

    void Loaded() override;
    void WndProc(TMessage& message) override;

    // The light timer (22 ms) and its tick.
    TTimer& LightTimer() { return *lightTimer_; }
    void LightTick();
    const TGaugeLightClock& LightClock() const { return lightClock_; }
    const TGaugeSkinPainter& SkinPainter() const { return skinPainter_; }

protected:
    void Paint() override;

private:
    template <class T> void SetAndRepaint(T& field, T value);
    template <class Setter> void SetRangeEnd(Setter setter);
    void PaintPlain();
    void PaintSkinned();
    void PrepareCache();
    void PaintLight();
    bool CacheIsCurrent() const;
    void CopyCacheTo(HDC dc);
    TKeptBitmapCanvas& DrawingCanvas();
    TGaugeSkinLook SkinLook() const;
    bool HandleSkinCommand(TMessage& message);
    void StartLight();
    void SetLightOn(bool on);
    void UpdateLightTimer();
    void SkinChanged(TMessage& message, bool removed);

    app::TGaugeModel model_;
    TsGaugeKind kind_ = TsGaugeKind::gkHorizontalBar;
    TGaugeBorderStyle borderStyle_ = TGaugeBorderStyle::bsSingle;
    TColor backColor_ = clWhite;
    TColor foreColor_ = clBlack;
    bool showText_ = true;
    bool animated_ = true;
    // The light is wanted (animated, skinned, running); its timer ticks only
    // while the bar also shows something for it to cross.
    bool lightOn_ = false;
    std::string progressSkin_;
    std::unique_ptr<TTimer> lightTimer_;
    TGaugeLightClock lightClock_;
    std::optional<TBitmap> lightPicture_;
    TGaugeSkinPainter skinPainter_;
    // Made on the first skinned paint; the light repaints ten times a second.
    std::unique_ptr<TKeptBitmapCanvas> drawingCanvas_;
};

} // namespace pp
