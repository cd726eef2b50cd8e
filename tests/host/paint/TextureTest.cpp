// Textures laid by their placement, masked tiles, and the tiling of
// separate texture files. A 3 x 2 texture over a 7 x 5 rectangle makes
// every placement's strip and leftover plain to see.
#include "PaintFixture.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/DrawTexture.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/TileImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace pp::test {
namespace {

constexpr std::uint32_t Untouched = 0x11223344;

TBitmap Target(int width, int height)
{
    return PixelsBy(width, height, [](int, int) { return Untouched; });
}

std::uint32_t Tile(int x, int y)
{
    return 0xFF000000u | std::uint32_t(x + 1) << 16 | std::uint32_t(y + 1) << 8;
}

// Nearest-pixel stretch of the texture: 3 -> 7 columns and 2 -> 5 rows grow
// by (i * s + (s - 1) div 2) div d.
const int StretchedColumn[7] = {0, 0, 1, 1, 1, 2, 2};
const int StretchedRow[5] = {0, 0, 0, 1, 1};

struct TPlacementCase {
    int Placement;
    std::function<std::uint32_t(int x, int y)> Expected;
    std::optional<TRect> Uncovered;
};

TEST(DrawTexture, EveryPlacementCoversItsPartAndReportsTheRest)
{
    const TPlacementCase cases[] = {
        {0, [](int x, int y) { return Tile(x % 3, y % 2); }, std::nullopt},
        {1, [](int x, int y) { return Tile(StretchedColumn[x], StretchedRow[y]); }, std::nullopt},
        {2, [](int x, int y) { return y < 2 ? Tile(x % 3, y) : Untouched; }, TRect{0, 2, 7, 5}},
        {3, [](int x, int y) { return x < 3 ? Tile(x, y % 2) : Untouched; }, TRect{3, 0, 7, 5}},
        {4, [](int x, int y) { return y < 2 ? Tile(StretchedColumn[x], y) : Untouched; }, TRect{0, 2, 7, 5}},
        {5, [](int x, int y) { return x < 3 ? Tile(x, StretchedRow[y]) : Untouched; }, TRect{3, 0, 7, 5}},
        {6, [](int x, int y) { return y >= 3 ? Tile(x % 3, y - 3) : Untouched; }, TRect{0, 0, 7, 3}},
        {7, [](int x, int y) { return x >= 4 ? Tile(x - 4, y % 2) : Untouched; }, TRect{0, 0, 4, 5}},
        // Whole tiles: two rows of tiles; the partial third is left for the caller.
        {10, [](int x, int y) { return y < 4 ? Tile(x % 3, y % 2) : Untouched; }, TRect{0, 4, 7, 5}},
        {99, [](int x, int y) { return x >= 4 ? Tile(x - 4, y % 2) : Untouched; }, TRect{0, 0, 4, 5}},
    };
    for (const TPlacementCase& c : cases) {
        TFixtureSkin fixture;
        const int texture = fixture.AddImage(PixelsBy(3, 2, Tile), {.DrawMode = c.Placement});
        TBitmap target = Target(7, 5);
        const std::optional<TRect> uncovered = DrawTexture(target, target.Bounds(), fixture.Image(texture),
                                                           BackdropInfo{});
        EXPECT_EQ(uncovered, c.Uncovered) << "placement " << c.Placement;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(At(target, x, y), c.Expected(x, y))
                    << "placement " << c.Placement << " at " << x << "," << y;
    }
}

// A 2 x 1 masked texture: a colour through mask 64, then a key pixel.
int MaskedTexture(TFixtureSkin& fixture, int placement)
{
    return fixture.AddImage(Pixels(2, 2, {0xFFC86432, 0x00FF00FF, 0xFF404040, 0xFFFFFFFF}),
                            {.MaskBands = 1, .DrawMode = placement});
}

constexpr std::uint32_t Behind = 0x4064C8FA;
// (64 * (D - S) + S * 256) >> 8 of S (200, 100, 50) over D (100, 200, 250).
constexpr std::uint32_t Composed = 0xFFAF7D64;

TEST(DrawTexture, MaskedTilesComposeThroughTheMaskAndShowTheBackdropAtKeyPixels)
{
    const TBitmap parent = PixelsBy(
        9, 9, [](int x, int y) { return 0x80000000u | std::uint32_t(x) << 16 | std::uint32_t(y) << 8; });
    struct TCase {
        const char* Name;
        BackdropInfo Backdrop;
        std::uint32_t KeyPixel; // target (1, 0)
    } cases[] = {
        {"colour",
         [] {
             BackdropInfo b;
             b.BackColor = MakeColor(1, 2, 3);
             return b;
         }(),
         0xFF010203},
        // No colour: the parent's pixel at (1, 0) plus offsets (2, 3), opaque.
        {"image", BackdropFromBitmap(&parent, 2, 3), 0xFF030300},
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        const int texture = MaskedTexture(fixture, 0);
        TBitmap target = PixelsBy(5, 2, [](int, int) { return Behind; });
        EXPECT_EQ(DrawTexture(target, target.Bounds(), fixture.Image(texture), c.Backdrop), std::nullopt);
        EXPECT_EQ(At(target, 0, 0), Composed) << c.Name;
        EXPECT_EQ(At(target, 4, 1), Composed) << c.Name; // the last tile cut to one column
        EXPECT_EQ(At(target, 1, 0), c.KeyPixel) << c.Name;
    }
}

TEST(DrawTexture, WholeMaskedTilesLeaveTheirStripsToWhatLiesBehind)
{
    TFixtureSkin fixture;
    const int texture = MaskedTexture(fixture, 10);
    BackdropInfo backdrop;
    backdrop.BackColor = MakeColor(1, 2, 3);
    TBitmap target = PixelsBy(5, 2, [](int, int) { return Behind; });
    DrawTexture(target, target.Bounds(), fixture.Image(texture), backdrop);
    EXPECT_EQ(At(target, 2, 1), Composed);
    EXPECT_EQ(At(target, 4, 0), 0xFF010203u); // column 4 is no whole tile
    EXPECT_EQ(At(target, 4, 1), 0xFF010203u);
}

TEST(DrawTexture, MaskedTexturesWithOtherPlacementsDrawNothing)
{
    TFixtureSkin fixture;
    const int texture = MaskedTexture(fixture, 2);
    TBitmap target = Target(5, 2);
    EXPECT_EQ(DrawTexture(target, target.Bounds(), fixture.Image(texture), BackdropInfo{}), target.Bounds());
    EXPECT_EQ(At(target, 0, 0), Untouched);
}

TEST(TileImage, RepeatsAnImageOfAnyFormatFromTheRectanglesCornerOpaque)
{
    TBitmap image = Pixels(2, 2, {0x00000001, 0x00000002, 0x00000003, 0x00000004});
    image.SetFormat(TPixelFormat::pf24bit);
    TBitmap target = Target(7, 5);
    TileImage(target, {1, 1, 6, 4}, image);
    EXPECT_EQ(At(target, 0, 0), Untouched);
    EXPECT_EQ(At(target, 1, 1), 0xFF000001u);
    EXPECT_EQ(At(target, 4, 2), 0xFF000004u);
    EXPECT_EQ(At(target, 5, 3), 0xFF000001u);
    EXPECT_EQ(At(target, 6, 3), Untouched);
}

TEST(RenderItem, TakesASeparateTextureFileWhenTheSectionHasNoTextureImage)
{
    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("FORM", MakeColor(9, 9, 9), 0);
    section.Props[0].ImagePercent = 100;
    TsPatternData pattern;
    pattern.Img = std::make_unique<TBitmap>(
        PixelsBy(2, 1, [](int x, int) { return x ? 0xFF0000B0u : 0xFF0000A0u; }));
    pattern.SectionName = "FORM";
    pattern.KeyName = "PATTERN";
    fixture.Raw().AddPattern(std::move(pattern));
    TsItemBinding binding;
    binding.Skin = &fixture.Skin();
    binding.SectionIndex = 0;
    TBitmap target = Target(3, 1);
    RenderItem(binding, BackdropInfo{}, true, target, {0, 0}, target.Bounds(), 0);
    EXPECT_EQ(At(target, 0, 0), 0xFF0000A0u);
    EXPECT_EQ(At(target, 1, 0), 0xFF0000B0u);
    EXPECT_EQ(At(target, 2, 0), 0xFF0000A0u);
}

TEST(RenderItem, LaysWholeMaskedTilesOverTheFillInStateZeroOnly)
{
    TFixtureSkin fixture;
    fixture.AddSection("PANEL", MakeColor(100, 200, 250), MakeColor(100, 200, 250));
    TsItemBinding binding;
    binding.Skin = &fixture.Skin();
    binding.SectionIndex = 0;
    binding.PatternIndex = MaskedTexture(fixture, 10);
    BackdropInfo backdrop;
    backdrop.BackColor = MakeColor(1, 2, 3);
    TBitmap target = Target(4, 1);
    RenderItem(binding, backdrop, true, target, {0, 0}, target.Bounds(), 0);
    EXPECT_EQ(At(target, 0, 0), Composed);
    EXPECT_EQ(At(target, 1, 0), 0xFF010203u);
    RenderItem(binding, backdrop, true, target, {0, 0}, target.Bounds(), 1);
    EXPECT_EQ(At(target, 0, 0), 0xFF64C8FAu);
}

} // namespace
} // namespace pp::test
