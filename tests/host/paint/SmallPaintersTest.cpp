// The focus frame's dots and text cut to a width.
#include "PaintFixture.h"

#include "skin/paint/FocusDots.h"
#include "skin/paint/TextFit.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace pp::test {
namespace {

constexpr std::uint32_t Blank = 0x11223344;

TEST(DrawFocusDots, DotsEverySecondPixelAlongTheEdgesFromTheThirdOn)
{
    const TColor first = MakeColor(255, 0, 0), second = MakeColor(0, 0, 255);
    const std::uint32_t a = 0xFFFF0000, b = 0xFF0000FF;
    TBitmap canvas = PixelsBy(8, 6, [](int, int) { return Blank; });
    DrawFocusDots(canvas, {0, 0, 6, 4}, first, second);
    // Across: 6 div 2 = 3 steps at x = 2, 4, 6 on rows 0 and 3; down: 2 steps
    // at y = 2, 4 on columns 0 and 5. Each second-colour dot has a
    // first-colour dot before it.
    std::map<std::pair<int, int>, std::uint32_t> dots;
    for (int x : {2, 4, 6})
        for (int y : {0, 3})
            dots[{x - 1, y}] = a, dots[{x, y}] = b;
    for (int y : {2, 4})
        for (int x : {0, 5})
            dots[{x, y - 1}] = a, dots[{x, y}] = b;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const auto dot = dots.find({x, y});
            EXPECT_EQ(At(canvas, x, y), dot == dots.end() ? Blank : dot->second) << x << "," << y;
        }
}

TEST(DrawFocusDots, SkipsAColourGivenAsNone)
{
    TBitmap canvas = PixelsBy(4, 4, [](int, int) { return Blank; });
    DrawFocusDots(canvas, canvas.Bounds(), clNoKeyColor, MakeColor(0, 0, 255));
    EXPECT_EQ(At(canvas, 1, 0), Blank);
    EXPECT_EQ(At(canvas, 2, 0), 0xFF0000FFu);
}

// Four pixels a character, whatever its UTF-8 length.
int Measure(std::string_view text)
{
    int characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters * 4;
}

TEST(FitTextWithEllipsis, CutsWholeCharactersUntilTheTextAndDotsFit)
{
    struct TCase {
        const char* Text;
        int Width;
        const char* Expected;
    } cases[] = {
        {"Read", 16, "Read"}, {"Abort", 18, "A..."},
        {"Abort", 5, "..."},                         // narrower than "...": the dots alone
        {"Abort", -1, "..."}, {"Порты", 16, "П..."}, // two-byte characters go whole
        {"Порты", 15, "..."}, {"", 0, ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FitTextWithEllipsis(c.Text, c.Width, Measure), c.Expected) << c.Text << " in " << c.Width;
}

} // namespace
} // namespace pp::test
