// The contour passes every text painter draws: each side's colour lands one
// pixel beyond the glyphs on that side, under the text itself; a side of -1
// draws nothing; the hot or the normal look is read as asked.
#include "text/TextFixture.h"

#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/paint/TextOn32Win32.h"
#include "skin/paint/TextPasses.h"

#include <gtest/gtest.h>

#include <optional>

namespace pp::test {
namespace {

constexpr TColor Ink = MakeColor(0x20, 0x30, 0xA0);
constexpr TColor ContourInk = MakeColor(0xE0, 0x40, 0x10);
// Every colour of the look a painter must not read.
constexpr TColor Decoy = MakeColor(0x00, 0xFF, 0x00);

struct TSide {
    const char* Name;
    TsFontColorSlot Slot;
    int DX, DY;
};
constexpr TSide Sides[] = {
    {"left", fcLeft, -1, 0}, {"top", fcTop, 0, -1}, {"right", fcRight, 1, 0}, {"bottom", fcBottom, 0, 1}};

TsFontColors FontColors(const std::optional<TSide>& side)
{
    TsFontColors colors{Ink, NoContourColor, NoContourColor, NoContourColor, NoContourColor};
    if (side)
        colors[side->Slot] = ContourInk;
    return colors;
}

// The section with `side`'s contour in the look asked for, and a decoy in
// the other look.
TsLoadedSkin ContourSkin(bool hot, const std::optional<TSide>& side)
{
    const TLook wanted{0, FontColors(side)};
    const TLook decoy{0, {Decoy, Decoy, Decoy, Decoy, Decoy}};
    return SkinWith(hot ? LabelSection(decoy, wanted) : LabelSection(wanted, decoy));
}

using TPainter = TBitmap (*)(const TsLoadedSkin& skin, bool hot);

TBitmap SectionText(const TsLoadedSkin& skin, bool hot)
{
    return PaintedOnBlank(
        [&](TCanvas& c) { DrawSectionText(c, SampleText, true, &skin, hot, 0, TextFormat, TextRect); });
}

TBitmap ItemText(const TsLoadedSkin& skin, bool hot)
{
    const TItemTextSource source{&skin, 0};
    return PaintedOnBlank(
        [&](TCanvas& c) { DrawItemText(c, SampleText, true, hot, source, TextFormat, TextRect); });
}

TBitmap TextOn32(const TsLoadedSkin& skin, bool hot)
{
    TBitmap bitmap = BlankBitmap();
    TFont font;
    UseTestFont(font);
    DrawTextOn32(bitmap, font, SampleText, true, &skin, hot, 0, TextFormat, TextRect);
    return bitmap;
}

constexpr struct {
    const char* Name;
    TPainter Paint;
} Painters[] = {{"DrawSectionText", SectionText}, {"DrawItemText", ItemText}, {"DrawTextOn32", TextOn32}};

int ExpectDrawnWithContour(const TBitmap& drawing, const std::optional<TSide>& side, const std::string& what)
{
    return ExpectDrawnAsPlainText(
        drawing, Ink, side ? std::optional(TShiftedInk{side->DX, side->DY, ContourInk}) : std::nullopt, what);
}

TEST(TextContours, EachSideLandsOnePixelBeyondTheGlyphsUnderTheText)
{
    for (const auto& painter : Painters)
        for (const bool hot : {false, true})
            for (const TSide& side : Sides) {
                const std::string what = std::string(painter.Name) + (hot ? " hot, " : " normal, ") +
                                         side.Name;
                const int contourPixels = ExpectDrawnWithContour(painter.Paint(ContourSkin(hot, side), hot),
                                                                 side, what);
                // "HOW" in a bold 16-pixel font has far more edge pixels.
                EXPECT_GT(contourPixels, 20) << what;
            }
}

TEST(TextContours, SidesOfMinusOneDrawNothing)
{
    for (const auto& painter : Painters)
        for (const bool hot : {false, true})
            ExpectDrawnWithContour(painter.Paint(ContourSkin(hot, std::nullopt), hot), std::nullopt,
                                   std::string(painter.Name) + (hot ? " hot" : " normal"));
}

TEST(TextContours, DrawTextOn32DrawsThemOnlyWhenAsked)
{
    const TSide left = Sides[0];
    const TsLoadedSkin skin = ContourSkin(false, left);
    TBitmap bitmap = BlankBitmap();
    TFont font;
    UseTestFont(font);
    DrawTextOn32(bitmap, font, SampleText, false, &skin, false, 0, TextFormat, TextRect);
    ExpectDrawnWithContour(bitmap, std::nullopt, "DrawTextOn32 without contours");
}

} // namespace
} // namespace pp::test
