#include "text/TextFixture.h"

#include <gtest/gtest.h>

namespace pp::test {

TBitmap BlankBitmap(std::uint8_t alpha)
{
    TBitmap bitmap(BitmapWidth, BitmapHeight);
    bitmap.Fill(PixelFromColor(Background, alpha));
    return bitmap;
}

void UseTestFont(TFont& font)
{
    font.SetName("Tahoma");
    font.SetHeight(-16);
    font.SetStyle(fsBold);
    font.SetColor(clBlack);
}

void PaintOn(TBitmap& bitmap, const std::function<void(TCanvas&)>& paint)
{
    {
        TBitmapCanvas canvas(bitmap);
        UseTestFont(canvas.Font);
        paint(canvas);
    }
    GdiFlush();
}

TBitmap PaintedOnBlank(const std::function<void(TCanvas&)>& paint)
{
    TBitmap bitmap = BlankBitmap();
    PaintOn(bitmap, paint);
    return bitmap;
}

TBitmap PlainDrawing(TColor color, const TRect& r)
{
    return PaintedOnBlank([&](TCanvas& canvas) {
        canvas.Font.SetColor(color);
        canvas.Brush.SetStyle(TBrushStyle::bsClear);
        TRect area = r;
        canvas.DrawText(SampleText, area, TextFormat);
    });
}

TColor ColorAt(const TBitmap& bitmap, int x, int y) { return ColorFromPixel(bitmap.Pixel32(x, y)); }

TCoverage CoverageAt(const TBitmap& plain, int x, int y, TColor color)
{
    if (!plain.Bounds().Contains({x, y}))
        return TCoverage::None;
    const TColor c = ColorAt(plain, x, y);
    return c == Background ? TCoverage::None : c == color ? TCoverage::Full : TCoverage::Part;
}

int ExpectDrawnAsPlainText(const TBitmap& drawing, TColor ink, const std::optional<TShiftedInk>& shifted,
                           const std::string& what, const TRect& r)
{
    const TBitmap plain = PlainDrawing(ink, r);
    int shiftedPixels = 0, fullPixels = 0, wrong = 0;
    std::string first;
    for (int y = 0; y < drawing.Height(); ++y)
        for (int x = 0; x < drawing.Width(); ++x) {
            const TCoverage here = CoverageAt(plain, x, y, ink);
            const TCoverage behind = shifted ? CoverageAt(plain, x - shifted->DX, y - shifted->DY, ink)
                                             : TCoverage::None;
            std::optional<TColor> expected;
            if (here == TCoverage::Full)
                expected = ink, ++fullPixels;
            else if (here == TCoverage::None && behind == TCoverage::Full)
                expected = shifted->Color, ++shiftedPixels;
            else if (here == TCoverage::None && behind == TCoverage::None)
                expected = Background;
            if (expected && ColorAt(drawing, x, y) != *expected && wrong++ == 0)
                first = "first at " + std::to_string(x) + "," + std::to_string(y);
        }
    // Glyph strokes of whole pixels, so the comparison has something to judge.
    EXPECT_GT(fullPixels, 40) << what;
    EXPECT_EQ(wrong, 0) << what << ": pixels unlike the plain text, " << first;
    return shiftedPixels;
}

TsGeneralData LabelSection(const TLook& normal, const TLook& hot)
{
    TsGeneralData section;
    section.SectionName = "LABEL";
    const TLook* looks[] = {&normal, &hot};
    for (int i = 0; i < 2; ++i) {
        TsGenState& block = section.Props[static_cast<std::size_t>(i)];
        block.Color = looks[i]->Color;
        block.FontColor = looks[i]->FontColor;
        block.GlowColor = looks[i]->GlowColor;
        block.GlowSize = static_cast<std::uint8_t>(looks[i]->GlowSize);
    }
    section.RawProps = section.Props;
    return section;
}

TsLoadedSkin SkinWith(const TsGeneralData& section, TColor globalColor)
{
    TsLoadedSkin skin;
    skin.SetSections({section});
    skin.Colors[scGlobalColor] = globalColor;
    return skin;
}

} // namespace pp::test
