// DrawTextOn32 on a bitmap whose alpha matters: pixels the text lands on
// become opaque in the text's colours, every other pixel keeps its colour
// and alpha, also for rectangles reaching past the bitmap.
#include "text/TextFixture.h"

#include "skin/paint/TextOn32Win32.h"
#include "skin/paint/TextPasses.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pp::test {
namespace {

constexpr TColor Ink = MakeColor(0x20, 0x30, 0xA0);
constexpr std::uint8_t HalfAlpha = 0x80;

// Sum of all bytes of a 24-bit bitmap: 0 while it is untouched.
unsigned ByteSum(const TBitmap& b)
{
    unsigned sum = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int i = 0; i < b.Width() * 3; ++i)
            sum += b.ScanLine(y)[i];
    return sum;
}

TEST(TextOn32, TextPixelsBecomeOpaqueAndAllOthersKeepTheirAlpha)
{
    const TsLoadedSkin skin = SkinWith(
        LabelSection({0, {Ink, NoContourColor, NoContourColor, NoContourColor, NoContourColor}}, {}));
    struct TCase {
        const char* Name;
        const TsLoadedSkin* Skin;
        int SectionIndex;
        TColor FontColor;
        TColor Expected;
        TRect Rect;
    } cases[] = {
        {"section colour", &skin, 0, clBlack, Ink, TextRect},
        {"no skin: the font's colour", nullptr, 0, Ink, Ink, TextRect},
        {"invalid section: the font's colour", &skin, 5, MakeColor(9, 99, 199), MakeColor(9, 99, 199),
         TextRect},
        // Half the rectangle lies left of the bitmap: the text is laid out
        // in all of it and shows where it falls on the bitmap.
        {"rectangle reaching past the left edge", &skin, 0, clBlack, Ink, {-40, 6, 40, 34}},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap = BlankBitmap(HalfAlpha);
        TFont font;
        UseTestFont(font);
        font.SetColor(c.FontColor);
        DrawTextOn32(bitmap, font, SampleText, true, c.Skin, false, c.SectionIndex, TextFormat, c.Rect);
        ExpectDrawnAsPlainText(bitmap, c.Expected, std::nullopt, c.Name, c.Rect);
        const TBitmap plain = PlainDrawing(c.Expected, c.Rect);
        int wrongAlpha = 0;
        for (int y = 0; y < BitmapHeight; ++y)
            for (int x = 0; x < BitmapWidth; ++x) {
                const bool text = CoverageAt(plain, x, y, c.Expected) != TCoverage::None;
                wrongAlpha += bitmap.Pixel32(x, y).A != (text ? 0xFF : HalfAlpha);
            }
        EXPECT_EQ(wrongAlpha, 0) << c.Name;
    }
}

TEST(TextOn32, NothingIsDrawnForNoTextOtherFormatsOrRectanglesOffTheBitmap)
{
    const TBitmap blank = BlankBitmap(HalfAlpha);
    TFont font;
    UseTestFont(font);
    const auto unchanged = [&](const TBitmap& b) {
        return std::memcmp(b.ScanLine(0), blank.ScanLine(0), blank.Stride() * BitmapHeight) == 0;
    };

    TBitmap bitmap = BlankBitmap(HalfAlpha);
    DrawTextOn32(bitmap, font, "", true, nullptr, false, 0, TextFormat, TextRect);
    EXPECT_TRUE(unchanged(bitmap)) << "no text";
    DrawTextOn32(bitmap, font, SampleText, true, nullptr, false, 0, TextFormat, {200, 0, 300, 40});
    EXPECT_TRUE(unchanged(bitmap)) << "rectangle right of the bitmap";
    TBitmap noAlpha(BitmapWidth, BitmapHeight, TPixelFormat::pf24bit);
    DrawTextOn32(noAlpha, font, SampleText, true, nullptr, false, 0, TextFormat, TextRect);
    EXPECT_EQ(ByteSum(noAlpha), 0u) << "a bitmap without alpha";
    // A rectangle far larger than any bitmap costs no scratch of its size.
    EXPECT_NO_THROW(DrawTextOn32(bitmap, font, SampleText, true, nullptr, false, 0, TextFormat,
                                 {-1000000, -1000000, 1000000, 1000000}));
}

} // namespace
} // namespace pp::test
