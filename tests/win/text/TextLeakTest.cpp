// Every text painter, in every branch that makes platform objects (a
// scratch bitmap and context, an underlined font, a glow mask), gives back
// what it made: the counted owners' live counts end where they began.
#include "text/TextFixture.h"

#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/paint/TextOn32Win32.h"
#include "skin/paint/TextPasses.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <array>

namespace pp::test {
namespace {

using TLiveCounts = std::array<long, static_cast<std::size_t>(THandleKind::Count)>;

TLiveCounts LiveCounts()
{
    TLiveCounts counts{};
    for (std::size_t i = 0; i < counts.size(); ++i)
        counts[i] = LiveHandleCount(static_cast<THandleKind>(i));
    return counts;
}

TEST(TextPainters, GiveBackEveryHandleTheyMake)
{
    const TsFontColors colors{MakeColor(1, 2, 3), 0xFF, 0xFF00, NoContourColor, 0xFF0000};
    const TsLoadedSkin skin = SkinWith(LabelSection({0, colors, 0xFF, 2}, {0, colors, 0xFF00, 4}));
    TBitmap cache = BlankBitmap();
    TBitmap target = BlankBitmap();
    TBitmapCanvas canvas(cache);
    UseTestFont(canvas.Font);
    TFont font;
    UseTestFont(font);
    // Fonts made before the count, as a control's font would be.
    canvas.Font.Handle();
    font.Handle();
    TItemTextSource web{&skin, 0};
    web.IsWebButton = true;
    web.GlowTarget = &cache;

    const TLiveCounts before = LiveCounts();
    for (int round = 0; round < 3; ++round)
        for (const bool enabled : {true, false})
            for (const bool hot : {true, false}) {
                DrawItemText(canvas, SampleText, enabled, hot, web, TextFormat, TextRect);
                DrawItemText(canvas, SampleText, enabled, hot, {}, TextFormat, TextRect);
                DrawSectionText(canvas, SampleText, enabled, &skin, hot, 0, TextFormat, TextRect);
                DrawTextOn32(target, font, SampleText, enabled, &skin, hot, 0, TextFormat, TextRect);
            }
    const TLiveCounts after = LiveCounts();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i])
            << "live " << HandleKindName(static_cast<THandleKind>(i)) << " handles";
}

} // namespace
} // namespace pp::test
