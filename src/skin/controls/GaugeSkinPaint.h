#pragma once
// The skinned gauge composed into its cache bitmap: the gauge section's
// item, the text in its colours, and the filled part from a progress
// section with the running light over it. What only the platform can draw
// (text, the pie and the needle) comes through TGaugePlatformDrawing; the
// rest is pixels, so the composition can be checked without a window.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/controls/GaugeKind.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/ItemBinding.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/BackdropInfo.h"

#include <optional>
#include <string>

namespace pp {

class TGaugePlatformDrawing {
public:
    virtual ~TGaugePlatformDrawing() = default;
    // The gauge's text centred in `r` of the cache, in its own section's colours.
    virtual void DrawGaugeText(TBitmap& target, const TRect& r) = 0;
    // The same text in section `sectionIndex`'s colours, centred in `r`,
    // which may reach beyond `target` (the text lines up with the gauge's).
    virtual void DrawProgressText(TBitmap& target, int sectionIndex, const TRect& r) = 0;
    virtual void DrawPie(TBitmap& target, const TRect& r) = 0;
    virtual void DrawNeedle(TBitmap& target, const TRect& r) = 0;
};

// What the composition reads from the gauge.
struct TGaugeSkinLook {
    TsGaugeKind Kind = TsGaugeKind::gkHorizontalBar;
    bool Animated = true;
    bool ShowText = true;
    int PercentDone = 0;
    std::string ProgressSkin; // empty: PROGRESSH, or PROGRESSV for a still vertical bar
    int LightPosition = 9999; // the light clock's position
};

class TGaugeSkinPainter {
public:
    // The decoded light picture; without one the bar shows no light.
    void SetLightPicture(const TBitmap* picture) { lightPicture_ = picture; }

    // Paints the whole gauge into `cache` (the control's size) over
    // `backdrop`, the parent's background behind it.
    void Compose(TBitmap& cache, const TsItemBinding& gauge, const BackdropInfo& backdrop,
                 const TGaugeSkinLook& look, TGaugePlatformDrawing& drawing);

    // The light moved and nothing else: repaints only the filled part of a
    // cache that Compose made for the same look, from the kept bar. False
    // (and nothing painted) when that cannot give Compose's pixels: no
    // kept bar of the right size, or a look that paints over the bar
    // afterwards; then Compose must run.
    bool RecomposeLight(TBitmap& cache, const TsItemBinding& gauge, const TGaugeSkinLook& look,
                        TGaugePlatformDrawing& drawing);

    // Forgets the kept filled part (a new progress section, a new skin).
    void DropBarCache();
    bool HasBarCache() const { return barCache_.has_value(); }

private:
    struct TBarPlan;
    std::optional<TBarPlan> PlanBar(const TBitmap& cache, const TsLoadedSkin& skin,
                                    const TGaugeSkinLook& look, bool reserved) const;
    void PaintProgress(TBitmap& cache, const TsLoadedSkin& skin, const TGaugeSkinLook& look, bool reserved,
                       TGaugePlatformDrawing& drawing);
    void PaintUprightBar(TBitmap& cache, const TsLoadedSkin& skin, const TBarPlan& plan,
                         const TGaugeSkinLook& look, TGaugePlatformDrawing& drawing);
    void PaintBar(TBitmap& cache, const TsLoadedSkin& skin, const TBarPlan& plan, const TGaugeSkinLook& look,
                  TGaugePlatformDrawing& drawing);
    TBitmap FilledPart(const TBitmap& cache, const TsLoadedSkin& skin, const TBarPlan& plan);
    void AddLight(TBitmap& bar, const TsLoadedSkin& skin, const TBarPlan& plan, int position);
    const TBitmap& LightMask(const TSkinImage& mask, const TBarPlan& plan);
    const TBitmap* LightImage(int thickness, int controlHeight);
    void PlaceBar(TBitmap& cache, TBitmap bar, const TBarPlan& plan, const TGaugeSkinLook& look,
                  TGaugePlatformDrawing& drawing) const;

    const TBitmap* lightPicture_ = nullptr;
    TBitmap light_;
    int lightRowsSkipped_ = -1;
    // The filled part as painted from the skin, lying down (length x thickness).
    std::optional<TBitmap> barCache_;
    // The progress section's light mask over that bar, made once per bar.
    std::optional<TBitmap> lightMask_;
};

} // namespace pp
