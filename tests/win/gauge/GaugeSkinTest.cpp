// The main window's gauge under the built-in default skin: it paints its
// cache from the skin, its light timer stops when the skin goes and runs
// again after a refresh, and light ticks repaint only the filled part
// without leaking handles. The skin reaches the gauge by the set-skin
// command, as the manager's broadcast delivers it.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/controls/sGaugeWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/PixelMath.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace pp::test {
namespace {

class SkinnedGauge : public ::testing::Test {
protected:
    void SetUp() override
    {
        port::InitializePort("sim", "");
        form = new TForm1(Application);
        // The refresh tick would set the gauge to the port's byte.
        form->Timer1->SetEnabled(false);
        gauge = form->sGauge1;
        manager = form->sSkinManager1;
        form->Show();
        Send(SkinMsgSetSkin);
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        delete form;
        port::ShutdownPort();
    }
    void Send(TSkinCommand command) { SendSkinCommand(gauge, command, reinterpret_cast<LPARAM>(manager)); }
    TBGRA CachePixel(int x, int y) const { return gauge->SkinData.CacheBitmap->Pixel32(x, y); }

    TForm1* form = nullptr;
    TsGauge* gauge = nullptr;
    TsSkinManager* manager = nullptr;
};

TEST_F(SkinnedGauge, PaintsTheSkinsFilledPartIntoItsCache)
{
    ASSERT_TRUE(gauge->SkinData.IsSkinned());
    EXPECT_EQ(gauge->SkinData.SkinSection(), "GAUGE");
    gauge->SetAnimated(false); // no light over the bar
    gauge->SetProgress(60);    // 15 of 25 columns
    ASSERT_TRUE(gauge->SkinData.CacheBitmap);
    ASSERT_EQ(gauge->SkinData.CacheBitmap->Size(), (TSize{25, 25}));
    EXPECT_FALSE(gauge->SkinData.BackgroundStale);
    // The filled part is the progress section's, not the gauge's own item;
    // it shrinks with the value.
    const TBGRA filled = CachePixel(7, 2);
    EXPECT_NE(PixelValue(filled), PixelValue(CachePixel(20, 2)));
    gauge->SetProgress(20); // 5 columns
    EXPECT_NE(PixelValue(CachePixel(7, 2)), PixelValue(filled));
    EXPECT_EQ(PixelValue(CachePixel(7, 2)), PixelValue(CachePixel(12, 2)));
}

TEST_F(SkinnedGauge, ASkinnedPieFillsItsQuarterInTheForeColourOverTheBackColour)
{
    gauge->SetAnimated(false);
    gauge->SetKind(TsGaugeKind::gkPie);
    gauge->SetProgress(25); // from (24, 12) round to the top middle (12, 0)
    EXPECT_EQ(ColorFromPixel(CachePixel(18, 6)), ColorToRGB(gauge->ForeColor()));
    EXPECT_EQ(ColorFromPixel(CachePixel(6, 18)), ColorToRGB(gauge->BackColor()));
}

TEST_F(SkinnedGauge, TheLightTimerRunsOnlyWhileTheBarShowsSomething)
{
    ASSERT_EQ(gauge->PercentDone(), 0);
    EXPECT_FALSE(gauge->LightTimer().Enabled());
    gauge->SetProgress(8);
    EXPECT_TRUE(gauge->LightTimer().Enabled());
    gauge->SetProgress(0);
    EXPECT_FALSE(gauge->LightTimer().Enabled());
    // A range that puts the same value above its start lights the bar too.
    gauge->SetMinValue(-10);
    EXPECT_GT(gauge->PercentDone(), 0);
    EXPECT_TRUE(gauge->LightTimer().Enabled());
    gauge->SetMinValue(0);
    EXPECT_FALSE(gauge->LightTimer().Enabled());

    // A skin that comes while the bar is empty leaves the timer still; the
    // value that follows starts it.
    Send(SkinMsgRemoveSkin);
    Send(SkinMsgSetSkin);
    Send(SkinMsgRefresh);
    EXPECT_FALSE(gauge->LightTimer().Enabled());
    gauge->SetProgress(50);
    EXPECT_TRUE(gauge->LightTimer().Enabled());

    // Without the light there is no timer, whatever the bar shows.
    gauge->SetAnimated(false);
    gauge->SetProgress(60);
    EXPECT_FALSE(gauge->LightTimer().Enabled());
}

TEST_F(SkinnedGauge, TheLightTimerStopsWithTheSkinAndRunsAgainAfterARefresh)
{
    gauge->SetProgress(50); // an empty bar has no light to run
    EXPECT_TRUE(gauge->LightTimer().Enabled());
    EXPECT_EQ(gauge->LightTimer().Interval(), 22u);
    Send(SkinMsgRemoveSkin);
    EXPECT_FALSE(gauge->SkinData.IsSkinned());
    EXPECT_FALSE(gauge->LightTimer().Enabled());

    // A tick that finds no skin switches its timer off.
    gauge->LightTimer().SetEnabled(true);
    gauge->LightTick();
    EXPECT_FALSE(gauge->LightTimer().Enabled());

    Send(SkinMsgSetSkin);
    Send(SkinMsgRefresh);
    EXPECT_TRUE(gauge->SkinData.IsSkinned());
    EXPECT_TRUE(gauge->LightTimer().Enabled());

    gauge->SetAnimated(false);
    EXPECT_FALSE(gauge->LightTimer().Enabled());
    Send(SkinMsgRefresh);
    EXPECT_FALSE(gauge->LightTimer().Enabled());
}

TEST_F(SkinnedGauge, LightTicksBrightenTheBarWithoutLeakingHandles)
{
    // The ticks are given by hand from here on.
    gauge->LightTimer().SetEnabled(false);
    gauge->SetProgress(60);
    Application->ProcessMessages();
    const TBGRA before = CachePixel(7, 12);
    // Until a tick paints the light at -150, its bright middle over the bar.
    for (int i = 0; i < 200 && gauge->LightClock().Position() != -135; ++i)
        gauge->LightTick();
    ASSERT_EQ(gauge->LightClock().Position(), -135);
    const TBGRA lit = CachePixel(7, 12);
    EXPECT_GT(lit.R + lit.G + lit.B, before.R + before.G + before.B);
    // The light image is made once; then the ticks hold the counts still.
    std::array<long, std::size_t(THandleKind::Count)> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i)
        counts[i] = LiveHandleCount(static_cast<THandleKind>(i));
    for (int i = 0; i < 150; ++i)
        gauge->LightTick();
    for (std::size_t i = 0; i < counts.size(); ++i)
        EXPECT_EQ(LiveHandleCount(static_cast<THandleKind>(i)), counts[i]) << i;
}

TEST_F(SkinnedGauge, ANewSkinDoesNotReuseTheKeptBar)
{
    gauge->SetProgress(60);
    ASSERT_TRUE(gauge->SkinPainter().HasBarCache());
    Send(SkinMsgSetSkin);
    EXPECT_FALSE(gauge->SkinPainter().HasBarCache());
}

TEST_F(SkinnedGauge, ARangeBelowZeroLightsItsBarWhenHalfFull)
{
    gauge->LightTimer().SetEnabled(false);
    gauge->SetMinValue(-50);
    gauge->SetMaxValue(50);
    gauge->SetProgress(0); // half full
    Application->ProcessMessages();
    const TBGRA before = CachePixel(7, 12);
    for (int i = 0; i < 200 && gauge->LightClock().Position() != -135; ++i)
        gauge->LightTick();
    const TBGRA lit = CachePixel(7, 12);
    EXPECT_GT(lit.R + lit.G + lit.B, before.R + before.G + before.B);
}

// What the form's window shows at a point of the gauge.
COLORREF OnScreen(TsGauge& gauge, TForm1& form, int x, int y)
{
    const TWindowDCHandle dc(form.HandleValue());
    return GetPixel(dc.Get(), gauge.Left() + x, gauge.Top() + y);
}

TEST_F(SkinnedGauge, ALightTickGoesStraightToTheScreen)
{
    gauge->LightTimer().SetEnabled(false);
    gauge->SetProgress(60);
    Application->ProcessMessages();
    for (int i = 0; i < 200 && gauge->LightClock().Position() != -135; ++i)
        gauge->LightTick();
    const TBGRA lit = CachePixel(7, 12);
    EXPECT_EQ(OnScreen(*gauge, *form, 7, 12), RGB(lit.R, lit.G, lit.B));
}

// Every pixel the form's window shows of the gauge, row by row.
std::vector<COLORREF> GaugeOnScreen(TsGauge& gauge, TForm1& form)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < gauge.Height(); ++y)
        for (int x = 0; x < gauge.Width(); ++x)
            pixels.push_back(OnScreen(gauge, form, x, y));
    return pixels;
}

// The tick's own copy to the screen (no invalidation, no paint message) must
// show what a whole paint of the same light position shows: the bar, the
// light, the text over it and the border's corners, in the gauge's place.
TEST_F(SkinnedGauge, ALightTickShowsWhatAWholePaintOfTheSamePositionShows)
{
    gauge->LightTimer().SetEnabled(false);
    gauge->SetProgress(60); // "60%" over 15 lit columns
    Application->ProcessMessages();
    for (int i = 0; i < 200 && gauge->LightClock().Position() != -150; ++i)
        gauge->LightTick();
    ASSERT_EQ(gauge->LightClock().Position(), -150);
    gauge->Repaint();
    const std::vector<COLORREF> whole = GaugeOnScreen(*gauge, *form);

    // Blue over the gauge's place and a pixel around it, so that only the
    // tick can bring the gauge back.
    {
        const TWindowDCHandle dc(form->HandleValue());
        const TBrushHandle blue(CreateSolidBrush(RGB(0, 0, 255)));
        const RECT place{gauge->Left() - 1, gauge->Top() - 1, gauge->Left() + gauge->Width() + 1,
                         gauge->Top() + gauge->Height() + 1};
        FillRect(dc.Get(), &place, blue.Get());
    }
    ASSERT_EQ(OnScreen(*gauge, *form, 0, 0), RGB(0, 0, 255));
    gauge->LightTick(); // paints at -150, then moves on
    ASSERT_EQ(gauge->LightClock().Position(), -135);
    EXPECT_EQ(GaugeOnScreen(*gauge, *form), whole);
    // The form around the gauge is left alone.
    const TWindowDCHandle dc(form->HandleValue());
    EXPECT_EQ(GetPixel(dc.Get(), gauge->Left() + gauge->Width(), gauge->Top()), RGB(0, 0, 255));
}

TEST_F(SkinnedGauge, WhileItMustWaitAPaintMarksOnlyTheTopLeftPixel)
{
    gauge->SetProgress(60);
    Application->ProcessMessages();
    const COLORREF middle = OnScreen(*gauge, *form, 12, 12);
    gauge->SkinData.PaintSuspended = true; // the parent is in an update
    gauge->Repaint();
    EXPECT_EQ(OnScreen(*gauge, *form, 0, 0), RGB(255, 0, 255));
    EXPECT_EQ(OnScreen(*gauge, *form, 12, 12), middle); // nothing else is drawn
}

TEST_F(SkinnedGauge, AnEmptyGaugeGetsNoLightPainted)
{
    gauge->LightTimer().SetEnabled(false);
    gauge->SetProgress(0);
    Application->ProcessMessages();
    const TBGRA before = CachePixel(7, 12);
    for (int i = 0; i < 120; ++i)
        gauge->LightTick();
    const TBGRA after = CachePixel(7, 12);
    EXPECT_EQ(PixelValue(after), PixelValue(before));
}

} // namespace
} // namespace pp::test
