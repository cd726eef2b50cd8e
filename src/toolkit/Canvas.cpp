#include "toolkit/Canvas.h"

#include "win/Text.h"

#include <vector>

namespace pp {

namespace {
RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// Selects a canvas's font, brush and pen for one drawing call. Nothing stays
// selected afterwards, so a font or brush may be changed (and its old handle
// freed) between calls.
class TDrawingScope {
public:
    TDrawingScope(HDC dc, const TFont& font, const TBrush& brush, const TPen& pen)
        : font_(dc, font.Handle()), brush_(dc, brush.Handle()), pen_(dc, pen.Handle())
    {
        SetTextColor(dc, ColorRef(font.Color()));
        if (brush.Style() == TBrushStyle::bsClear) {
            SetBkMode(dc, TRANSPARENT);
        } else {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, ColorRef(brush.Color()));
        }
    }

private:
    TSelectObject font_;
    TSelectObject brush_;
    TSelectObject pen_;
};
} // namespace

TCanvas::TCanvas() = default;

TCanvas::TCanvas(HDC dc) : dc_(dc) { }

TCanvas::~TCanvas() = default;

void TCanvas::SetHandle(HDC dc) { dc_ = dc; }

HDC TCanvas::RequireHandle()
{
    if (!dc_)
        CreateHandle();
    return dc_;
}

void TCanvas::FillRect(const TRect& rect)
{
    HDC dc = RequireHandle();
    if (!dc || Brush.Style() == TBrushStyle::bsClear)
        return;
    const RECT r = ToRECT(rect);
    ::FillRect(dc, &r, Brush.Handle());
}

void TCanvas::FrameRect(const TRect& rect)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    const RECT r = ToRECT(rect);
    ::FrameRect(dc, &r, Brush.Handle());
}

void TCanvas::Rectangle(const TRect& rect)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    TDrawingScope scope(dc, Font, Brush, Pen);
    ::Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Ellipse(const TRect& rect)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    TDrawingScope scope(dc, Font, Brush, Pen);
    ::Ellipse(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Pie(const TRect& box, TPoint start, TPoint end)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    TDrawingScope scope(dc, Font, Brush, Pen);
    ::Pie(dc, box.Left, box.Top, box.Right, box.Bottom, start.X, start.Y, end.X, end.Y);
}

void TCanvas::MoveTo(int x, int y)
{
    if (HDC dc = RequireHandle())
        MoveToEx(dc, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    TDrawingScope scope(dc, Font, Brush, Pen);
    ::LineTo(dc, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    TDrawingScope scope(dc, Font, Brush, Pen);
    const std::wstring w = WideFromUtf8(text);
    ExtTextOutW(dc, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    HDC dc = RequireHandle();
    if (!dc)
        return;
    TDrawingScope scope(dc, Font, Brush, Pen);
    const std::wstring w = WideFromUtf8(text);
    const RECT r = ToRECT(rect);
    const UINT options = ETO_CLIPPED | (Brush.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutW(dc, x, y, options, &r, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned flags)
{
    HDC dc = RequireHandle();
    if (!dc)
        return 0;
    TDrawingScope scope(dc, Font, Brush, Pen);
    std::wstring w = WideFromUtf8(text);
    RECT r = ToRECT(rect);
    const int height = ::DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, flags);
    rect = {r.left, r.top, r.right, r.bottom};
    return height;
}

TSize TCanvas::TextExtent(const std::string& text)
{
    HDC dc = RequireHandle();
    if (!dc)
        return {};
    TSelectObject font(dc, Font.Handle());
    const std::wstring w = WideFromUtf8(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    return {size.cx, size.cy};
}

namespace {
// Copies a bitmap into a context, honouring its transparency.
void BlitBitmap(HDC dest, const TRect& to, const TBitmap& bitmap)
{
    HBITMAP source = static_cast<HBITMAP>(bitmap.NativeHandle());
    if (!source || bitmap.Empty())
        return;
    TMemoryDCHandle memory(CreateCompatibleDC(dest));
    TSelectObject selected(memory.Get(), source);
    if (HasPalette(bitmap.Format()) && !bitmap.Palette.empty()) {
        std::vector<RGBQUAD> table;
        for (TColor c : bitmap.Palette)
            table.push_back({BlueOf(c), GreenOf(c), RedOf(c), 0});
        SetDIBColorTable(memory.Get(), 0, static_cast<UINT>(table.size()), table.data());
    }
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.Transparent) {
        const TColor key = bitmap.TransparentColor == clNone ? bitmap.PixelColor(0, h - 1)
                                                             : bitmap.TransparentColor;
        TransparentBlt(dest, to.Left, to.Top, to.Width(), to.Height(), memory.Get(), 0, 0, w, h,
                       ColorRef(key));
    } else if (to.Width() == w && to.Height() == h) {
        BitBlt(dest, to.Left, to.Top, w, h, memory.Get(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dest, COLORONCOLOR);
        StretchBlt(dest, to.Left, to.Top, to.Width(), to.Height(), memory.Get(), 0, 0, w, h, SRCCOPY);
    }
}
} // namespace

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (HDC dc = RequireHandle())
        BlitBitmap(dc, TRect::FromBounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap)
{
    if (HDC dc = RequireHandle())
        BlitBitmap(dc, rect, bitmap);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    HDC dc = RequireHandle();
    if (!dc || !source.Handle())
        return;
    StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), source.Handle(), sourceRect.Left,
               sourceRect.Top, sourceRect.Width(), sourceRect.Height(), SRCCOPY);
}

TBitmapCanvas::TBitmapCanvas(TBitmap& bitmap)
    : memoryDC_(CreateCompatibleDC(nullptr)),
      selectedBitmap_(memoryDC_.Get(), static_cast<HGDIOBJ>(bitmap.NativeHandle()))
{
    SetHandle(memoryDC_.Get());
}

TBitmapCanvas::~TBitmapCanvas() { SetHandle(nullptr); }

TWindowCanvas::TWindowCanvas(HWND window) : windowDC_(window) { SetHandle(windowDC_.Get()); }

TWindowCanvas::~TWindowCanvas() { SetHandle(nullptr); }

} // namespace pp
