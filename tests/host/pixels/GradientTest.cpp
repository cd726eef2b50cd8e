#include "PaintTestSupport.h"

#include "core/Error.h"
#include "skin/pixels/Gradient.h"
#include "skin/pixels/TriangleGradient.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

using test::At;

struct ParseCase {
    const char* Text;
    TsGradArray Expected;
};

TEST(ParseGradientSpec, ReadsGroupsOfFiveFields)
{
    const ParseCase cases[] = {
        {"", {}},
        {"1;2;3;4", {}},
        {"255;0;150;0;9", {{255, 0, 100, 0}}},
        {"-5;1;50;1;0", {{0, 1, 50, 1}}},
        {";;10;;20;30;40;50;;", {{10, 20, 30, 40}}},
        {"1;2;-3;7;5;6", {{1, 2, 0, 7}}},
        {"+7;2;3;4;x", {{7, 2, 3, 4}}}, // the fifth field is never read
        {"16753188;16777215;99;0;0;16777215;16777215;0;0;0",
         {{16753188, 16777215, 99, 0}, {16777215, 16777215, 0, 0}}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseGradientSpec(c.Text), c.Expected) << c.Text;
}

TEST(ParseGradientSpec, RejectsFieldsThatAreNotIntegers)
{
    for (const char* bad : {"1;x;3;4;5", "1;2;3; 4;5", "1;2;3;4-;5", "-;2;3;4;5", "1;2;+-3;4;5",
                            "99999999999;2;3;4;5", "1;2;3;0x10;5"}) {
        try {
            ParseGradientSpec(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("is not a valid integer value"), std::string::npos) << bad;
        }
    }
    EXPECT_THROW(ParseGradientSpec("1;x;3;4;5"), EConvertError);
    try {
        ParseGradientSpec("1;x;3;4;5");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
}

TEST(ParseGradientSpec, KeepsTheSegmentsReadBeforeABadField)
{
    TsGradArray into{{9, 9, 9, 9}};
    EXPECT_THROW(ParseGradientSpec("1;2;3;4;5;6;x;8;9;10", into), EConvertError);
    ASSERT_EQ(into.size(), 2u);
    EXPECT_EQ(into[0], (TsGradSegment{1, 2, 3, 4}));
    EXPECT_EQ(into[1].ColorFrom, 6u);
    EXPECT_EQ(into[1].ColorTo, 0u);
}

// Red channel of column 0, row by row.
std::vector<int> RedColumn(const TBitmap& b)
{
    std::vector<int> reds;
    for (int y = 0; y < b.Height(); ++y)
        reds.push_back(b.Pixel32(0, y).R);
    return reds;
}

TEST(DrawGradientFill, VerticalRunsRoundHalvesToEven)
{
    TBitmap b(1, 3);
    DrawGradientFill(b, b.Bounds(), {{0, 5, 100, gmVertical}});
    // 0, 2.5, 5: the middle row rounds to the even 2, not 3.
    EXPECT_EQ(RedColumn(b), (std::vector<int>{0, 2, 5}));
    EXPECT_EQ(At(b, 0, 1) >> 24, 0xFFu);

    TBitmap five(1, 5);
    DrawGradientFill(five, five.Bounds(), {{0, 100, 100, gmVertical}});
    EXPECT_EQ(RedColumn(five), (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST(DrawGradientFill, RunningValuesAreThirtyTwoBitFloats)
{
    // Red 10 to 21 over 6 steps of 11/6: as floats the running value of row 3
    // is 15.499999, so 15 (exact or double arithmetic would give 15.5 -> 16).
    // 0 to 255 over 100 steps of 2.55: rows 10, 50, 70, 90 hold 25.499998,
    // 127.50006, 178.50012, 229.50018 (exactly 25.5, 127.5, 178.5, 229.5).
    struct Case {
        int Length;
        TColor From, To;
        std::vector<std::pair<int, int>> Reds; // (row or column, red)
    } cases[] = {
        {7, 10, 21, {{0, 10}, {1, 12}, {2, 14}, {3, 15}, {4, 17}, {6, 21}}},
        {101, 0, 255, {{10, 25}, {50, 128}, {70, 179}, {90, 230}, {100, 255}}},
    };
    for (const Case& c : cases) {
        TBitmap column(1, c.Length), row(c.Length, 1);
        DrawGradientFill(column, column.Bounds(), {{c.From, c.To, 100, gmVertical}});
        DrawGradientFill(row, row.Bounds(), {{c.From, c.To, 100, gmHorizontal}});
        for (const auto& [at, red] : c.Reds) {
            EXPECT_EQ(column.Pixel32(0, at).R, red) << c.Length << " rows, row " << at;
            EXPECT_EQ(row.Pixel32(at, 0).R, red) << c.Length << " columns, column " << at;
        }
    }
}

TEST(DrawGradientFill, VerticalSegmentsShareTheirBoundaryRow)
{
    TBitmap b(2, 10);
    DrawGradientFill(b, b.Bounds(), {{0x10, 0x10, 40, gmVertical}, {0x20, 0x20, 40, 0}, {0x30, 0x30, 0, 0}});
    EXPECT_EQ(RedColumn(b), (std::vector<int>{0x10, 0x10, 0x10, 0x10, 0x20, 0x20, 0x20, 0x20, 0x30, 0x30}));
}

TEST(DrawGradientFill, LastVerticalSegmentRunsToTheBottomRow)
{
    TBitmap b(1, 10);
    DrawGradientFill(b, b.Bounds(), {{0, 10, 50, gmVertical}, {100, 104, 10, 0}});
    // First segment rows 0..5, the last one 5..9 although the shares add to 60.
    EXPECT_EQ(RedColumn(b), (std::vector<int>{0, 2, 4, 6, 8, 100, 101, 102, 103, 104}));
}

TEST(DrawGradientFill, NinetyNineAndZeroPercentOnAHundredRows)
{
    TBitmap b(1, 100);
    b.Fill(TBGRA{1, 2, 3, 4});
    DrawGradientFill(b, b.Bounds(), {{0, 99, 99, gmVertical}, {200, 200, 0, 0}});
    // The first segment spans rows 0..99; the last starts and ends on row 99
    // and so has no rows of its own.
    for (int y = 0; y < 100; ++y)
        ASSERT_EQ(b.Pixel32(0, y).R, y) << y;
}

TEST(DrawGradientFill, HorizontalComputesOneRowAndCopiesIt)
{
    TBitmap b(10, 3);
    DrawGradientFill(b, b.Bounds(), {{0x11, 0x11, 50, gmHorizontal}, {0x22, 0x22, 0, 0}});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(At(b, x, y), x < 5 ? 0xFF110000u : 0xFF220000u) << x << "," << y;

    TBitmap ramp(5, 2);
    DrawGradientFill(ramp, ramp.Bounds(), {{0, 0x280000, 100, gmHorizontal}}); // blue 0..0x28
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(ramp.Pixel32(x, 1).B, x * 10);
}

TEST(DrawGradientFill, HorizontalBoundariesRoundHalvesToEven)
{
    // 25 percent of 10 columns from column 0 is 2.5: the boundary is column 2.
    TBitmap b(10, 1);
    DrawGradientFill(b, b.Bounds(), {{0x11, 0x11, 25, gmHorizontal}, {0x22, 0x22, 0, 0}});
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(b.Pixel32(x, 0).R, x < 2 ? 0x11 : 0x22) << x;
}

TEST(DrawGradientFill, ClipsToTheBitmapAndLeavesTheRestAlone)
{
    TBitmap b = test::Filled32(4, 4, 0x01020304);
    DrawGradientFill(b, {-2, 1, 2, 9}, {{0xFF, 0xFF, 100, gmVertical}});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(At(b, x, y), (x < 2 && y >= 1) ? 0xFFFF0000u : 0x01020304u) << x << "," << y;
}

TEST(DrawGradientFill, PaintsNothingForEmptyInputOrUnknownMode)
{
    TBitmap b = test::Filled32(3, 3, 0x01020304);
    const TBitmap before = b;
    DrawGradientFill(b, b.Bounds(), {});
    DrawGradientFill(b, b.Bounds(), {{0xFF, 0xFF, 100, 3}});
    DrawGradientFill(b, {5, 5, 9, 9}, {{0xFF, 0xFF, 100, 0}});
    DrawGradientFill(b, {2, 2, 1, 1}, {{0xFF, 0xFF, 100, 0}});
    EXPECT_TRUE(test::SamePixels(b, before));
}

TEST(DrawGradientFill, TrianglesOfOneSegmentFillTheRectangle)
{
    TBitmap b = test::Filled32(7, 5, 0);
    DrawGradientFill(b, {1, 1, 6, 4}, {{0x123456, 0, 100, gmTriangles}});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(At(b, x, y), (x >= 1 && x < 6 && y >= 1 && y < 4) ? 0xFF563412u : 0u) << x << "," << y;
}

TEST(DrawGradientFill, TrianglesInterpolateBetweenTheVertexColours)
{
    TBitmap b(100, 100);
    // Vertices: top-left red, centre green, top-right blue, bottom-right black,
    // bottom-left white.
    DrawGradientFill(b, b.Bounds(),
                     {{0x0000FF, 0, 0, gmTriangles},
                      {0x00FF00, 0, 0, 0},
                      {0xFF0000, 0, 0, 0},
                      {0x000000, 0, 0, 0},
                      {0xFFFFFF, 0, 0, 0}});
    EXPECT_EQ(At(b, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(At(b, 50, 50), 0xFF00FF00u);
    // Halfway along the top edge: red and blue each 127.5, rounded to even.
    EXPECT_EQ(At(b, 50, 0), 0xFF800080u);
    // Halfway down the left edge: red and white.
    EXPECT_EQ(At(b, 0, 50), 0xFFFF8080u);
    // A quarter along the centre's diagonal to the bottom-right corner.
    EXPECT_EQ(At(b, 75, 75), 0xFF008000u);
}

TEST(DrawTexturedGradient, MixesATiledTextureIntoTheGradient)
{
    const TBitmap texture = test::Bitmap32(2, 1, {0xFF000000, 0xFFC8C8C8});
    TBitmap b(5, 2);
    DrawTexturedGradient(b, b.Bounds(), {{0x646464, 0x646464, 100, gmVertical}}, 128, {}, texture);
    // (w * (X - G) + G * 256) >> 8 with G = 100: X = 0 gives 50, X = 200 gives 150.
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(b, x, 1), x % 2 ? 0xFF969696u : 0xFF323232u) << x;

    TBitmap one(3, 1);
    DrawTexturedGradient(one, one.Bounds(), {{0xFFFFFF, 0xFFFFFF, 100, gmHorizontal}}, 1, {1, 0, 2, 1},
                         texture);
    // Only the texture's second column tiles; weight 1 barely moves off white.
    EXPECT_EQ(At(one, 2, 0), 0xFFFEFEFEu);
    TBitmap weightless(3, 1);
    DrawTexturedGradient(weightless, weightless.Bounds(), {{0xFFFFFF, 0, 100, gmHorizontal}}, 0, {}, texture);
    EXPECT_EQ(At(weightless, 0, 0), 0xFFFFFFFFu);
}

TEST(DrawTexturedGradient, TilesRowsByTheDestinationRow)
{
    const TBitmap texture = test::Bitmap32(1, 2, {0xFF000000, 0xFFC8C8C8});
    TBitmap b(2, 5);
    DrawTexturedGradient(b, {0, 1, 2, 5}, {{0x646464, 0x646464, 100, gmVertical}}, 128, {}, texture);
    EXPECT_EQ(At(b, 0, 0), 0u); // outside the rectangle
    for (int y = 1; y < 5; ++y)
        EXPECT_EQ(At(b, 1, y), y % 2 ? 0xFF969696u : 0xFF323232u) << y;
}

TEST(DrawTexturedGradient, PaintsNothingForTriangles)
{
    const TBitmap texture = test::Filled32(2, 2, 0xFFFFFFFF);
    TBitmap b = test::Filled32(3, 3, 0x01020304);
    DrawTexturedGradient(b, b.Bounds(), {{0, 0, 100, gmTriangles}}, 100, {}, texture);
    EXPECT_EQ(At(b, 1, 1), 0x01020304u);
}

} // namespace
} // namespace pp

namespace pp {
namespace {

// Twice the signed area of (a, b, p), the plain way.
long long Side(const TGradientVertex& a, const TGradientVertex& b, int px, int py)
{
    return (long long)(b.X - a.X) * (py - a.Y) - (long long)(b.Y - a.Y) * (px - a.X);
}

TEST(FillGradientTriangle, PaintsExactlyThePixelsInsideOrOnAnEdge)
{
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> coord(-8, 40);
    const TRect clip{2, 3, 30, 27};
    for (int round = 0; round < 400; ++round) {
        TGradientVertex v[3];
        for (TGradientVertex& p : v)
            p = {coord(rng), coord(rng), 0x808080};
        if (round % 50 == 0)
            v[2] = {v[0].X * 2 - v[1].X, v[0].Y * 2 - v[1].Y, 0}; // on one line: nothing
        TBitmap b(32, 30);
        FillGradientTriangle(b, clip, v[0], v[1], v[2]);
        const long long area = Side(v[0], v[1], v[2].X, v[2].Y);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 32; ++x) {
                const long long s0 = Side(v[1], v[2], x, y), s1 = Side(v[2], v[0], x, y),
                                s2 = Side(v[0], v[1], x, y);
                const bool inside = area != 0 && clip.Contains({x, y}) &&
                                    ((s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0));
                ASSERT_EQ(b.Pixel32(x, y).A == 0xFF, inside) << "round " << round << " at " << x << "," << y;
            }
    }
}

} // namespace
} // namespace pp
