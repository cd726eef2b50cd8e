#include "skin/pixels/TextGlowWin32.h"

#include "skin/pixels/TextGlow.h"
#include "win/Handles.h"

#include <algorithm>

namespace pp {
namespace {

// A top-down one-bit DIB: palette entry 0 black, 1 white. A one-bit surface
// holds no grey, and the platform draws no smoothed text into it, so the
// glow comes out of the text's own shape and not of the screen's smoothing
// settings.
struct TMonochromeInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[2];
};

TMonochromeInfo MonochromeInfo(int width, int height)
{
    TMonochromeInfo info{};
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = width;
    info.Header.biHeight = -height;
    info.Header.biPlanes = 1;
    info.Header.biBitCount = 1;
    info.Header.biCompression = BI_RGB;
    info.Colors[1] = RGBQUAD{0xFF, 0xFF, 0xFF, 0};
    return info;
}

// DIB rows are padded to whole 32-bit words.
std::size_t MonochromeStride(int width) { return (std::size_t(width) + 31) / 32 * 4; }

bool IsBlackBit(const std::uint8_t* row, int x) { return ((row[x >> 3] >> (7 - (x & 7))) & 1) == 0; }

} // namespace

// Draws the text black on white into a one-bit DIB of the mask's size and
// keeps the darker of mask and drawing, as black text with a transparent
// background would leave it.
void DrawGlowMaskText(TBitmap& mask, const TRect& at, const std::wstring& text, UINT format, HFONT font)
{
    if (mask.Format() != TPixelFormat::pfMask8 || mask.Empty())
        return;
    TMonochromeInfo info = MonochromeInfo(mask.Width(), mask.Height());
    void* bits = nullptr;
    const TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    const TBitmapHandle dib(
        CreateDIBSection(dc.Get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !dib || bits == nullptr)
        return;
    const std::size_t stride = MonochromeStride(mask.Width());
    auto* pixels = static_cast<std::uint8_t*>(bits);
    std::fill(pixels, pixels + stride * std::size_t(mask.Height()), std::uint8_t(0xFF));
    {
        const TSelectObject bitmap(dc.Get(), dib.Get());
        const TSelectObject selectedFont(dc.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc.Get(), RGB(0, 0, 0));
        SetBkMode(dc.Get(), TRANSPARENT);
        RECT rc{at.Left, at.Top, at.Right, at.Bottom};
        DrawTextW(dc.Get(), text.c_str(), int(text.size()), &rc, format);
        GdiFlush();
    }
    for (int y = 0; y < mask.Height(); ++y) {
        std::uint8_t* row = mask.ScanLine(y);
        const std::uint8_t* drawn = pixels + std::size_t(y) * stride;
        for (int x = 0; x < mask.Width(); ++x)
            if (IsBlackBit(drawn, x))
                row[x] = 0;
    }
}

void DrawTextGlow(TBitmap& target, const std::wstring& text, const TRect& textRect, TBitmap& holder,
                  TColor color, int size, int sides, UINT format, HFONT font)
{
    PrepareGlowMask(holder, textRect, size, sides,
                    [&](TBitmap& mask, const TRect& at) { DrawGlowMaskText(mask, at, text, format, font); });
    const TRect g = GlowMaskRect(textRect, size);
    ApplyGlowMask(target, holder, {g.Left, g.Top}, color);
}

} // namespace pp
