#include "skin/controls/GaugePlainPaintWin32.h"
#include "skin/controls/sGaugeWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <string>

namespace pp {
namespace {

// A shown form holding one gauge, counting paints (OnPaintText runs once a
// paint) and OnChange calls.
class GaugeOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        form = new TForm(Application);
        form->SetClientSize(100, 60);
        gauge = new TsGauge(form);
        gauge->SetParent(form);
        gauge->SetBounds(10, 10, 25, 25);
        gauge->OnPaintText = [this](TObject*, std::string&) { ++paints; };
        gauge->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        form->Update();
        Application->ProcessMessages();
        paints = 0;
    }
    void TearDown() override { delete form; }

    TForm* form = nullptr;
    TsGauge* gauge = nullptr;
    int paints = 0;
    int changes = 0;
};

TEST_F(GaugeOnForm, RepaintsOnlyWhenTheShownPercentChanges)
{
    struct Step {
        int progress;
        int paints;
        int changes;
    };
    const Step steps[] = {
        {50, 1, 1},  // 47 -> 50
        {50, 0, 0},  // same value
        {255, 1, 1}, // clamped to 100
        {300, 0, 0}, // clamped to the same 100
        {0, 1, 1},
    };
    for (const Step& s : steps) {
        paints = changes = 0;
        gauge->SetProgress(s.progress);
        EXPECT_EQ(paints, s.paints) << s.progress;
        EXPECT_EQ(changes, s.changes) << s.progress;
    }

    gauge->SetMaxValue(1000);
    gauge->SetProgress(500);
    paints = changes = 0;
    gauge->SetProgress(504);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(paints, 0) << "still 50 %";
}

TEST_F(GaugeOnForm, InvertedRangeIsRefusedOutsideLoading)
{
    try {
        gauge->SetMinValue(101);
        ADD_FAILURE() << "accepted";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Value must be between -2147483647 and 99");
    }
    EXPECT_EQ(gauge->MinValue(), 0);
    gauge->BeginLoading();
    gauge->SetMinValue(101);
    gauge->Loaded();
    EXPECT_EQ(gauge->MinValue(), 101);
}

TBitmap Render(TsGaugeKind kind, int percent, bool border, bool showText, TColor back = clWhite,
               TColor control = clWhite)
{
    TBitmap image(25, 25, TPixelFormat::pf32bit);
    TBitmapCanvas canvas(image);
    TFont font;
    TPlainGaugeLook look;
    look.Kind = kind;
    look.SingleBorder = border;
    look.BackColor = back;
    look.ControlColor = control;
    look.PercentDone = percent;
    look.ShowText = showText;
    look.Text = std::to_string(percent) + "%";
    PaintPlainGauge(canvas, {25, 25}, font, look);
    GdiFlush();
    return image;
}

constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Green = 0x00FF00;

struct TPixelCase {
    TsGaugeKind Kind;
    int Percent;
    int X, Y;
    TColor Expected;
};

// Telling pixels of a 25 x 25 gauge with a single border, worked by hand:
// the paint rectangle is (1,1)-(24,24); the text is left out (its glyphs are
// the system font's) and so are pixels on the platform's ellipse outlines.
const TPixelCase PlainFigurePixels[] = {
    // Horizontal bar: W = 24, f = trunc(24 * percent * 0.01), filled x 1..f-1.
    {TsGaugeKind::gkHorizontalBar, 0, 1, 12, White},
    {TsGaugeKind::gkHorizontalBar, 0, 0, 12, Black}, // the frame
    {TsGaugeKind::gkHorizontalBar, 25, 5, 12, Black},
    {TsGaugeKind::gkHorizontalBar, 25, 6, 12, White},
    {TsGaugeKind::gkHorizontalBar, 47, 10, 12, Black}, // f = trunc(11.28) = 11
    {TsGaugeKind::gkHorizontalBar, 47, 11, 12, White},
    {TsGaugeKind::gkHorizontalBar, 50, 11, 1, Black},
    {TsGaugeKind::gkHorizontalBar, 50, 11, 23, Black},
    {TsGaugeKind::gkHorizontalBar, 50, 12, 12, White},
    {TsGaugeKind::gkHorizontalBar, 100, 23, 12, Black},
    {TsGaugeKind::gkHorizontalBar, 100, 23, 23, Black},
    // Vertical bar: H = 24, f as above but at most 23, filled rows 24-f..23.
    {TsGaugeKind::gkVerticalBar, 0, 12, 23, White},
    {TsGaugeKind::gkVerticalBar, 4, 12, 23, White}, // f = trunc(0.96) = 0
    {TsGaugeKind::gkVerticalBar, 5, 12, 23, Black}, // f = trunc(1.2) = 1
    {TsGaugeKind::gkVerticalBar, 5, 12, 22, White},
    {TsGaugeKind::gkVerticalBar, 75, 12, 6, Black},
    {TsGaugeKind::gkVerticalBar, 75, 1, 6, Black},
    {TsGaugeKind::gkVerticalBar, 75, 23, 6, Black},
    {TsGaugeKind::gkVerticalBar, 75, 12, 5, White},
    {TsGaugeKind::gkVerticalBar, 100, 12, 1, Black},
    // Pie in the box (1,1)-(24,24), from (rnd(12(1 - cos a)), rnd(12(1 - sin a))),
    // a = (percent / 50 + 0.5) pi, counter-clockwise to the top middle: one
    // pixel well inside each quarter, and a corner outside the ellipse.
    {TsGaugeKind::gkPie, 0, 17, 7, White},
    {TsGaugeKind::gkPie, 0, 2, 2, Green},
    {TsGaugeKind::gkPie, 25, 17, 7, Black}, // from (24,12): the upper right quarter
    {TsGaugeKind::gkPie, 25, 17, 17, White},
    {TsGaugeKind::gkPie, 25, 7, 17, White},
    {TsGaugeKind::gkPie, 25, 7, 7, White},
    {TsGaugeKind::gkPie, 50, 17, 7, Black}, // from (12,24): the right half
    {TsGaugeKind::gkPie, 50, 17, 17, Black},
    {TsGaugeKind::gkPie, 50, 7, 17, White},
    {TsGaugeKind::gkPie, 50, 7, 7, White},
    {TsGaugeKind::gkPie, 75, 17, 17, Black}, // from (0,12): all but the upper left
    {TsGaugeKind::gkPie, 75, 7, 17, Black},
    {TsGaugeKind::gkPie, 75, 7, 7, White},
    {TsGaugeKind::gkPie, 100, 7, 7, Black}, // from (12,0): the whole ellipse
    {TsGaugeKind::gkPie, 100, 17, 17, Black},
    // Needle from (12,23) to (rnd(12(1 - cos b)), rnd(23(1 - sin b))),
    // b = percent / 100 pi; none at 0 %.
    {TsGaugeKind::gkNeedle, 0, 12, 12, White},
    {TsGaugeKind::gkNeedle, 0, 12, 23, White},
    {TsGaugeKind::gkNeedle, 0, 2, 2, Green},
    {TsGaugeKind::gkNeedle, 25, 8, 15, Black}, // to (4,7), through (8,15)
    {TsGaugeKind::gkNeedle, 25, 10, 19, Black},
    {TsGaugeKind::gkNeedle, 25, 16, 15, White},
    {TsGaugeKind::gkNeedle, 50, 12, 3, Black}, // to (12,0)
    {TsGaugeKind::gkNeedle, 50, 12, 22, Black},
    {TsGaugeKind::gkNeedle, 50, 11, 12, White},
    {TsGaugeKind::gkNeedle, 50, 13, 12, White},
    {TsGaugeKind::gkNeedle, 75, 16, 15, Black}, // to (20,7), through (16,15)
    {TsGaugeKind::gkNeedle, 75, 14, 19, Black},
    {TsGaugeKind::gkNeedle, 75, 8, 15, White},
    {TsGaugeKind::gkNeedle, 100, 13, 23, Black}, // to (24,23): along the base, rightwards
    {TsGaugeKind::gkNeedle, 100, 14, 23, Black},
    {TsGaugeKind::gkNeedle, 100, 12, 12, White},
};

const char* KindName(TsGaugeKind kind)
{
    switch (kind) {
    case TsGaugeKind::gkText: return "text";
    case TsGaugeKind::gkHorizontalBar: return "bar";
    case TsGaugeKind::gkVerticalBar: return "vertical bar";
    case TsGaugeKind::gkPie: return "pie";
    case TsGaugeKind::gkNeedle: return "needle";
    }
    return "?";
}

TEST(GaugePlainPaint, FigurePixelsFollowTheFillArithmetic)
{
    Application->Initialize();
    for (const TPixelCase& c : PlainFigurePixels) {
        const TBitmap image = Render(c.Kind, c.Percent, true, false, clWhite, Green);
        EXPECT_EQ(image.PixelColor(c.X, c.Y) & 0xFFFFFF, c.Expected)
            << KindName(c.Kind) << " at " << c.Percent << " %, pixel " << c.X << "," << c.Y;
    }
}

TEST(GaugePlainPaint, TextIsInvertedOverTheBarAndFramedInBlack)
{
    Application->Initialize();
    const TBitmap plain = Render(TsGaugeKind::gkHorizontalBar, 50, true, false);
    const TBitmap text = Render(TsGaugeKind::gkHorizontalBar, 50, true, true);
    // The text alone, white (and its smoothing) on black.
    const TBitmap textOnly = Render(TsGaugeKind::gkText, 50, true, true, clBlack);
    int lightOnBar = 0, darkOnBack = 0;
    for (int y = 1; y < 24; ++y)
        for (int x = 1; x < 24; ++x) {
            const TColor under = plain.PixelColor(x, y) & 0xFFFFFF;
            const TColor glyph = textOnly.PixelColor(x, y) & 0xFFFFFF;
            EXPECT_EQ(text.PixelColor(x, y) & 0xFFFFFF, under ^ glyph) << x << "," << y;
            if (glyph != 0)
                (under == 0 ? lightOnBar : darkOnBack)++;
        }
    EXPECT_GT(lightOnBar, 0) << "the text crosses the bar's edge at 50 %";
    EXPECT_GT(darkOnBack, 0);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(text.PixelColor(i, 0) & 0xFFFFFF, 0u);
        EXPECT_EQ(text.PixelColor(0, i) & 0xFFFFFF, 0u);
        EXPECT_EQ(text.PixelColor(i, 24) & 0xFFFFFF, 0u);
        EXPECT_EQ(text.PixelColor(24, i) & 0xFFFFFF, 0u);
    }
    const TBitmap edgeless = Render(TsGaugeKind::gkText, 0, false, false);
    EXPECT_EQ(edgeless.PixelColor(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "no frame without a border";
}

} // namespace
} // namespace pp
