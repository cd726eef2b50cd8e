// Building, painting and freeing a full form many times gives back every
// handle the program made: the toolkit's controls, the engine's own gauge and
// bitmap button, and the GDI half of the pixel toolbox that skin painting
// uses. The counts come from the handle owners, so a handle made outside an
// owner is a leak these tests cannot see: every painter goes through them.
#include "MessageWatch.h"
#include "TestForm.h"
#include "skin/controls/sBitBtnWin32.h"
#include "skin/controls/sGaugeWin32.h"
#include "skin/pixels/GdiFillsWin32.h"
#include "skin/pixels/KeyRegionWin32.h"
#include "skin/pixels/TextGlowWin32.h"
#include "support/WinTestSupport.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <array>

namespace pp::test {
namespace {

using TLiveCounts = std::array<long, static_cast<size_t>(THandleKind::Count)>;

TLiveCounts LiveCounts()
{
    TLiveCounts counts{};
    for (size_t i = 0; i < counts.size(); ++i)
        counts[i] = LiveHandleCount(static_cast<THandleKind>(i));
    return counts;
}

void ExpectSameCounts(const TLiveCounts& after, const TLiveCounts& before)
{
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i])
            << "live " << HandleKindName(static_cast<THandleKind>(i)) << " handles";
}

// Paints through the pixel toolbox's GDI half on every paint: fills, a frame,
// glowing text on a bitmap and a region cut from it.
class TGdiPaintingProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        const TRect area{0, 0, Width(), Height()};
        FillRectGdi(Canvas().Handle(), area, clBtnFace);
        FillFrameGdi(Canvas().Handle(), area, clRed, 1, 1, 1, 1);
        TBitmap image(Width(), Height(), TPixelFormat::pf32bit);
        image.Fill(PixelFromColor(clKeyColor));
        DrawTextGlow(image, L"Порт 888", area.Inflate(-2, -2), glowMask_, TColor(0xFF0000), 2, 15,
                     DT_LEFT | DT_SINGLELINE, Font().Handle());
        const TRegionHandle visible = RegionWithoutKeyColor(image, clKeyColor);
        Canvas().Draw(0, 0, image);
    }

private:
    TBitmap glowMask_;
};

struct TFullForm : TForm1 {
    TFullForm() : TForm1(nullptr)
    {
        Gauge = Place(new TsGauge(this), 200, 32, 100, 20);
        Gauge->SetProgress(42);
        BitBtn = Place(new TsBitBtn(this), 200, 64, 75, 25);
        BitBtn->SetKind(TBitBtnKind::bkAll);
        Probe = Place(new TGdiPaintingProbe(this), 200, 100, 120, 24);
    }
    template <class T> T* Place(T* control, int left, int top, int width, int height)
    {
        control->SetBounds(left, top, width, height);
        control->SetParent(this);
        return control;
    }
    TsGauge* Gauge = nullptr;
    TsBitBtn* BitBtn = nullptr;
    TGdiPaintingProbe* Probe = nullptr;
};

void BuildPaintAndFree()
{
    TFullForm form;
    int gaugePaints = 0;
    int buttonDraws = 0;
    const TMessageWatch gaugeWatch(*form.Gauge, [&](const TMessage& m) { gaugePaints += m.Msg == WM_PAINT; });
    const TMessageWatch buttonWatch(*form.BitBtn,
                                    [&](const TMessage& m) { buttonDraws += m.Msg == CN_DRAWITEM; });
    // Paint everything, so fonts, brushes, bitmaps, themes and contexts are
    // made (a window that was never shown paints nothing), then change what
    // shows (the menu bar is replaced) and paint again.
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    RedrawWindow(form.HandleValue(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(form.Probe->Paints > 0 && gaugePaints > 0 && buttonDraws > 0) << "the form was not painted";
    form.N1->SetCaption("changed");
    form.StatusBar1->Panels()[0].SetText("x");
    form.Label1->Font().SetHeight(-14);
    form.Gauge->SetProgress(7);
    form.BitBtn->SetDown(true);
    RedrawWindow(form.HandleValue(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TEST(LeakTest, HandleCountsReturnToTheirStartAfterManyForms)
{
    BuildPaintAndFree(); // one-time class registrations and caches
    const TLiveCounts before = LiveCounts();
    // The counts are exact, so a handle lost once shows; showing a window
    // costs Wine tens of milliseconds, which keeps the number modest.
    for (int i = 0; i < 50; ++i)
        BuildPaintAndFree();
    ExpectSameCounts(LiveCounts(), before);
}

TEST(LeakTest, TheCountsSeeAHandleThatIsKept)
{
    const long before = LiveHandleCount(THandleKind::Brush);
    TBrush brush;
    brush.SetColor(clRed);
    brush.Handle();
    EXPECT_EQ(LiveHandleCount(THandleKind::Brush), before + 1);
}

} // namespace
} // namespace pp::test
