#include "PaintTestSupport.h"

#include "skin/pixels/Blur.h"
#include "skin/pixels/TextGlow.h"

#include <gtest/gtest.h>

#include <numeric>

namespace pp {
namespace {

using test::At;

TBitmap Mask(int w, int h, std::uint8_t value)
{
    TBitmap m(w, h, TPixelFormat::pfMask8);
    m.Fill(TBGRA{0, 0, 0, value});
    return m;
}

TEST(GaussianKernel, IsNormalisedAndTrimmed)
{
    for (const double radius : {0.5, 1.0, 3.0, 10.0, 40.0}) {
        const TGaussianKernel k = MakeGaussianKernel(radius);
        double sum = 0;
        for (int o = -k.HalfWidth; o <= k.HalfWidth; ++o)
            sum += k.Weight(o);
        EXPECT_NEAR(sum, 1.0, 1e-5) << radius;
        EXPECT_GE(k.HalfWidth, 1);
        EXPECT_LE(k.HalfWidth, int(radius * 4) + 2) << radius;
        EXPECT_FLOAT_EQ(k.Weight(1), k.Weight(-1));
    }
    EXPECT_EQ(MakeGaussianKernel(0).HalfWidth, 0);
    EXPECT_EQ(MakeGaussianKernel(-3).HalfWidth, 0);
}

TEST(GaussianKernel, TrimsToTheHalfWidthsOfTheTails)
{
    // The tails are cut while what they hold together stays under 1/510.
    const struct {
        double Radius;
        int HalfWidth;
    } cases[] = {{1, 2}, {2, 5}, {3, 8}, {5, 14}, {10, 30}};
    for (const auto& c : cases)
        EXPECT_EQ(MakeGaussianKernel(c.Radius).HalfWidth, c.HalfWidth) << c.Radius;
    // Radius 1: exp(0), exp(-1/2), exp(-2) over their sum 2.48373.
    const TGaussianKernel k = MakeGaussianKernel(1.0);
    EXPECT_NEAR(k.Weight(0), 0.402620, 1e-6);
    EXPECT_NEAR(k.Weight(1), 0.244201, 1e-6);
    EXPECT_NEAR(k.Weight(2), 0.054489, 1e-6);
}

TEST(BlurCoverageMask, BlursADotByHand)
{
    // Radius 1, weights w0 0.40262, w1 0.24420, w2 0.05449. Rows first: the
    // dot's row becomes 255(1 - w) = 241, 192, 152, 192, 241; then columns:
    // centre 255 - 103 w0 = 213.53, beside it 255 - 103 w1 = 229.85 and
    // 255 - 63 w0 = 229.64, diagonal 255 - 63 w1 = 239.62, two away
    // 255 - 103 w2 = 249.39, corner 255 - 14 w2 = 254.24; all truncated.
    TBitmap m = Mask(9, 9, 255);
    m.ScanLine(4)[4] = 0;
    BlurCoverageMask(m, 1.0);
    const struct {
        int X, Y, Value;
    } bytes[] = {{4, 4, 213}, {4, 3, 229}, {3, 4, 229}, {5, 4, 229}, {4, 5, 229}, {3, 3, 239},
                 {4, 2, 249}, {2, 4, 249}, {2, 2, 254}, {4, 1, 255}, {1, 4, 255}};
    for (const auto& b : bytes)
        EXPECT_EQ(m.ScanLine(b.Y)[b.X], b.Value) << b.X << "," << b.Y;

    // An edge column of black repeats outward: 255(w1 + w2) = 76.17,
    // 255(w0 + w1 + w2) = 178.83, 255(1 - w2) = 241.1; columns stay as they are.
    TBitmap edge = Mask(6, 2, 255);
    edge.ScanLine(0)[0] = edge.ScanLine(1)[0] = 0;
    BlurCoverageMask(edge, 1.0);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(edge.ScanLine(y)[0], 76) << y;
        EXPECT_EQ(edge.ScanLine(y)[1], 178) << y;
        EXPECT_EQ(edge.ScanLine(y)[2], 241) << y;
        EXPECT_EQ(edge.ScanLine(y)[3], 255) << y;
    }
}

TEST(BlurCoverageMask, LeavesAllWhiteWhite)
{
    for (const double radius : {1.0, 2.0, 3.5, 7.0, 20.0}) {
        TBitmap m = Mask(9, 5, 255);
        BlurCoverageMask(m, radius);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x)
                ASSERT_EQ(m.ScanLine(y)[x], 255) << radius << " at " << x << "," << y;
    }
}

TEST(BlurCoverageMask, SpreadsADotSymmetricallyAndRepeatsEdges)
{
    TBitmap m = Mask(9, 9, 255);
    m.ScanLine(4)[4] = 0;
    BlurCoverageMask(m, 1.0);
    const auto v = [&](int x, int y) { return m.ScanLine(y)[x]; };
    EXPECT_LT(v(4, 4), 255);
    EXPECT_LT(v(4, 4), v(5, 4));
    EXPECT_EQ(v(3, 4), v(5, 4));
    EXPECT_EQ(v(4, 3), v(4, 5));
    EXPECT_EQ(v(0, 0), 255);

    // A black edge column stays black: the edge pixel repeats outward.
    TBitmap edge = Mask(6, 2, 255);
    edge.ScanLine(0)[0] = edge.ScanLine(1)[0] = 0;
    BlurCoverageMask(edge, 1.0);
    EXPECT_LT(edge.ScanLine(0)[0], edge.ScanLine(0)[1]);
    EXPECT_LT(edge.ScanLine(0)[0], 128);
}

TEST(BlurCoverageMask, IgnoresBitmapsThatAreNotMasks)
{
    TBitmap b = test::Bitmap32(3, 1, {0, 0xFFFFFFFF, 0});
    BlurCoverageMask(b, 2.0);
    EXPECT_EQ(At(b, 1, 0), 0xFFFFFFFFu);
    TBitmap empty(0, 0, TPixelFormat::pfMask8);
    BlurCoverageMask(empty, 2.0);
}

TEST(TextGlow, MaskLiesSizePlusFourAroundTheMovedText)
{
    EXPECT_EQ(GlowMaskRect({10, 20, 50, 30}, 3), (TRect{4, 14, 58, 38}));
}

TEST(TextGlow, DrawsTheTextOncePerSideAndReusesAMaskOfTheRightSize)
{
    std::vector<TRect> drawn;
    const TGlowTextPainter painter = [&](TBitmap& mask, const TRect& at) {
        drawn.push_back(at);
        mask.ScanLine(at.Top)[at.Left] = 0;
    };
    TBitmap holder;
    PrepareGlowMask(holder, {0, 0, 10, 4}, 2, glowLeft | glowBottom, painter);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], (TRect{5, 6, 15, 10}));
    EXPECT_EQ(drawn[1], (TRect{6, 7, 16, 11}));
    EXPECT_EQ(drawn[2], (TRect{6, 6, 16, 10}));
    EXPECT_EQ(holder.Size(), (TSize{22, 16}));
    EXPECT_LT(holder.ScanLine(6)[6], 255); // blurred, still darker at the text

    PrepareGlowMask(holder, {30, 30, 40, 34}, 2, 15, painter);
    EXPECT_EQ(drawn.size(), 3u);
}

TEST(TextGlow, PullsPixelsTowardTheGlowColourAndSkipsThoseOutside)
{
    TBitmap mask = Mask(3, 1, 255);
    mask.ScanLine(0)[0] = 0;
    mask.ScanLine(0)[1] = 128;
    TBitmap target = test::Filled32(2, 1, 0x00FFFFFF);
    ApplyGlowMask(target, mask, {-1, 0}, 0x000000);
    // Mask byte 128: 0 + 255 * 128 div 255 = 128; alpha 127 * 255 div 255.
    EXPECT_EQ(At(target, 0, 0), 0x7F808080u);
    EXPECT_EQ(At(target, 1, 0), 0x00FFFFFFu);

    TBitmap full = test::Filled32(1, 1, 0x40FFFFFF);
    TBitmap black = Mask(1, 1, 0);
    ApplyGlowMask(full, black, {0, 0}, 0x0000FF);
    EXPECT_EQ(At(full, 0, 0), 0xFFFF0000u);
}

} // namespace
} // namespace pp
