// What DrawItemText adds to the shared passes: the glow of the look into
// the control's cache, the hot web button's underline, the clip to its
// rectangle, and a canvas left as it was found.
#include "text/TextFixture.h"

#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/TextPasses.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr TColor Ink = MakeColor(0x20, 0x30, 0xA0);
constexpr TColor Contour = MakeColor(0xE0, 0x40, 0x10);
constexpr TColor GlowRed = MakeColor(0xFF, 0, 0);

TsLoadedSkin GlowSkin(int normalGlow, int hotGlow)
{
    const TsFontColors colors{Ink, NoContourColor, NoContourColor, NoContourColor, NoContourColor};
    return SkinWith(LabelSection({0, colors, GlowRed, normalGlow}, {0, colors, GlowRed, hotGlow}));
}

int ChangedPixels(const TBitmap& bitmap)
{
    int changed = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            changed += ColorAt(bitmap, x, y) != Background;
    return changed;
}

TEST(ItemText, GlowOfTheLookInUseGoesIntoTheGlowTargetFirst)
{
    const TsLoadedSkin skin = GlowSkin(0, 3);
    struct TCase {
        const char* Name;
        const TsLoadedSkin* Skin;
        bool Hot;
        bool WithTarget;
        bool Glows;
    } cases[] = {
        {"hot look with glow size 3", &skin, true, true, true},
        {"normal look with glow size 0", &skin, false, true, false},
        {"no glow target", &skin, true, false, false},
        {"not skinned", nullptr, true, true, false},
    };
    for (const TCase& c : cases) {
        TBitmap glow = BlankBitmap();
        TItemTextSource source{c.Skin, 0};
        source.GlowTarget = c.WithTarget ? &glow : nullptr;
        const TBitmap text = PaintedOnBlank([&](TCanvas& canvas) {
            DrawItemText(canvas, SampleText, true, c.Hot, source, TextFormat, TextRect);
        });
        ExpectDrawnAsPlainText(text, c.Skin ? Ink : clBlack, std::nullopt, c.Name);
        if (!c.Glows) {
            EXPECT_EQ(ChangedPixels(glow), 0) << c.Name;
            continue;
        }
        // Under the middle of the text the blurred mask is dark: the pixel
        // moves toward red from the background's (0x70, 0x78, 0x88).
        const TColor middle = ColorAt(glow, (TextRect.Left + TextRect.Right) / 2, 20);
        EXPECT_GT(RedOf(middle), 0x90) << c.Name;
        EXPECT_LT(BlueOf(middle), 0x68) << c.Name;
        // The mask ends 3 + 4 pixels beyond the text rectangle moved by
        // (1, 1): the bitmap's top-left pixel is outside it.
        EXPECT_EQ(ColorAt(glow, 0, 0), Background) << c.Name;
    }
}

TEST(ItemText, HotWebButtonTextIsUnderlined)
{
    const TsLoadedSkin skin = GlowSkin(0, 0);
    const auto drawn = [&](bool hot, bool web) {
        TItemTextSource source{&skin, 0};
        source.IsWebButton = web;
        return PaintedOnBlank(
            [&](TCanvas& c) { DrawItemText(c, SampleText, true, hot, source, TextFormat, TextRect); });
    };
    // An underline adds pixels below the letters, and nothing else changes.
    EXPECT_GT(ChangedPixels(drawn(true, true)), ChangedPixels(drawn(true, false)) + 10);
    ExpectDrawnAsPlainText(drawn(false, true), Ink, std::nullopt, "web button, not hot");
    PaintedOnBlank([&](TCanvas& c) {
        TItemTextSource source{&skin, 0};
        source.IsWebButton = true;
        DrawItemText(c, SampleText, true, true, source, TextFormat, TextRect);
        EXPECT_EQ(c.Font.Style() & fsUnderline, 0u) << "the canvas's own font is left as it was";
    });
}

TEST(ItemText, DrawsInsideItsRectangleOnlyAndLeavesTheContextAsFound)
{
    const TsLoadedSkin skin = SkinWith(LabelSection({0, {Ink, Contour, Contour, Contour, Contour}}, {}));
    // Narrower than the text: the letters and their contours are cut at
    // the rectangle's edges.
    const TRect narrow{30, 10, 60, 30};
    TBitmap bitmap = BlankBitmap();
    {
        TBitmapCanvas canvas(bitmap);
        UseTestFont(canvas.Font);
        const HDC dc = canvas.Handle();
        const HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, OPAQUE);
        DrawItemText(canvas, SampleText, true, false, {&skin, 0}, TextFormat, narrow);
        RECT clip{};
        GetClipBox(dc, &clip);
        EXPECT_EQ(clip.right - clip.left, BitmapWidth);
        EXPECT_EQ(clip.bottom - clip.top, BitmapHeight);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
        EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
    }
    GdiFlush();
    int inside = 0;
    for (int y = 0; y < BitmapHeight; ++y)
        for (int x = 0; x < BitmapWidth; ++x) {
            const bool changed = ColorAt(bitmap, x, y) != Background;
            if (narrow.Contains({x, y}))
                inside += changed;
            else
                EXPECT_FALSE(changed) << x << "," << y;
        }
    EXPECT_GT(inside, 40);
}

} // namespace
} // namespace pp::test
