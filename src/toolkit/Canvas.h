#pragma once
// The canvas: drawing with a font, a brush and a pen on a bitmap or a window.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "toolkit/GraphicsObjects.h"
#include "win/Handles.h"

#include <string>

namespace pp {

// Drawing on a device context with a font, a brush and a pen. The canvas
// selects its objects only for the length of one drawing call, so the
// context's own objects are in place whenever it is not drawing.
class TCanvas : public TPersistent {
public:
    TCanvas();
    // A canvas over a context someone else owns (a paint message's).
    explicit TCanvas(HDC dc);
    ~TCanvas() override;
    std::string ClassName() const override { return "TCanvas"; }

    HDC Handle() const { return dc_; }
    bool HandleAllocated() const { return dc_ != nullptr; }
    void SetHandle(HDC dc);

    TFont Font;
    TBrush Brush;
    TPen Pen;

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(const TRect& rect);
    void Ellipse(const TRect& rect);
    void Pie(const TRect& box, TPoint start, TPoint end);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    // Text clipped to `rect`, drawn from (x, y).
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    // DrawText with the platform's DT_ flags; answers the height drawn.
    int DrawText(const std::string& text, TRect& rect, unsigned flags);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).Width; }
    int TextHeight(const std::string& text) { return TextExtent(text).Height; }
    // Copies a bitmap; a bitmap marked transparent leaves out the pixels of
    // its transparent colour (the bottom-left pixel's when none is set).
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

protected:
    // Called when the canvas needs a context and has none.
    virtual void CreateHandle() { }
    HDC RequireHandle();

private:
    HDC dc_ = nullptr;
};

// Lends a context someone else owns to a canvas for one scope; the canvas
// lets go of it at the end, also when drawing throws.
class TCanvasHandleScope {
public:
    TCanvasHandleScope(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
    TCanvasHandleScope(const TCanvasHandleScope&) = delete;
    TCanvasHandleScope& operator=(const TCanvasHandleScope&) = delete;
    ~TCanvasHandleScope() { canvas_.SetHandle(nullptr); }

private:
    TCanvas& canvas_;
};

// A canvas on a bitmap: a memory context with the bitmap's DIB section in it.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap);
    ~TBitmapCanvas() override;

private:
    TMemoryDCHandle memoryDC_;
    // Put back before the context goes (members end in reverse order).
    TSelectObject selectedBitmap_;
};

// A canvas on a window's client area, for drawing outside a paint message.
class TWindowCanvas : public TCanvas {
public:
    explicit TWindowCanvas(HWND window);
    ~TWindowCanvas() override;

private:
    TWindowDCHandle windowDC_;
};

} // namespace pp
