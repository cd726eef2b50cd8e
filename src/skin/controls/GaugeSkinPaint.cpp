#include "skin/controls/GaugeSkinPaint.h"

#include "skin/controls/GaugeLight.h"
#include "skin/controls/GaugeModel.h"
#include "skin/controls/LightImage.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/ItemBackground.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/Composite.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/Transform.h"

#include <algorithm>

namespace pp {

// Where and from which section the filled part of a bar is painted.
struct TGaugeSkinPainter::TBarPlan {
    std::string SectionName;
    int Section = -1;
    bool Vertical = false;
    // A vertical bar without the light: painted upright from PROGRESSV.
    // Every other bar is painted lying down (length along x) and, when
    // vertical, turned up at the end.
    bool Upright = false;
    // The gauge section's reserved flag: key-coloured bar pixels stay
    // transparent, and the bar gets no light mask.
    bool Reserved = false;
    int Length = 0;
    int Thickness = 0;
    int Filled = 0;
    int ControlHeight = 0;

    TSize BarSize() const { return {Filled, Thickness}; }
};

namespace {

bool IsSkinnedBinding(const TsItemBinding& gauge)
{
    return gauge.Skin && gauge.Skin->IsValidSkinIndex(gauge.SectionIndex);
}

bool IsReserved(const TsItemBinding& gauge, const TGaugeSkinLook& look)
{
    return gauge.Skin->Sections()[static_cast<std::size_t>(gauge.SectionIndex)].ReservedBoolean &&
           IsBarKind(look.Kind);
}

BackdropInfo NothingBehind()
{
    BackdropInfo none;
    none.BackColor = clKeyColor;
    return none;
}

void RenderSection(const TsLoadedSkin& skin, int section, const TBitmap& behind, TPoint behindAt,
                   TBitmap& target)
{
    const TsItemBinding binding = BindingForSection(skin, section);
    RenderItemBySection(skin, section, BackdropFromBitmap(&behind, behindAt.X, behindAt.Y),
                        binding.PatternIndex, binding.HotPatternIndex, target, {0, 0}, target.Bounds(), 0);
}

} // namespace

void TGaugeSkinPainter::Compose(TBitmap& cache, const TsItemBinding& gauge, const BackdropInfo& backdrop,
                                const TGaugeSkinLook& look, TGaugePlatformDrawing& drawing)
{
    if (!IsSkinnedBinding(gauge) || cache.Empty())
        return;
    const TsLoadedSkin& skin = *gauge.Skin;
    const TRect r = cache.Bounds();
    if (!IsReserved(gauge, look)) {
        RenderItem(gauge, backdrop, true, cache, {0, 0}, r, 0);
        PaintProgress(cache, skin, look, false, drawing);
        return;
    }
    // The reserved look: the border goes over the filled part, not under it.
    RenderItemBackground(skin, gauge.SectionIndex, backdrop, gauge.CustomColor, gauge.PatternIndex,
                         gauge.HotPatternIndex, cache, {0, 0}, r, 0);
    PaintProgress(cache, skin, look, true, drawing);
    const int border = skin.Sections()[static_cast<std::size_t>(gauge.SectionIndex)].BorderMaskIndex;
    if (const auto image = SkinImageAt(skin, border))
        DrawBorderMask(cache, r, true, 0, *image, backdrop, gauge.ScaledPieces);
}

bool TGaugeSkinPainter::RecomposeLight(TBitmap& cache, const TsItemBinding& gauge, const TGaugeSkinLook& look,
                                       TGaugePlatformDrawing& drawing)
{
    if (!IsSkinnedBinding(gauge) || cache.Empty() || !IsBarKind(look.Kind) || IsReserved(gauge, look))
        return false;
    const std::optional<TBarPlan> plan = PlanBar(cache, *gauge.Skin, look, false);
    if (!plan)
        return true; // no filled part: the cache has nothing the light could change
    if (plan->Upright || !barCache_ || barCache_->Size() != plan->BarSize())
        return false;
    PaintBar(cache, *gauge.Skin, *plan, look, drawing);
    return true;
}

void TGaugeSkinPainter::DropBarCache()
{
    barCache_.reset();
    lightMask_.reset();
}

std::optional<TGaugeSkinPainter::TBarPlan> TGaugeSkinPainter::PlanBar(const TBitmap& cache,
                                                                      const TsLoadedSkin& skin,
                                                                      const TGaugeSkinLook& look,
                                                                      bool reserved) const
{
    TBarPlan plan;
    plan.Vertical = look.Kind == TsGaugeKind::gkVerticalBar;
    plan.Reserved = reserved;
    plan.ControlHeight = cache.Height();
    if (!look.ProgressSkin.empty())
        plan.SectionName = look.ProgressSkin;
    else
        plan.SectionName = plan.Vertical && !look.Animated ? "PROGRESSV" : "PROGRESSH";
    plan.Section = skin.GetSkinIndex(plan.SectionName);
    plan.Upright = plan.Vertical && !look.Animated && plan.Section >= 0;
    if (plan.Vertical && plan.Section < 0) {
        plan.SectionName = "PROGRESSH";
        plan.Section = skin.GetSkinIndex(plan.SectionName);
    }
    plan.Length = plan.Vertical ? cache.Height() : cache.Width();
    plan.Thickness = plan.Vertical ? cache.Width() : cache.Height();
    plan.Filled = std::min(app::GaugeFillLength(plan.Length, look.PercentDone), plan.Length);
    if (plan.Filled <= 0 || plan.Section < 0)
        return std::nullopt;
    return plan;
}

void TGaugeSkinPainter::PaintProgress(TBitmap& cache, const TsLoadedSkin& skin, const TGaugeSkinLook& look,
                                      bool reserved, TGaugePlatformDrawing& drawing)
{
    if (look.ShowText)
        drawing.DrawGaugeText(cache, cache.Bounds());
    switch (look.Kind) {
    case TsGaugeKind::gkHorizontalBar:
    case TsGaugeKind::gkVerticalBar:
        if (const std::optional<TBarPlan> plan = PlanBar(cache, skin, look, reserved)) {
            if (plan->Upright)
                PaintUprightBar(cache, skin, *plan, look, drawing);
            else
                PaintBar(cache, skin, *plan, look, drawing);
        }
        break;
    case TsGaugeKind::gkPie: drawing.DrawPie(cache, cache.Bounds()); break;
    case TsGaugeKind::gkNeedle: drawing.DrawNeedle(cache, cache.Bounds()); break;
    case TsGaugeKind::gkText: break;
    }
}

void TGaugeSkinPainter::PaintUprightBar(TBitmap& cache, const TsLoadedSkin& skin, const TBarPlan& plan,
                                        const TGaugeSkinLook& look, TGaugePlatformDrawing& drawing)
{
    const int top = plan.ControlHeight - plan.Filled;
    TBitmap bar(plan.Thickness, plan.Filled);
    RenderSection(skin, plan.Section, cache, {0, top}, bar);
    if (look.ShowText)
        drawing.DrawProgressText(bar, plan.Section, cache.Bounds().Offset(0, -top));
    CopyImageWithKey(cache, bar, 0, top, plan.Reserved ? clKeyColor : clNoKeyColor);
}

void TGaugeSkinPainter::PaintBar(TBitmap& cache, const TsLoadedSkin& skin, const TBarPlan& plan,
                                 const TGaugeSkinLook& look, TGaugePlatformDrawing& drawing)
{
    TBitmap bar = FilledPart(cache, skin, plan);
    if (look.Animated && look.LightPosition < plan.Filled + GaugeLightLength)
        AddLight(bar, skin, plan, look.LightPosition);
    PlaceBar(cache, std::move(bar), plan, look, drawing);
}

TBitmap TGaugeSkinPainter::FilledPart(const TBitmap& cache, const TsLoadedSkin& skin, const TBarPlan& plan)
{
    if (barCache_ && barCache_->Size() == plan.BarSize())
        return *barCache_;
    TBitmap bar(plan.Filled, plan.Thickness);
    if (plan.Vertical) {
        const std::unique_ptr<TBitmap> lyingDown = RotateBitmap90(cache, true);
        RenderSection(skin, plan.Section, *lyingDown, {0, 0}, bar);
    } else {
        RenderSection(skin, plan.Section, cache, {0, 0}, bar);
    }
    barCache_ = bar;
    lightMask_.reset();
    return bar;
}

void TGaugeSkinPainter::AddLight(TBitmap& bar, const TsLoadedSkin& skin, const TBarPlan& plan, int position)
{
    const TBitmap* light = LightImage(plan.Thickness, plan.ControlHeight);
    const TRect lightRect = IntersectRect({position, 0, position + GaugeLightLength, plan.Thickness},
                                          bar.Bounds());
    if (!light || lightRect.IsEmpty())
        return;
    const int maskIndex = plan.Reserved ? -1 : skin.GetMaskIndex(plan.Section, plan.SectionName, "LRGN");
    if (const auto mask = SkinImageAt(skin, maskIndex)) {
        BlendLightThroughMask(bar, lightRect, *light, position, LightMask(*mask, plan));
        return;
    }
    const int from = std::max(0, -position);
    CompositeAlphaEx(lightRect, {from, 0, from + lightRect.Width(), plan.Thickness}, bar, false, 0,
                     clNoKeyColor, false, NothingBehind(), *light);
}

const TBitmap& TGaugeSkinPainter::LightMask(const TSkinImage& mask, const TBarPlan& plan)
{
    if (!lightMask_ || lightMask_->Size() != plan.BarSize()) {
        TBitmap painted(plan.Filled, plan.Thickness);
        painted.Fill(PixelFromColor(clWhite));
        BackdropInfo white;
        white.BackColor = clWhite;
        DrawBorderMask(painted, painted.Bounds(), true, 0, mask, white);
        lightMask_ = std::move(painted);
    }
    return *lightMask_;
}

const TBitmap* TGaugeSkinPainter::LightImage(int thickness, int controlHeight)
{
    if (!lightPicture_)
        return nullptr;
    const int skip = LightRowsSkipped(lightPicture_->Height(), thickness, controlHeight);
    if (light_.Height() != thickness || skip != lightRowsSkipped_) {
        light_ = BuildLightImage(*lightPicture_, thickness, controlHeight);
        lightRowsSkipped_ = skip;
    }
    return light_.Empty() ? nullptr : &light_;
}

void TGaugeSkinPainter::PlaceBar(TBitmap& cache, TBitmap bar, const TBarPlan& plan,
                                 const TGaugeSkinLook& look, TGaugePlatformDrawing& drawing) const
{
    TPoint at{0, 0};
    if (plan.Vertical) {
        bar = std::move(*RotateBitmap90(bar, false));
        at.Y = plan.ControlHeight - plan.Filled;
    }
    if (look.ShowText)
        drawing.DrawProgressText(bar, plan.Section, cache.Bounds().Offset(-at.X, -at.Y));
    CopyImageWithKey(cache, bar, at.X, at.Y, plan.Reserved ? clKeyColor : clNoKeyColor);
}

} // namespace pp
