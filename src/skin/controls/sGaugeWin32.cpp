#include "skin/controls/sGaugeWin32.h"

#include "skin/controls/GaugeLightPictureWin32.h"
#include "skin/controls/GaugePlainPaintWin32.h"
#include "skin/controls/GaugeSkinDrawingWin32.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"

namespace pp {

TsGauge::TsGauge(TComponent* owner) : TGraphicControl(owner), lightTimer_(std::make_unique<TTimer>(this))
{
    ControlStyle |= csOpaque;
    SetBounds(0, 0, 120, 30);
    SkinData.ControlKind = COC_TsGauge;
    lightTimer_->SetEnabled(false);
    lightTimer_->SetInterval(GaugeLightInterval);
    lightTimer_->SetOnTimer([this](TObject*) { LightTick(); });
    SkinData.RefreshBinding();
}

TsGauge::~TsGauge() = default;

void TsGauge::Loaded()
{
    TGraphicControl::Loaded();
    SkinData.RefreshBinding();
    if (animated_ && !IsDesigning())
        SetLightOn(true);
}

template <class T> void TsGauge::SetAndRepaint(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Repaint();
}

void TsGauge::SetKind(TsGaugeKind kind)
{
    // A square gauge's bar has the same size lying down and standing up, but
    // not the same pixels.
    if (kind != kind_)
        skinPainter_.DropBarCache();
    SetAndRepaint(kind_, kind);
}
void TsGauge::SetBorderStyle(TGaugeBorderStyle style) { SetAndRepaint(borderStyle_, style); }
void TsGauge::SetBackColor(TColor color) { SetAndRepaint(backColor_, color); }
void TsGauge::SetForeColor(TColor color) { SetAndRepaint(foreColor_, color); }
void TsGauge::SetShowText(bool on) { SetAndRepaint(showText_, on); }

void TsGauge::SetCalcPercents(bool on)
{
    if (model_.SetCalcPercents(on))
        SkinData.InvalidateOwner();
}

void TsGauge::SetSuffix(const std::string& suffix)
{
    if (model_.SetSuffix(suffix))
        SkinData.InvalidateOwner();
}

void TsGauge::SetAnimated(bool on)
{
    if (on == animated_)
        return;
    animated_ = on;
    if (IsDesigning())
        return;
    skinPainter_.DropBarCache();
    SetLightOn(on);
    if (!on)
        SkinData.InvalidateOwner();
}

void TsGauge::SetProgressSkin(const std::string& section)
{
    if (section == progressSkin_)
        return;
    progressSkin_ = section;
    skinPainter_.DropBarCache();
    SkinData.BackgroundStale = true;
    Repaint();
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
    if (changed) {
        Repaint();
        UpdateLightTimer();
    }
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
    if (change.PercentChanged) {
        if (!SkinEngine.SkinLoading)
            SkinData.BackgroundStale = true;
        Repaint();
        UpdateLightTimer();
    }
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
    if (SkinData.IsSkinned())
        PaintSkinned();
    else
        PaintPlain();
}

void TsGauge::PaintPlain()
{
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

void TsGauge::PaintSkinned()
{
    const HDC dc = Canvas().Handle();
    if (SkinData.MustWait(false)) {
        // The repaint at the end of the parent's update paints fully.
        SetPixel(dc, 0, 0, RGB(255, 0, 255));
        return;
    }
    PrepareCache();
    CopyCacheTo(dc);
}

TGaugeSkinLook TsGauge::SkinLook() const
{
    TGaugeSkinLook look;
    look.Kind = kind_;
    look.Animated = animated_;
    look.ShowText = showText_;
    look.PercentDone = model_.PercentDone();
    look.ProgressSkin = progressSkin_;
    look.LightPosition = lightClock_.Position();
    return look;
}

namespace {

TGaugeSkinDrawing DrawingFor(TsGauge& gauge, TKeptBitmapCanvas& canvas)
{
    TGaugeSkinDrawingSetup setup;
    setup.Text = [&gauge] { return gauge.PaintedText(); };
    setup.Font = &gauge.Font();
    setup.GaugeText = gauge.SkinData.TextSource(false);
    setup.Skin = gauge.SkinData.Skin();
    setup.Enabled = gauge.Enabled();
    setup.RightToLeft = gauge.UseRightToLeftReading();
    setup.ForeColor = gauge.ForeColor();
    setup.BackColor = gauge.BackColor();
    setup.PercentDone = gauge.PercentDone();
    setup.ControlWidth = gauge.Width();
    setup.Canvas = &canvas;
    return TGaugeSkinDrawing(std::move(setup));
}

} // namespace

void TsGauge::PrepareCache()
{
    SkinData.FitCacheBitmap();
    const BackdropInfo backdrop = SkinData.ParentBackdrop();
    if (animated_ && !lightPicture_)
        lightPicture_ = LoadGaugeLightPicture();
    skinPainter_.SetLightPicture(lightPicture_ ? &*lightPicture_ : nullptr);
    TGaugeSkinDrawing drawing = DrawingFor(*this, DrawingCanvas());
    skinPainter_.Compose(*SkinData.CacheBitmap, SkinData.ItemBinding(), backdrop, SkinLook(), drawing);
    SkinData.BackgroundStale = false;
}

void TsGauge::CopyCacheTo(HDC dc)
{
    const TRect whole = ClientRect();
    CopyCacheToWindow(*this, SkinData, whole, 0, 0, true, dc, whole);
}

void TsGauge::LightTick()
{
    if (!SkinData.IsSkinned()) {
        SetLightOn(false);
        return;
    }
    const int length = kind_ == TsGaugeKind::gkVerticalBar ? Height() : Width();
    if (!lightClock_.Tick(length))
        return;
    const TWinControl* parent = Parent();
    // An empty gauge shows no light. The percentage decides, not the value,
    // so that a range below zero lights its bar too.
    if (Visible() && PercentDone() > 0 && parent && parent->HandleAllocated() &&
        IsWindowVisible(parent->HandleValue()))
        PaintLight();
    lightClock_.Step(length);
}

bool TsGauge::CacheIsCurrent() const
{
    const TBitmap* cache = SkinData.CacheBitmap.get();
    return cache && cache->Size() == TSize{Width(), Height()} && !SkinData.BackgroundStale;
}

namespace {
// GetDC's own choice of clipping from the window's styles (the headers
// leave the flag out).
constexpr DWORD DcxUseStyle = 0x00010000;
} // namespace

TKeptBitmapCanvas& TsGauge::DrawingCanvas()
{
    if (!drawingCanvas_)
        drawingCanvas_ = std::make_unique<TKeptBitmapCanvas>();
    return *drawingCanvas_;
}

// Only the light moved: the filled part is laid again from the kept bar
// over the cache of the last paint, and the result goes straight to the
// parent's surface without an invalidation. The parent's context is a
// common one, given back at once, so its state needs no saving; the copy
// is the control's own rectangle, which needs no clipping.
void TsGauge::PaintLight()
{
    TGaugeSkinDrawing drawing = DrawingFor(*this, DrawingCanvas());
    if (!CacheIsCurrent() ||
        !skinPainter_.RecomposeLight(*SkinData.CacheBitmap, SkinData.ItemBinding(), SkinLook(), drawing))
        PrepareCache();
    RefreshCacheCorners(*this, SkinData);
    TKeptBitmapCanvas& canvas = DrawingCanvas();
    canvas.Target(*SkinData.CacheBitmap);
    const TWindowDCHandle dc(Parent()->HandleValue(), DcxUseStyle | DCX_NORESETATTRS);
    BitBlt(dc.Get(), Left(), Top(), Width(), Height(), canvas.Handle(), 0, 0, SRCCOPY);
    canvas.Release();
}

void TsGauge::StartLight()
{
    if (animated_ && !IsDesigning())
        SetLightOn(true);
}

void TsGauge::SetLightOn(bool on)
{
    lightOn_ = on;
    UpdateLightTimer();
}

// An empty bar shows no light, so its timer does not run: an idle program
// with no line raised would otherwise wake 45 times a second for nothing.
// The light goes on from where it was when the bar fills again.
void TsGauge::UpdateLightTimer() { lightTimer_->SetEnabled(lightOn_ && PercentDone() > 0); }

void TsGauge::SkinChanged(TMessage& message, bool removed)
{
    if (removed && animated_)
        SetLightOn(false);
    skinPainter_.DropBarCache();
    SkinData.HandleSkinMessage(message);
    Repaint();
    if (!removed)
        StartLight();
}

bool TsGauge::HandleSkinCommand(TMessage& message)
{
    const TSkinCommand command = SkinCommandOf(message.WParam);
    switch (command) {
    case SkinMsgSetSkin:
    case SkinMsgRemoveSkin:
    case SkinMsgRefresh:
        if (reinterpret_cast<TsSkinManager*>(message.LParam) != SkinData.SkinManager())
            return true;
        if (command == SkinMsgSetSkin) {
            // The kept bar is the old skin's picture: a new skin of the same
            // bar size must not show it.
            skinPainter_.DropBarCache();
            SkinData.HandleSkinMessage(message);
            // A skin that comes after a removal brings the light back, as a refresh does.
            StartLight();
        } else {
            SkinChanged(message, command == SkinMsgRemoveSkin);
        }
        return true;
    case SkinMsgRepaintAfterUpdate:
        if (SkinData.MustWait(false)) {
            SkinData.PaintSuspended = false;
            Repaint();
        }
        return true;
    case SkinMsgIsSkinned: message.Result = 1; return true;
    case SkinMsgDropCache: skinPainter_.DropBarCache(); return false;
    case SkinMsgGetApplication: message.Result = reinterpret_cast<LRESULT>(Application); return true;
    default: return false;
    }
}

void TsGauge::WndProc(TMessage& message)
{
    if (message.Msg == SM_SKINCOMMAND && HandleSkinCommand(message))
        return;
    if (CanPaintNow(this) && SkinData.IsSkinned() && SkinData.HandleControlMessage(message))
        return;
    TGraphicControl::WndProc(message);
}

} // namespace pp
