#include "skin/pixels/TextGlowWin32.h"

#include "skin/pixels/TextGlow.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace pp {
namespace {

struct TDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct TBitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using TMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, TDcDeleter>;
using TDibHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, TBitmapDeleter>;

// Selects an object into a context for the lifetime of this value.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~TSelection() { SelectObject(dc_, old_); }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

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
    const TMemoryDC dc(CreateCompatibleDC(nullptr));
    const TDibHandle dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !dib || bits == nullptr)
        return;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = std::size_t(mask.Width()) * mask.Height();
    std::fill(pixels, pixels + count, 0x00FFFFFFu);
    {
        TSelection bitmap(dc.get(), dib.get());
        TSelection selectedFont(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc.get(), RGB(0, 0, 0));
        SetBkMode(dc.get(), TRANSPARENT);
        RECT rc{at.Left, at.Top, at.Right, at.Bottom};
        DrawTextW(dc.get(), text.c_str(), int(text.size()), &rc, format);
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
