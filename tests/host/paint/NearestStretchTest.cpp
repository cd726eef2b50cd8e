// The nearest-pixel stretch picks the columns and rows that the platform's
// StretchBlt picks in colour-on-colour mode (the Windows tests compare the
// two on many sizes); here a few sizes worked out from its rule.
#include "PaintFixture.h"

#include "skin/paint/NearestStretch.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp::test {
namespace {

struct TIndexCase {
    int Source, Dest;
    TStretchAxis Axis;
    std::vector<int> Expected;
};

TEST(NearestSourceIndex, GrowsEvenlyAndShrinksByColumnsAndRowsAsThePlatformDoes)
{
    const TIndexCase cases[] = {
        // Growing, both axes: (i * s + (s - 1) div 2) div d.
        {3, 7, TStretchAxis::Columns, {0, 0, 1, 1, 1, 2, 2}},
        {3, 7, TStretchAxis::Rows, {0, 0, 1, 1, 1, 2, 2}},
        {2, 5, TStretchAxis::Rows, {0, 0, 0, 1, 1}},
        // Shrinking columns: (i * s + s - 1 - (d - 1) div 2) div d.
        {8, 6, TStretchAxis::Columns, {0, 2, 3, 4, 6, 7}},
        // ... and to one column the last but one.
        {4, 1, TStretchAxis::Columns, {2}},
        {12, 1, TStretchAxis::Columns, {10}},
        // Shrinking rows: (i * s + d div 2) div d.
        {8, 6, TStretchAxis::Rows, {0, 1, 3, 4, 5, 7}},
        {4, 1, TStretchAxis::Rows, {0}},
    };
    for (const TIndexCase& c : cases) {
        std::vector<int> got;
        for (int i = 0; i < c.Dest; ++i)
            got.push_back(NearestSourceIndex(i, c.Source, c.Dest, c.Axis));
        EXPECT_EQ(got, c.Expected) << c.Source << " -> " << c.Dest
                                   << (c.Axis == TStretchAxis::Rows ? " rows" : " columns");
    }
}

TEST(StretchNearest, KeepsEachPixelsSourceWhenClipped)
{
    const TBitmap source = PixelsBy(3, 1, [](int x, int) { return 0xFF000000u + std::uint32_t(x); });
    TBitmap dest = PixelsBy(5, 1, [](int, int) { return 0x77777777u; });
    // 3 -> 7 columns from x = -2: the visible ones are 2 .. 6 of the stretch.
    StretchNearest(dest, {-2, 0, 5, 1}, source, source.Bounds(), {0, 0, 4, 1});
    const std::uint32_t expected[] = {0xFF000001, 0xFF000001, 0xFF000001, 0xFF000002, 0x77777777};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(dest, x, 0), expected[x]) << x;
}

} // namespace
} // namespace pp::test
