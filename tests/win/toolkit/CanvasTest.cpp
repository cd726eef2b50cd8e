// Drawing through the canvas on bitmaps whose pixels live in DIB sections.
#include "toolkit/Canvas.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(CanvasTest, BitmapsHandOutAPlatformBitmapInEveryFormat)
{
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit,
                                TPixelFormat::pfMask8, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap bitmap(7, 3, format);
        ASSERT_NE(bitmap.NativeHandle(), nullptr) << static_cast<int>(format);
        DIBSECTION dib{};
        ASSERT_TRUE(GetObjectW(static_cast<HBITMAP>(bitmap.NativeHandle()), sizeof(dib), &dib));
        EXPECT_EQ(dib.dsBm.bmBits, bitmap.ScanLine(0)) << "the bitmap's rows are the section's";
    }
}

TEST(CanvasTest, TheFirstRowIsTheTopRowOnScreen)
{
    TBitmap bitmap(2, 2, TPixelFormat::pf32bit);
    bitmap.Fill(PixelFromColor(clWhite));
    bitmap.Pixel32(0, 0) = PixelFromColor(clRed);
    TBitmapCanvas canvas(bitmap);
    EXPECT_EQ(GetPixel(canvas.Handle(), 0, 0) & 0xFFFFFF, ColorRef(clRed));
    EXPECT_EQ(GetPixel(canvas.Handle(), 0, 1) & 0xFFFFFF, ColorRef(clWhite));
}

TEST(CanvasTest, FillRectAndTextLandInTheBitmapsPixels)
{
    TBitmap bitmap(40, 20, TPixelFormat::pf32bit);
    {
        TBitmapCanvas canvas(bitmap);
        canvas.Brush.SetColor(clWhite);
        canvas.FillRect(bitmap.Bounds());
        canvas.Brush.SetColor(clRed);
        canvas.FillRect({0, 0, 5, 5});
        canvas.Brush.SetStyle(TBrushStyle::bsClear);
        canvas.Font.SetColor(clBlack);
        canvas.TextOut(10, 2, "Wg");
        EXPECT_GT(canvas.TextWidth("Wg"), 0);
    }
    EXPECT_EQ(ColorFromPixel(bitmap.Pixel32(2, 2)), clRed);
    EXPECT_EQ(ColorFromPixel(bitmap.Pixel32(6, 6)), clWhite);
    int dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 40; ++x)
            dark += ColorFromPixel(bitmap.Pixel32(x, y)) != clWhite;
    EXPECT_GT(dark, 0) << "no text was drawn";
}

TEST(CanvasTest, SystemColoursAreResolvedByThePlatform)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
}

TEST(CanvasTest, TransparentDrawLeavesTheKeyColourOut)
{
    TBitmap source(4, 4, TPixelFormat::pf24bit);
    source.Fill(PixelFromColor(clKeyColor));
    source.ScanLine(1)[3] = 0; // pixel (1, 1): blue 0, green 0, red 0
    source.ScanLine(1)[4] = 0;
    source.ScanLine(1)[5] = 0;
    source.Transparent = true;
    source.TransparentColor = clKeyColor;
    TBitmap target(4, 4, TPixelFormat::pf32bit);
    target.Fill(PixelFromColor(clWhite));
    {
        TBitmapCanvas canvas(target);
        canvas.Draw(0, 0, source);
    }
    EXPECT_EQ(ColorFromPixel(target.Pixel32(1, 1)), clBlack);
    EXPECT_EQ(ColorFromPixel(target.Pixel32(0, 0)), clWhite);
    EXPECT_EQ(ColorFromPixel(target.Pixel32(3, 3)), clWhite);
}

TEST(CanvasTest, PaletteBitmapsDrawThroughTheirPalette)
{
    TBitmap source(2, 1, TPixelFormat::pf8bit);
    source.Palette = {clRed, MakeColor(0, 0, 255)};
    source.ScanLine(0)[0] = 0;
    source.ScanLine(0)[1] = 1;
    TBitmap target(2, 1, TPixelFormat::pf32bit);
    {
        TBitmapCanvas canvas(target);
        canvas.Draw(0, 0, source);
    }
    EXPECT_EQ(ColorFromPixel(target.Pixel32(0, 0)), clRed);
    EXPECT_EQ(ColorFromPixel(target.Pixel32(1, 0)), MakeColor(0, 0, 255));
}

} // namespace
} // namespace pp::test
