// Our nearest-pixel stretch against the platform's StretchBlt in
// colour-on-colour mode: the same pixels, for growing and shrinking in
// either direction and for source rectangles inside larger images.
#include "skin/paint/NearestStretch.h"
#include "toolkit/Canvas.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <random>

namespace pp {
namespace {

TBitmap RandomPixels(int width, int height, std::mt19937& rng)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = rng();
            b.Pixel32(x, y) = TBGRA{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                    std::uint8_t(v >> 24)};
        }
    return b;
}

TBitmap PlatformStretch(const TBitmap& source, const TRect& sourceRect, TSize size)
{
    TBitmap copy = source;
    TBitmap dest(size.Width, size.Height);
    {
        TBitmapCanvas from(copy), to(dest);
        SetStretchBltMode(to.Handle(), COLORONCOLOR);
        StretchBlt(to.Handle(), 0, 0, size.Width, size.Height, from.Handle(), sourceRect.Left, sourceRect.Top,
                   sourceRect.Width(), sourceRect.Height(), SRCCOPY);
    }
    GdiFlush();
    return dest;
}

// Answers the first differing pixel, or none.
std::string Compare(const TBitmap& ours, const TBitmap& platform)
{
    for (int y = 0; y < ours.Height(); ++y)
        for (int x = 0; x < ours.Width(); ++x)
            if (!(ours.Pixel32(x, y) == platform.Pixel32(x, y)))
                return "first difference at " + std::to_string(x) + "," + std::to_string(y);
    return {};
}

void ExpectSameAsPlatform(const TBitmap& source, const TRect& sourceRect, TSize size)
{
    TBitmap ours(size.Width, size.Height);
    StretchNearest(ours, ours.Bounds(), source, sourceRect);
    EXPECT_EQ(Compare(ours, PlatformStretch(source, sourceRect, size)), "")
        << sourceRect.Width() << "x" << sourceRect.Height() << " -> " << size.Width << "x" << size.Height;
}

TEST(NearestStretchAgainstStretchBlt, EveryWidthAndHeightUpToFortyEight)
{
    std::mt19937 rng(7);
    for (int s = 1; s <= 24; ++s)
        for (int d = 1; d <= 48; ++d) {
            const TBitmap source = RandomPixels(s, 25 - s, rng);
            ExpectSameAsPlatform(source, source.Bounds(), {d, 49 - d});
        }
}

TEST(NearestStretchAgainstStretchBlt, SkinPiecesInsideLargerImages)
{
    std::mt19937 rng(11);
    const TBitmap image = RandomPixels(108, 52, rng);
    // Sides and centres of a 36 x 26 state image with 6-pixel borders on
    // button-sized and window-sized items.
    const struct {
        TRect Source;
        TSize Dest;
    } pieces[] = {
        {{42, 0, 66, 6}, {63, 6}},     {{36, 6, 42, 20}, {6, 13}},  {{42, 6, 66, 20}, {63, 13}},
        {{42, 6, 66, 20}, {381, 180}}, {{78, 20, 102, 26}, {5, 6}}, {{0, 0, 108, 52}, {17, 9}},
    };
    for (const auto& piece : pieces)
        ExpectSameAsPlatform(image, piece.Source, piece.Dest);
}

} // namespace
} // namespace pp
