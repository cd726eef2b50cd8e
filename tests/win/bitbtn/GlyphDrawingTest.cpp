#include "skin/controls/GlyphDrawing.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

constexpr TColor Key = 0x008080;   // olive: the glyph's bottom-left colour
constexpr TColor Ink = 0x0000FF;   // red
constexpr TColor Under = 0xFFFFFF; // what the glyph is drawn over

// Two 2 x 2 images side by side: image 0 is ink with the key at its
// bottom-left, image 1 is all ink.
TBitmap TwoImageGlyph(TPixelFormat format)
{
    TBitmap glyph(4, 2, TPixelFormat::pf32bit);
    glyph.Fill(PixelFromColor(Ink, 0));
    glyph.Pixel32(0, 1) = PixelFromColor(Key, 0);
    glyph.SetFormat(format);
    return glyph;
}

TColor DrawnAt(const TBitmap& glyph, const TGlyphLook& look, TPoint probe)
{
    TBitmap target(3, 3, TPixelFormat::pf32bit);
    target.Fill(PixelFromColor(Under));
    DrawGlyphImage(target, {0, 0}, glyph, look);
    return target.PixelColor(probe.X, probe.Y) & 0xFFFFFF;
}

TEST(GlyphDrawingTest, KeyTransparencyBlendAndGrey)
{
    const TBitmap glyph = TwoImageGlyph(TPixelFormat::pf24bit);
    struct Case {
        const char* name;
        TGlyphLook look;
        TPoint probe;
        TColor expected;
    };
    const Case cases[] = {
        {"ink", {0, 2, 0, false}, {1, 0}, Ink},
        {"key colour left out", {0, 2, 0, false}, {0, 1}, Under},
        {"second image has no key there", {1, 2, 0, false}, {0, 1}, Ink},
        {"outside the glyph untouched", {0, 2, 0, false}, {2, 2}, Under},
        {"half transparent", {0, 2, 50, false}, {1, 0}, 0x8080FF},
        {"fully transparent", {0, 2, 100, false}, {1, 0}, Under},
        {"greyed", {0, 2, 0, true}, {1, 0}, 0x4C4C4C},
        {"image index beyond the strip is clamped", {7, 2, 0, false}, {0, 1}, Ink},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawnAt(glyph, c.look, c.probe), c.expected) << c.name;
}

TEST(GlyphDrawingTest, AlphaGlyphsUseTheirAlphaAndZeroAlphaMeansNone)
{
    TBitmap withAlpha(2, 1, TPixelFormat::pf32bit);
    withAlpha.Pixel32(0, 0) = PixelFromColor(Ink, 0);
    withAlpha.Pixel32(1, 0) = PixelFromColor(Ink, 255);
    EXPECT_TRUE(GlyphHasAlpha(withAlpha));
    EXPECT_EQ(DrawnAt(withAlpha, {}, {0, 0}), Under) << "alpha 0 is see-through";
    EXPECT_EQ(DrawnAt(withAlpha, {}, {1, 0}), Ink);

    const TBitmap noAlpha = TwoImageGlyph(TPixelFormat::pf32bit);
    EXPECT_FALSE(GlyphHasAlpha(noAlpha));
    EXPECT_EQ(DrawnAt(noAlpha, {0, 2, 0, false}, {1, 0}), Ink) << "drawn as a keyed glyph, not as invisible";
    EXPECT_EQ(DrawnAt(noAlpha, {0, 2, 0, false}, {0, 1}), Under);
}

TEST(GlyphDrawingTest, DrawingOffTheTargetIsClipped)
{
    const TBitmap glyph = TwoImageGlyph(TPixelFormat::pf24bit);
    TBitmap target(3, 3, TPixelFormat::pf32bit);
    target.Fill(PixelFromColor(Under));
    DrawGlyphImage(target, {-1, 2}, glyph, {0, 2, 0, false});
    DrawGlyphImage(target, {100, -100}, glyph, {0, 2, 0, false});
    EXPECT_EQ(target.PixelColor(0, 2) & 0xFFFFFF, Ink);
}

} // namespace
} // namespace pp
