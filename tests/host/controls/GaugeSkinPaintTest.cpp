// The skinned gauge composed into its cache: which progress section paints
// the filled part and where, the light blended through the light mask,
// the kept bar, the reserved look and the two text colour sets. Skins are
// made in memory with plain colours, so every expected pixel is a section
// colour or the light blend worked by hand.
#include "support/PaintFixture.h"

#include "controls/RecordedGaugeDrawing.h"
#include "skin/controls/GaugeSkinPaint.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp::test {
namespace {

constexpr TColor GaugeColor = 0x102030;
constexpr TColor BarColor = 0x604020; // red 0x20, green 0x40, blue 0x60
constexpr TColor OtherBarColor = 0x0A0B0C;
constexpr TColor PortraitColor = 0x554433;

BackdropInfo ColourBehind(TColor c)
{
    BackdropInfo b;
    b.BackColor = c;
    return b;
}

// A skin with GAUGE and, as asked, PROGRESSH and PROGRESSV in plain colours.
struct TGaugeSkin {
    TFixtureSkin Fixture;
    int Gauge = -1;

    explicit TGaugeSkin(bool withProgress = true, bool withPortrait = false)
    {
        Fixture.AddSection("GAUGE", GaugeColor, GaugeColor, 1);
        if (withProgress)
            Fixture.AddSection("PROGRESSH", BarColor, BarColor, 1);
        if (withPortrait)
            Fixture.AddSection("PROGRESSV", PortraitColor, PortraitColor, 1);
        Gauge = 0;
    }
    const TsLoadedSkin& Skin()
    {
        Fixture.Skin();
        Fixture.Raw().UpdateSectionImageIndexes();
        return Fixture.Raw();
    }
    TsItemBinding Binding() { return BindingForSection(Skin(), Gauge); }
};

TBitmap Compose(TGaugeSkinPainter& painter, TGaugeSkin& skin, TSize size, const TGaugeSkinLook& look,
                TRecordedDrawing& drawing)
{
    TBitmap cache(size.Width, size.Height);
    painter.Compose(cache, skin.Binding(), ColourBehind(0xFFFFFF), look, drawing);
    return cache;
}

TGaugeSkinLook Look(TsGaugeKind kind, int percent, bool animated = false)
{
    TGaugeSkinLook look;
    look.Kind = kind;
    look.PercentDone = percent;
    look.Animated = animated;
    look.ShowText = true;
    return look;
}

TEST(GaugeSkinPaint, TheFilledPartComesFromTheProgressSectionBesideTheGaugeItem)
{
    struct TCase {
        const char* Name;
        TsGaugeKind Kind;
        bool Animated;
        bool WithPortrait;
        TPoint FilledPixel, EmptyPixel;
        TColor Filled;
    } cases[] = {
        // 10 x 4, 50 %: five columns from the left.
        {"horizontal", TsGaugeKind::gkHorizontalBar, false, false, {4, 0}, {5, 3}, BarColor},
        // 4 x 10, 50 %: five rows from the bottom.
        {"vertical still", TsGaugeKind::gkVerticalBar, false, true, {0, 5}, {3, 4}, PortraitColor},
        {"vertical still without PROGRESSV",
         TsGaugeKind::gkVerticalBar,
         false,
         false,
         {0, 5},
         {3, 4},
         BarColor},
        {"vertical with light", TsGaugeKind::gkVerticalBar, true, true, {0, 5}, {3, 4}, BarColor},
    };
    for (const TCase& c : cases) {
        TGaugeSkin skin(true, c.WithPortrait);
        TGaugeSkinPainter painter;
        TRecordedDrawing drawing;
        const TSize size = c.Kind == TsGaugeKind::gkHorizontalBar ? TSize{10, 4} : TSize{4, 10};
        const TBitmap cache = Compose(painter, skin, size, Look(c.Kind, 50, c.Animated), drawing);
        EXPECT_EQ(At(cache, c.FilledPixel.X, c.FilledPixel.Y), Opaque(c.Filled)) << c.Name;
        EXPECT_EQ(At(cache, c.EmptyPixel.X, c.EmptyPixel.Y), Opaque(GaugeColor)) << c.Name;
    }
}

TEST(GaugeSkinPaint, AVerticalBarWithTheLightIsPaintedLyingDownAndTurnedUp)
{
    // PROGRESSH's border: the bar's start column 0xAA, its leading end 0xCC.
    TGaugeSkin skin;
    skin.Fixture.AddImage(
        Pixels(3, 1, {0xFF0000AA, 0xFF0000BB, 0xFF0000CC}),
        {.Left = 1, .Right = 1, .DrawMode = 1 | 4, .Section = "PROGRESSH", .Key = "BORDERSMASK"});
    TGaugeSkinPainter painter;
    TRecordedDrawing drawing;
    const TBitmap cache = Compose(painter, skin, {4, 10}, Look(TsGaugeKind::gkVerticalBar, 50, true),
                                  drawing);
    // Five rows from the bottom: the start at the bottom, the end on top.
    EXPECT_EQ(At(cache, 1, 9), 0xFF0000AAu);
    EXPECT_EQ(At(cache, 1, 7), 0xFF0000BBu);
    EXPECT_EQ(At(cache, 1, 5), 0xFF0000CCu);
    EXPECT_EQ(At(cache, 1, 4), Opaque(GaugeColor));
}

TEST(GaugeSkinPaint, AMissingProgressSectionPaintsNoFilledPartButTheTextShows)
{
    TGaugeSkin skin(false);
    TGaugeSkinPainter painter;
    TRecordedDrawing drawing;
    const TBitmap cache = Compose(painter, skin, {10, 4}, Look(TsGaugeKind::gkHorizontalBar, 50), drawing);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(At(cache, x, 1), Opaque(GaugeColor)) << x;
    ASSERT_EQ(drawing.Texts.size(), 1u);
    EXPECT_EQ(drawing.Texts[0].Section, -1);
    EXPECT_EQ(drawing.Texts[0].Rect, (TRect{0, 0, 10, 4}));
}

TEST(GaugeSkinPaint, TheTextOverTheFilledPartLinesUpWithTheGaugeText)
{
    struct TCase {
        const char* Name;
        TsGaugeKind Kind;
        bool Animated;
        TSize Size;
        TRect ProgressTextRect;
        TSize ProgressTarget;
    } cases[] = {
        // 10 x 4 at 50 %: the bar is 5 x 4 at the origin.
        {"horizontal", TsGaugeKind::gkHorizontalBar, true, {10, 4}, {0, 0, 10, 4}, {5, 4}},
        // 4 x 10 at 50 %: the bar is 4 x 5 at row 5.
        {"vertical still", TsGaugeKind::gkVerticalBar, false, {4, 10}, {0, -5, 4, 5}, {4, 5}},
        {"vertical with light", TsGaugeKind::gkVerticalBar, true, {4, 10}, {0, -5, 4, 5}, {4, 5}},
    };
    for (const TCase& c : cases) {
        TGaugeSkin skin(true, true);
        TGaugeSkinPainter painter;
        TRecordedDrawing drawing;
        Compose(painter, skin, c.Size, Look(c.Kind, 50, c.Animated), drawing);
        ASSERT_EQ(drawing.Texts.size(), 2u) << c.Name;
        EXPECT_EQ(drawing.Texts[0].Section, -1) << c.Name;
        EXPECT_EQ(drawing.Texts[0].Rect, (TRect{0, 0, c.Size.Width, c.Size.Height})) << c.Name;
        EXPECT_NE(drawing.Texts[1].Section, -1) << c.Name;
        EXPECT_EQ(drawing.Texts[1].Rect, c.ProgressTextRect) << c.Name;
        EXPECT_EQ(drawing.Texts[1].Target, c.ProgressTarget) << c.Name;
    }
}

TEST(GaugeSkinPaint, TheBarIsKeptWhileItsSizeHoldsAndRepaintedOnceDropped)
{
    TGaugeSkin skin;
    TGaugeSkinPainter painter;
    TRecordedDrawing drawing;
    const TGaugeSkinLook half = Look(TsGaugeKind::gkHorizontalBar, 50);
    Compose(painter, skin, {10, 4}, half, drawing);
    EXPECT_TRUE(painter.HasBarCache());

    // The section changes colour (as a new hue would): the kept bar still shows.
    skin.Fixture.Section(1).Props[0].Color = OtherBarColor;
    EXPECT_EQ(At(Compose(painter, skin, {10, 4}, half, drawing), 0, 0), Opaque(BarColor));
    // 55 % of 10 is still 5 columns: the same size, the same bar.
    EXPECT_EQ(At(Compose(painter, skin, {10, 4}, Look(TsGaugeKind::gkHorizontalBar, 55), drawing), 0, 0),
              Opaque(BarColor));
    // 60 % is 6 columns: painted afresh.
    EXPECT_EQ(At(Compose(painter, skin, {10, 4}, Look(TsGaugeKind::gkHorizontalBar, 60), drawing), 5, 0),
              Opaque(OtherBarColor));

    skin.Fixture.Section(1).Props[0].Color = BarColor;
    painter.DropBarCache();
    EXPECT_FALSE(painter.HasBarCache());
    EXPECT_EQ(At(Compose(painter, skin, {10, 4}, Look(TsGaugeKind::gkHorizontalBar, 60), drawing), 5, 0),
              Opaque(BarColor));
}

// A white light picture of one alpha everywhere.
TBitmap EvenLight(std::uint8_t alpha)
{
    return PixelsBy(60, 20, [alpha](int, int) { return (std::uint32_t(alpha) << 24) | 0xFFFFFFu; });
}

TEST(GaugeSkinPaint, TheLightIsBlendedThroughTheLightMask)
{
    // Bar red 0x20, green 0x40, blue 0x60; light white at alpha 255; gauge
    // 10 x 4 at 100 %. The weight is 255 for mask 0, 127 * 255 div 256 = 126
    // for mask 128, 0 for mask 255; each channel is b + (255 - b) * w / 256.
    struct TCase {
        const char* Name;
        int Mask; // -1: no LRGN image
        std::uint32_t Lit;
    } cases[] = {
        {"mask 0", 0, 0xFFFEFEFEu},     // 32, 64, 96 -> 254
        {"mask 128", 128, 0xFF8D9EAEu}, // 32 -> 141, 64 -> 158, 96 -> 174
        {"mask 255", 255, 0xFF204060u},
        {"no mask: alpha composite", -1, 0xFFFEFEFEu},
    };
    const TBitmap light = EvenLight(255);
    for (const TCase& c : cases) {
        TGaugeSkin skin;
        if (c.Mask >= 0) {
            const std::uint32_t grey = 0xFF000000u | (0x010101u * std::uint32_t(c.Mask));
            skin.Fixture.AddImage(Pixels(1, 1, {grey}),
                                  {.DrawMode = 1 | 4, .Section = "PROGRESSH", .Key = "LRGN"});
        }
        TGaugeSkinPainter painter;
        painter.SetLightPicture(&light);
        TRecordedDrawing drawing;
        TGaugeSkinLook look = Look(TsGaugeKind::gkHorizontalBar, 100, true);
        look.LightPosition = 6; // the light covers columns 6 .. 9
        const TBitmap cache = Compose(painter, skin, {10, 4}, look, drawing);
        EXPECT_EQ(At(cache, 5, 2), Opaque(BarColor)) << c.Name;
        EXPECT_EQ(At(cache, 6, 2), c.Lit) << c.Name;
        EXPECT_EQ(At(cache, 9, 0), c.Lit) << c.Name;
    }
}

TEST(GaugeSkinPaint, MovingOnlyTheLightGivesTheSamePixelsAsAWholeComposition)
{
    const TBitmap light = EvenLight(200);
    for (int position : {-300, -296, 2, 7, 40}) {
        TGaugeSkin skin;
        TGaugeSkinPainter moved;
        moved.SetLightPicture(&light);
        TRecordedDrawing drawing;
        TGaugeSkinLook look = Look(TsGaugeKind::gkHorizontalBar, 80, true);
        look.LightPosition = 3;
        TBitmap cache = Compose(moved, skin, {10, 4}, look, drawing);
        look.LightPosition = position;
        ASSERT_TRUE(moved.RecomposeLight(cache, skin.Binding(), look, drawing)) << position;

        TGaugeSkinPainter whole;
        whole.SetLightPicture(&light);
        const TBitmap expected = Compose(whole, skin, {10, 4}, look, drawing);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(At(cache, x, y), At(expected, x, y)) << position << " at " << x << ", " << y;
    }
}

TEST(GaugeSkinPaint, MovingOnlyTheLightIsRefusedWithoutAKeptBarOfTheRightSize)
{
    TGaugeSkin skin;
    TGaugeSkinPainter painter;
    TRecordedDrawing drawing;
    TBitmap cache(10, 4);
    EXPECT_FALSE(
        painter.RecomposeLight(cache, skin.Binding(), Look(TsGaugeKind::gkHorizontalBar, 50, true), drawing));
    painter.Compose(cache, skin.Binding(), ColourBehind(0), Look(TsGaugeKind::gkHorizontalBar, 50, true),
                    drawing);
    EXPECT_FALSE(
        painter.RecomposeLight(cache, skin.Binding(), Look(TsGaugeKind::gkHorizontalBar, 70, true), drawing));
    EXPECT_TRUE(
        painter.RecomposeLight(cache, skin.Binding(), Look(TsGaugeKind::gkHorizontalBar, 50, true), drawing));
}

TEST(GaugeSkinPaint, TheReservedLookDrawsTheGaugeBorderOverTheFilledPart)
{
    // The gauge's border: 1-pixel frame 0xEE around no centre.
    struct TCase {
        bool Reserved;
        std::uint32_t Corner;
    } cases[] = {{false, Opaque(BarColor)}, {true, 0xFF0000EEu}};
    for (const TCase& c : cases) {
        TGaugeSkin skin;
        skin.Fixture.AddImage(
            PixelsBy(3, 3, [](int, int) { return 0xFF0000EEu; }),
            {.Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .Section = "GAUGE", .Key = "BORDERSMASK"});
        skin.Fixture.Section(0).ReservedBoolean = c.Reserved;
        TGaugeSkinPainter painter;
        TRecordedDrawing drawing;
        const TBitmap cache = Compose(painter, skin, {10, 4}, Look(TsGaugeKind::gkHorizontalBar, 100),
                                      drawing);
        EXPECT_EQ(At(cache, 0, 0), c.Corner) << c.Reserved;
        EXPECT_EQ(At(cache, 5, 2), Opaque(BarColor)) << c.Reserved;
    }
}

TEST(GaugeSkinPaint, PieAndNeedleAreLeftToThePlatformAfterTheText)
{
    for (TsGaugeKind kind : {TsGaugeKind::gkPie, TsGaugeKind::gkNeedle, TsGaugeKind::gkText}) {
        TGaugeSkin skin;
        TGaugeSkinPainter painter;
        TRecordedDrawing drawing;
        Compose(painter, skin, {10, 10}, Look(kind, 50), drawing);
        EXPECT_EQ(drawing.Figures, kind == TsGaugeKind::gkText ? 0 : 1);
        EXPECT_EQ(drawing.Texts.size(), 1u);
    }
}

} // namespace
} // namespace pp::test
