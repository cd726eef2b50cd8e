// The paint toolbox's platform side, and our triangle gradient measured
// against the platform's own GradientFill.
#include "skin/pixels/Fills.h"
#include "skin/pixels/GdiFillsWin32.h"
#include "skin/pixels/Gradient.h"
#include "skin/pixels/KeyRegionWin32.h"
#include "skin/pixels/PlatformPaintApiWin32.h"
#include "skin/pixels/TextGlowWin32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <type_traits>

namespace pp {
namespace {

// A 32-bit top-down DIB selected into its own memory context.
class TDibCanvas {
public:
    TDibCanvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, dib_);
    }
    ~TDibCanvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    TDibCanvas(const TDibCanvas&) = delete;
    TDibCanvas& operator=(const TDibCanvas&) = delete;

    HDC DC() const { return dc_; }
    TBGRA Pixel(int x, int y) const
    {
        GdiFlush();
        return bits_[std::size_t(y) * width_ + x];
    }
    void Clear(TBGRA value) { std::fill(bits_, bits_ + std::size_t(width_) * height_, value); }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ old_ = nullptr;
    TBGRA* bits_ = nullptr;
};

TRIVERTEX Vertex(int x, int y, TColor c)
{
    return TRIVERTEX{x, y, COLOR16(RedOf(c) << 8), COLOR16(GreenOf(c) << 8), COLOR16(BlueOf(c) << 8), 0xFF00};
}

TEST(TriangleGradient, MatchesThePlatformGradientFillWithinOnePerChannel)
{
    const auto gradientFill = PlatformPaintApi().GradientFill;
    ASSERT_NE(gradientFill, nullptr);
    EXPECT_TRUE(PlatformPaintApi().HasLayeredWindows());

    std::mt19937 rng(2024);
    const TSize sizes[] = {{100, 100}, {400, 30}, {37, 23}, {64, 25}};
    for (const TSize size : sizes) {
        TsGradArray g(5);
        for (TsGradSegment& s : g)
            s.ColorFrom = rng() & 0xFFFFFF;
        g[0].Mode = gmTriangles;
        TBitmap ours(size.Width, size.Height);
        DrawGradientFill(ours, ours.Bounds(), g);

        const int w = size.Width, h = size.Height;
        TRIVERTEX v[5] = {Vertex(0, 0, g[0].ColorFrom), Vertex(w / 2, h / 2, g[1].ColorFrom),
                          Vertex(w, 0, g[2].ColorFrom), Vertex(w, h, g[3].ColorFrom),
                          Vertex(0, h, g[4].ColorFrom)};
        GRADIENT_TRIANGLE mesh[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
        TDibCanvas platform(w, h);
        platform.Clear(TBGRA{1, 2, 3, 0});
        ASSERT_TRUE(gradientFill(platform.DC(), v, 5, mesh, 4, GRADIENT_FILL_TRIANGLE));

        int worst = 0, compared = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const TBGRA a = ours.Pixel32(x, y), b = platform.Pixel(x, y);
                ASSERT_EQ(a.A, 0xFF) << x << "," << y;
                if (b == TBGRA{1, 2, 3, 0})
                    continue; // the platform leaves its right and bottom edges unpainted
                ++compared;
                worst = std::max({worst, std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
                ASSERT_LE(worst, 1) << size.Width << "x" << size.Height << " at " << x << "," << y;
            }
        EXPECT_GE(compared, (w - 1) * (h - 1)) << size.Width << "x" << size.Height;
    }
}

TEST(GdiFills, FillTheRectangleAndTheFrameStripsAndRestoreTheContext)
{
    TDibCanvas canvas(8, 6);
    canvas.Clear(TBGRA{});
    const HGDIOBJ brushBefore = GetCurrentObject(canvas.DC(), OBJ_BRUSH);
    FillRectGdi(canvas.DC(), {1, 1, 3, 2}, 0x0000FF);
    EXPECT_EQ(canvas.Pixel(1, 1).R, 0xFF);
    EXPECT_EQ(canvas.Pixel(3, 1).R, 0);
    EXPECT_EQ(GetCurrentObject(canvas.DC(), OBJ_BRUSH), brushBefore);

    canvas.Clear(TBGRA{});
    FillFrameGdi(canvas.DC(), {0, 0, 8, 6}, 0x00FF00, 1, 2, 3, 1);
    TBitmap expected(8, 6);
    FillFrame32(expected, expected.Bounds(), 1, 0x00FF00, 1, 3, 2);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(canvas.Pixel(x, y).G, expected.Pixel32(x, y).G) << x << "," << y;
}

TEST(RegionWithoutKeyColor, CutsOutTransparentKeyPixels)
{
    TBitmap b(6, 4);
    b.Fill(TBGRA{1, 1, 1, 255});
    b.Pixel32(0, 0) = TBGRA{0xFF, 0, 0xFF, 0};
    b.Pixel32(1, 0) = TBGRA{0xFF, 0, 0xFF, 0};
    b.Pixel32(5, 3) = TBGRA{0xFF, 0, 0xFF, 0};
    b.Pixel32(3, 2) = TBGRA{0xFF, 0, 0xFF, 255}; // opaque magenta is not cut
    const TRegionHandle region = RegionWithoutKeyColor(b, clKeyColor);
    ASSERT_TRUE(region);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 1, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 5, 3));
    EXPECT_TRUE(PtInRegion(region.Get(), 2, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 3, 2));

    TBitmap plain(5, 3);
    const TRegionHandle full = RegionWithoutKeyColor(plain, clKeyColor);
    RECT box{};
    EXPECT_EQ(GetRgnBox(full.Get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 5);
    EXPECT_EQ(box.bottom, 3);
}

TEST(DrawTextGlow, GlowsAroundTheTextInsideTheMaskOnly)
{
    TBitmap target(120, 50);
    target.Fill(TBGRA{255, 255, 255, 0});
    TBitmap holder;
    const TRect textRect{30, 15, 90, 32};
    DrawTextGlow(target, L"Порт 888", textRect, holder, 0x0000FF, 3, 15, DT_LEFT | DT_SINGLELINE, nullptr);
    const TRect maskArea = textRect.Offset(1, 1).Inflate(7, 7);
    int glowing = 0;
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x) {
            const TBGRA p = target.Pixel32(x, y);
            const bool changed = !(p == TBGRA{255, 255, 255, 0});
            if (!maskArea.Contains({x, y})) {
                ASSERT_FALSE(changed) << x << "," << y;
            }
            if (changed) {
                ++glowing;
                EXPECT_EQ(p.R, 255); // pulled toward red: only green and blue drop
            }
        }
    EXPECT_GT(glowing, 50);
    EXPECT_EQ(holder.Size(), (TSize{maskArea.Width(), maskArea.Height()}));
}

// A font that asks for smoothing; the glow mask must not take it.
struct TFontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using TFontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, TFontDeleter>;

TEST(DrawGlowMaskText, DrawsPlainBlackTextEvenWithASmoothingFont)
{
    for (const BYTE quality : {BYTE(ANTIALIASED_QUALITY), BYTE(CLEARTYPE_QUALITY)}) {
        const TFontHandle font(CreateFontW(-22, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH,
                                           L"Tahoma"));
        ASSERT_TRUE(font);
        TBitmap mask(140, 40, TPixelFormat::pfMask8);
        mask.Fill(TBGRA{0, 0, 0, 0xFF});
        DrawGlowMaskText(mask, {4, 4, 136, 36}, L"Порт 888 Wg/", DT_LEFT | DT_SINGLELINE, font.get());
        int black = 0;
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x) {
                const int m = mask.ScanLine(y)[x];
                ASSERT_TRUE(m == 0 || m == 255)
                    << "quality " << int(quality) << " at " << x << "," << y << ": " << m;
                black += m == 0;
            }
        EXPECT_GT(black, 100) << "quality " << int(quality);
    }
}

} // namespace
} // namespace pp
