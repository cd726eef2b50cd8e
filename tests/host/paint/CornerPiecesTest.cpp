// Refreshing the transparent corners of a control's cache from what its
// parent shows now.
#include "PaintFixture.h"

#include "skin/paint/CornerPieces.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr std::uint32_t Cached = 0x11223344;
constexpr std::uint32_t Key = 0x00FF00FF;
constexpr std::uint32_t Ink = 0xFF000001;

// Two 3 x 3 states with 1-pixel borders: every corner pixel of the second
// state is the key colour, except a magenta that is opaque.
int TwoStateBorder(TFixtureSkin& fixture, int frames = 2)
{
    return fixture.AddImage(PixelsBy(6, 3,
                                     [](int x, int y) {
                                         if (x == 5 && y == 2)
                                             return 0xFFFF00FFu;
                                         return x >= 3 && x != 4 && y != 1 ? Key : Ink;
                                     }),
                            {.Frames = frames, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
}

TBitmap Cache()
{
    return PixelsBy(5, 4, [](int, int) { return Cached; });
}

std::uint32_t Parent(int x, int y) { return 0xFF000000u | std::uint32_t(x) << 16 | std::uint32_t(y) << 8; }

TEST(RefreshCornerPieces, KeyCornerPixelsTakeTheParentsImageAtTheControlsPlace)
{
    TFixtureSkin fixture;
    const int border = TwoStateBorder(fixture);
    const TBitmap parentImage = PixelsBy(20, 20, Parent);
    TAnsweringParent parent;
    parent.Answer.Kind = bkImage;
    parent.Answer.Image = &parentImage;
    TBitmap cache = Cache();
    RefreshCornerPieces(cache, fixture.Skin(), border, 1, ccAllCorners, parent, {6, 7});
    EXPECT_EQ(At(cache, 0, 0), Parent(6, 7));
    EXPECT_EQ(At(cache, 4, 0), Parent(10, 7));
    EXPECT_EQ(At(cache, 0, 3), Parent(6, 10));
    EXPECT_EQ(At(cache, 4, 3), Cached); // an opaque magenta is no key pixel
    EXPECT_EQ(At(cache, 2, 0), Cached); // sides are not touched
    EXPECT_EQ(At(cache, 0, 1), Cached);
}

TEST(RefreshCornerPieces, TakesTheParentsColourOnlyForTheNamedCornersAndNotTheKeyColour)
{
    struct TCase {
        TColor Color;
        int Corners;
        std::uint32_t TopLeft, BottomLeft;
    } cases[] = {
        {MakeColor(1, 2, 3), ccAllCorners, 0xFF010203, 0xFF010203},
        {MakeColor(1, 2, 3), ccBottomLeft, Cached, 0xFF010203},
        {clKeyColor, ccAllCorners, Cached, Cached},
    };
    for (const TCase& c : cases) {
        TFixtureSkin fixture;
        const int border = TwoStateBorder(fixture);
        TAnsweringParent parent;
        parent.Answer.Kind = bkColor;
        parent.Answer.Color = c.Color;
        TBitmap cache = Cache();
        RefreshCornerPieces(cache, fixture.Skin(), border, 1, c.Corners, parent, {6, 7});
        EXPECT_EQ(At(cache, 0, 0), c.TopLeft) << c.Corners;
        EXPECT_EQ(At(cache, 0, 3), c.BottomLeft) << c.Corners;
    }
}

TEST(RefreshCornerPieces, AnOwnImageWithoutStateCountHasThreeStatesOverItsWidth)
{
    TFixtureSkin fixture;
    // 9 pixels wide: state 1 is columns 3..5; its top-left pixel is key.
    const int border = fixture.AddImage(
        PixelsBy(9, 3, [](int x, int y) { return x == 3 && y == 0 ? Key : Ink; }),
        {.Frames = 0, .Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    TAnsweringParent parent;
    parent.Answer.Kind = bkColor;
    parent.Answer.Color = MakeColor(1, 2, 3);
    TBitmap cache = Cache();
    RefreshCornerPieces(cache, fixture.Skin(), border, 1, ccAllCorners, parent, {0, 0});
    EXPECT_EQ(At(cache, 0, 0), 0xFF010203u);
}

} // namespace
} // namespace pp::test
