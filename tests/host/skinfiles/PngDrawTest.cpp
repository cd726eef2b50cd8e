#include "skin/loading/PngDraw.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

using namespace pp;
using namespace pptest;

namespace {

TPNGGraphic Png(int width, int height, int colorType, const std::vector<std::uint8_t>& rows)
{
    TPngSpec spec;
    spec.Width = width;
    spec.Height = height;
    spec.ColorType = colorType;
    spec.BitDepth = 8;
    spec.Rows = rows;
    TMemoryStream stream(EncodePng(spec));
    TPNGGraphic png;
    png.LoadFromStream(stream);
    return png;
}

// The toolbox composites with weights out of 256, so an opaque pixel may
// land one step short of its own colour.
void ExpectNear(TBGRA actual, TBGRA expected, const char* what)
{
    EXPECT_NEAR(actual.B, expected.B, 1) << what;
    EXPECT_NEAR(actual.G, expected.G, 1) << what;
    EXPECT_NEAR(actual.R, expected.R, 1) << what;
    EXPECT_EQ(actual.A, expected.A) << what;
}

TBitmap Canvas(int width, int height, TBGRA fill)
{
    TBitmap b(width, height, TPixelFormat::pf32bit);
    b.Fill(fill);
    return b;
}

} // namespace

TEST(PngDraw, AlphaImagesAreCompositedOverTheCanvas)
{
    // Opaque red, half-transparent red, fully transparent.
    const TPNGGraphic png = Png(3, 1, 6, {255, 0, 0, 255, 255, 0, 0, 128, 255, 0, 0, 0});
    TBitmap canvas = Canvas(5, 2, {200, 200, 200, 255});
    DrawPngGraphic(png, canvas, TRect::FromBounds(1, 1, 3, 1));
    EXPECT_EQ(canvas.Pixel32(0, 1), (TBGRA{200, 200, 200, 255})) << "outside the rectangle";
    ExpectNear(canvas.Pixel32(1, 1), {0, 0, 255, 255}, "opaque red");
    const TBGRA half = canvas.Pixel32(2, 1);
    EXPECT_NEAR(half.R, 227, 1);
    EXPECT_NEAR(half.B, 100, 1);
    EXPECT_EQ(canvas.Pixel32(3, 1), (TBGRA{200, 200, 200, 255}));
    EXPECT_EQ(canvas.Pixel32(2, 0), (TBGRA{200, 200, 200, 255}));
}

TEST(PngDraw, OpaqueImagesAreCopiedAndClippedToTheCanvas)
{
    const TPNGGraphic png = Png(2, 2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    TBitmap canvas = Canvas(2, 2, {0, 0, 0, 0});
    DrawPngGraphic(png, canvas, TRect::FromBounds(-1, 1, 2, 2));
    EXPECT_EQ(canvas.Pixel32(0, 1), (TBGRA{6, 5, 4, 255}));
    EXPECT_EQ(canvas.Pixel32(0, 0), (TBGRA{0, 0, 0, 0}));
    DrawPngGraphic(png, canvas, TRect::FromBounds(5, 5, 2, 2)); // entirely outside: nothing happens
}

TEST(PngDraw, StretchingScalesColourAndAlphaAlike)
{
    const TPNGGraphic png = Png(2, 2, 6, {0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255, 0});
    TBitmap canvas = Canvas(8, 8, {0, 255, 0, 255});
    DrawPngGraphic(png, canvas, TRect::FromBounds(0, 0, 8, 8));
    ExpectNear(canvas.Pixel32(3, 0), {255, 0, 0, 255}, "the opaque top half shows blue");
    ExpectNear(canvas.Pixel32(3, 7), {0, 255, 0, 255}, "the transparent bottom half shows the canvas");

    const TPNGGraphic dot = Png(1, 1, 6, {255, 0, 0, 255});
    DrawPngGraphic(dot, canvas, TRect::FromBounds(0, 0, 3, 3));
    ExpectNear(canvas.Pixel32(2, 2), {0, 0, 255, 255}, "a one-pixel image fills the rectangle");
}
