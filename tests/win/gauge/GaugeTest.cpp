#include "skin/controls/GaugePlainPaint.h"
#include "skin/controls/sGauge.h"
#include "toolkit/Errors.h"
#include "toolkit/Forms.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
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

// The picture as rows of '#' (black), '.' (white) and '+' (anything else).
std::string Picture(const TBitmap& image)
{
    std::string rows;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const TColor c = image.PixelColor(x, y) & 0xFFFFFF;
            rows += c == 0 ? '#' : c == 0xFFFFFF ? '.' : '+';
        }
        rows += '\n';
    }
    return rows;
}

TBitmap Render(TsGaugeKind kind, int percent, bool border, bool showText, TColor back = clWhite)
{
    TBitmap image(25, 25, TPixelFormat::pf32bit);
    TBitmapCanvas canvas(image);
    TFont font;
    TPlainGaugeLook look;
    look.Kind = kind;
    look.SingleBorder = border;
    look.BackColor = back;
    look.ControlColor = clWhite;
    look.PercentDone = percent;
    look.ShowText = showText;
    look.Text = std::to_string(percent) + "%";
    PaintPlainGauge(canvas, {25, 25}, font, look);
    GdiFlush();
    return image;
}

// Golden pictures are kept as text so that a change shows in a diff;
// PP_UPDATE_GOLDEN=1 rewrites them from the current painting.
void ExpectGolden(const std::string& name, const std::string& picture)
{
    const std::string path = std::string(PP_SOURCE_DIR) + "/tests/golden/" + name + ".txt";
    if (std::getenv("PP_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << picture;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden " << path;
    std::stringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(picture, golden.str()) << name;
}

TEST(GaugePlainPaint, GoldenPictures)
{
    struct Case {
        const char* name;
        TsGaugeKind kind;
        int percent;
    };
    const Case cases[] = {
        {"gauge-bar-50", TsGaugeKind::gkHorizontalBar, 50},
        {"gauge-vbar-75", TsGaugeKind::gkVerticalBar, 75},
        {"gauge-pie-25", TsGaugeKind::gkPie, 25},
        {"gauge-needle-50", TsGaugeKind::gkNeedle, 50},
    };
    Application->Initialize();
    for (const Case& c : cases)
        ExpectGolden(c.name, Picture(Render(c.kind, c.percent, true, true)));
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
