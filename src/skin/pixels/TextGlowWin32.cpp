#include "skin/pixels/TextGlowWin32.h"

#include "skin/pixels/TextGlow.h"
#include "win/Handles.h"

#include <algorithm>

namespace pp {
namespace {

// Draws the text black on white into a 32-bit DIB of the mask's size and
// keeps the darker of mask and drawing, as black text with a transparent
// background would leave it.
void DrawTextIntoMask(TBitmap& mask, const TRect& at, const std::wstring& text, UINT format, HFONT font)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = mask.Width();
    info.bmiHeader.biHeight = -mask.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    const TBitmapHandle dib(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !dib || bits == nullptr)
        return;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = std::size_t(mask.Width()) * mask.Height();
    std::fill(pixels, pixels + count, 0x00FFFFFFu);
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
        const std::uint32_t* drawn = pixels + std::size_t(y) * mask.Width();
        for (int x = 0; x < mask.Width(); ++x)
            row[x] = std::min<std::uint8_t>(row[x], std::uint8_t(drawn[x] >> 8));
    }
}

} // namespace

void DrawTextGlow(TBitmap& target, const std::wstring& text, const TRect& textRect, TBitmap& holder,
                  TColor color, int size, int sides, UINT format, HFONT font)
{
    PrepareGlowMask(holder, textRect, size, sides, [&](TBitmap& mask, const TRect& at) {
        DrawTextIntoMask(mask, at, text, format, font);
    });
    const TRect g = GlowMaskRect(textRect, size);
    ApplyGlowMask(target, holder, {g.Left, g.Top}, color);
}

} // namespace pp
