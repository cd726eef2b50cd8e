// Whole items: how the state picks images and properties, how the
// section's transparency lets the parent show, how colour, gradient and
// texture share the fill, and what the binding adds. Expected pixels are
// worked out by hand from the section's values.
#include "PaintFixture.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/RenderItem.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr std::uint32_t Untouched = 0x11223344;

TBitmap Target(int width, int height)
{
    return PixelsBy(width, height, [](int, int) { return Untouched; });
}

BackdropInfo ColourBehind(TColor c)
{
    BackdropInfo b;
    b.BackColor = c;
    return b;
}

TsItemBinding Binding(TFixtureSkin& fixture, int section, int border = -1)
{
    TsItemBinding binding;
    binding.Skin = &fixture.Skin();
    binding.SectionIndex = section;
    binding.BorderImageIndex = border;
    return binding;
}

// Three 3 x 3 states, each one colour, with 1-pixel borders and no centre.
int ThreeStateBorder(TFixtureSkin& fixture, int drawMode = 0)
{
    return fixture.AddImage(
        PixelsBy(9, 3, [](int x, int) { return 0xFF0000AAu + 0x11u * std::uint32_t(x / 3); }),
        {.Frames = 3, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1, .DrawMode = drawMode});
}

TEST(RenderItem, AStateBeyondTheSectionFallsBackToItsLastStateWithTheHotProperties)
{
    struct TCase {
        int SectionStates;
        std::uint32_t BorderPixel;
    } cases[] = {
        {3, 0xFF0000CC}, // state 5 of 3: the third image
        {2, 0xFF0000BB}, // the section's count cuts before the image's
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        fixture.AddSection("BUTTON", MakeColor(1, 2, 3), MakeColor(0x56, 0x34, 0x12), c.SectionStates);
        const int border = ThreeStateBorder(fixture);
        TBitmap target = Target(5, 5);
        RenderItem(Binding(fixture, 0, border), ColourBehind(0), true, target, {0, 0}, target.Bounds(), 5);
        EXPECT_EQ(At(target, 0, 0), c.BorderPixel) << c.SectionStates;
        EXPECT_EQ(At(target, 2, 2), 0xFF563412u) << c.SectionStates; // the hot colour inside
    }
}

TEST(RenderItem, ABorderHiddenInStateZeroIsPaintedInStateOne)
{
    TFixtureSkin fixture;
    fixture.AddSection("BUTTON", MakeColor(1, 2, 3), MakeColor(4, 5, 6));
    const int border = ThreeStateBorder(fixture, 2);
    TBitmap target = Target(5, 5);
    RenderItem(Binding(fixture, 0, border), ColourBehind(0), true, target, {0, 0}, target.Bounds(), 0);
    EXPECT_EQ(At(target, 0, 0), 0xFF010203u);
    RenderItem(Binding(fixture, 0, border), ColourBehind(0), true, target, {0, 0}, target.Bounds(), 1);
    EXPECT_EQ(At(target, 0, 0), 0xFF0000BBu);
    EXPECT_EQ(At(target, 2, 2), 0xFF040506u);
}

TEST(RenderItem, FullTransparencyWithoutBorderIsExactlyTheParentBehind)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(1, 2, 3), MakeColor(4, 5, 6));
    section.Props[0].Transparency = section.Props[1].Transparency = 100;
    const TBitmap parent = PixelsBy(
        12, 10, [](int x, int y) { return 0xFF000000u | std::uint32_t(x * 20 + y * 3) << 8; });
    TsItemBinding binding = Binding(fixture, 0);
    binding.HueOffset = 90; // skipped: the item is its parent
    binding.Saturation = 50;
    TBitmap target = Target(6, 5);
    const TRect r{1, 1, 4, 3};
    // Backdrop offsets (2, 1) plus the offset point (1, 2).
    RenderItem(binding, BackdropFromBitmap(&parent, 2, 1), true, target, {1, 2}, r, 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(At(target, x, y), inside ? At(parent, x + 3, y + 3) : Untouched) << x << "," << y;
        }
}

TEST(RenderItem, TransparencyFortyOverAParentColourMixesFortyPercentOfIt)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(60, 100, 250), MakeColor(0, 0, 0));
    section.Props[0].Transparency = 40;
    TBitmap target = Target(3, 3);
    RenderItem(Binding(fixture, 0), ColourBehind(MakeColor(200, 0, 50)), true, target, {0, 0},
               target.Bounds(), 0);
    // 0.4 * parent + 0.6 * section: red 80 + 36, green 0 + 60, blue 20 + 150.
    EXPECT_EQ(At(target, 1, 1), Opaque(MakeColor(116, 60, 170)));
}

TEST(RenderItem, GradientAndImagePercentagesShareTheFillWithTheColour)
{
    const TsGradArray flatGradient{{MakeColor(200, 100, 0), MakeColor(200, 100, 0), 100, gmVertical}};
    struct TCase {
        int GradientPercent, ImagePercent;
        std::uint32_t Expected;
    } cases[] = {
        // 30 percent gradient, 70 percent colour (100, 0, 50): nearest(0.3 * g + 0.7 * c).
        {30, 0, Opaque(MakeColor(130, 30, 35))},
        {0, 0, Opaque(MakeColor(100, 0, 50))},
        {100, 0, Opaque(MakeColor(200, 100, 0))},
        // 50 / 50 over a tiled texture of (200, 200, 200): mixed in one pass with
        // texture weight 127: (127 * (X - G) + G * 256) >> 8 = 200, 149, 99.
        {50, 50, Opaque(MakeColor(200, 149, 99))},
        // Texture alone at 50 percent: nearest(0.5 * 200 + 0.5 * c) = 150, 100, 125.
        {0, 50, Opaque(MakeColor(150, 100, 125))},
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(100, 0, 50), 0);
        section.Props[0].GradientPercent = c.GradientPercent;
        section.Props[0].GradientArray = flatGradient;
        section.Props[0].ImagePercent = c.ImagePercent;
        const int texture = fixture.AddImage(PixelsBy(2, 2, [](int, int) { return 0xFFC8C8C8u; }), {});
        TsItemBinding binding = Binding(fixture, 0);
        binding.PatternIndex = texture;
        TBitmap target = Target(4, 3);
        RenderItem(binding, ColourBehind(0), true, target, {0, 0}, target.Bounds(), 0);
        EXPECT_EQ(At(target, 3, 2), c.Expected) << c.GradientPercent << "/" << c.ImagePercent;
    }
}

TEST(RenderItem, ImagePercentWithoutAnyTextureIsThePlainColour)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(100, 0, 50), 0);
    section.Props[0].ImagePercent = 60;
    TBitmap target = Target(3, 3);
    RenderItem(Binding(fixture, 0), ColourBehind(0), true, target, {0, 0}, target.Bounds(), 0);
    EXPECT_EQ(At(target, 1, 1), Opaque(MakeColor(100, 0, 50)));
}

TEST(RenderItem, ATopStripTextureCoversOneImageHighAndTheRestIsTheColour)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(9, 9, 9), 0);
    section.Props[0].ImagePercent = 100;
    const auto tile = [](int x, int y) {
        return 0xFF000000u | std::uint32_t(x + 1) << 16 | std::uint32_t(y + 1) << 8;
    };
    const int texture = fixture.AddImage(PixelsBy(3, 2, tile), {.DrawMode = 2});
    TsItemBinding binding = Binding(fixture, 0);
    binding.PatternIndex = texture;
    TBitmap target = Target(7, 5);
    RenderItem(binding, ColourBehind(0), true, target, {0, 0}, target.Bounds(), 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(At(target, x, y), y < 2 ? tile(x % 3, y) : Opaque(MakeColor(9, 9, 9))) << x << "," << y;
}

TEST(RenderItem, CornerImagesSitInTheirCorners)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(9, 9, 9), 0);
    const auto corner = [&fixture](std::uint32_t colour) {
        return fixture.AddImage(Pixels(2, 2, {colour, colour, colour, 0x00FF00FF}), {});
    };
    section.ImgTL = corner(0xFF000001);
    section.ImgTR = corner(0xFF000002);
    section.ImgBL = corner(0xFF000003);
    section.ImgBR = corner(0xFF000004);
    TBitmap target = Target(6, 5);
    RenderItem(Binding(fixture, 0), ColourBehind(0), true, target, {0, 0}, {0, 0, 6, 5}, 0);
    EXPECT_EQ(At(target, 0, 0), 0xFF000001u);
    EXPECT_EQ(At(target, 4, 0), 0xFF000002u);
    EXPECT_EQ(At(target, 0, 3), 0xFF000003u);
    EXPECT_EQ(At(target, 4, 3), 0xFF000004u);
    EXPECT_EQ(At(target, 5, 4), Opaque(MakeColor(9, 9, 9))); // the key pixel keeps what is there
    EXPECT_EQ(At(target, 2, 2), Opaque(MakeColor(9, 9, 9)));
}

TEST(RenderItem, HueRotationRecoloursTheItemButSparesKeyPixels)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(255, 0, 0), 0);
    section.Props[0].Transparency = 100;
    // A border so that the transparent item still gets its colours changed.
    const int border = fixture.AddImage(PixelsBy(3, 3, [](int, int) { return 0xFFFF0000u; }),
                                        {.Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    const TBitmap parent = PixelsBy(5, 5, [](int x, int) { return x == 2 ? 0x00FF00FFu : 0xFFFF0000u; });
    TsItemBinding binding = Binding(fixture, 0, border);
    binding.HueOffset = 120; // pure red turns pure green
    TBitmap target = Target(6, 5);
    RenderItem(binding, BackdropFromBitmap(&parent, 0, 0), true, target, {0, 0}, {0, 0, 5, 5}, 0);
    EXPECT_EQ(At(target, 0, 0), 0xFF00FF00u);
    EXPECT_EQ(At(target, 1, 1), 0xFF00FF00u);
    EXPECT_EQ(At(target, 2, 2), 0x00FF00FFu);
    EXPECT_EQ(At(target, 5, 2), Untouched);
}

TEST(RenderItem, ACustomColourReplacesTheWholeFill)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("PANEL", MakeColor(9, 9, 9), 0);
    section.Props[0].GradientPercent = 100;
    section.Props[0].GradientArray = {{0xFFFFFF, 0xFFFFFF, 100, gmVertical}};
    TsItemBinding binding = Binding(fixture, 0);
    binding.CustomColor = MakeColor(7, 8, 9);
    TBitmap target = Target(3, 3);
    RenderItem(binding, ColourBehind(0), true, target, {0, 0}, target.Bounds(), 0);
    EXPECT_EQ(At(target, 1, 1), Opaque(MakeColor(7, 8, 9)));
}

TEST(RenderItem, PaintsNothingOutsideItsTargetOrWithoutASection)
{
    TFixtureSkin fixture;
    fixture.AddSection("PANEL", MakeColor(9, 9, 9), 0);
    TBitmap target = Target(3, 3);
    for (const TRect r : {TRect{-1, 0, 2, 2}, TRect{0, 0, 4, 3}, TRect{0, 0, 3, 4}, TRect{1, 1, 1, 2}})
        RenderItem(Binding(fixture, 0), ColourBehind(0), true, target, {0, 0}, r, 0);
    RenderItem(Binding(fixture, 1), ColourBehind(0), true, target, {0, 0}, target.Bounds(), 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(At(target, x, y), Untouched);
}

TEST(RenderItemBySectionHot, TakesTheLookFromTheFlagAndDrawsNoCornerImages)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("SCROLLBTN", MakeColor(1, 1, 1), MakeColor(2, 2, 2));
    section.ImgTL = fixture.AddImage(Pixels(1, 1, {0xFF0000EE}), {});
    TBitmap target = Target(3, 3);
    RenderItemBySectionHot(fixture.Skin(), 0, ColourBehind(0), -1, -1, target, {0, 0}, target.Bounds(), true);
    EXPECT_EQ(At(target, 0, 0), Opaque(MakeColor(2, 2, 2)));
    RenderItemBySection(fixture.Skin(), 0, ColourBehind(0), -1, -1, target, {0, 0}, target.Bounds(), 0);
    EXPECT_EQ(At(target, 0, 0), 0xFF0000EEu);
    EXPECT_EQ(At(target, 1, 1), Opaque(MakeColor(1, 1, 1)));
}

} // namespace
} // namespace pp::test
