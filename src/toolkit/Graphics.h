#pragma once
// Fonts, brushes, pens, icons and the canvas that draws with them on a
// bitmap or a window. Each of them owns its platform handle and makes it
// lazily, again after a change.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "toolkit/Classes.h"
#include "toolkit/Handles.h"

#include <memory>
#include <optional>
#include <span>
#include <string>

namespace pp {

enum TFontStyleFlag : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The toolkit's default font.
inline constexpr const char* DefaultFontName = "MS Sans Serif";
inline constexpr int DefaultFontHeight = -11;

// A graphics object that tells its owner when it changed.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

class TFont : public TGraphicsObject {
public:
    TFont();
    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Point size at the screen's resolution.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;
    HFONT Handle() const;

private:
    std::string name_ = DefaultFontName;
    int height_ = DefaultFontHeight;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    mutable TFontHandle handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TBrush"; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TBrush& other);
    // A stock hollow brush for bsClear.
    HBRUSH Handle() const;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable TBrushHandle handle_;
};

enum class TPenStyle { psSolid, psDash, psDot, psClear };

class TPen : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TPen"; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    HPEN Handle() const;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    mutable TPenHandle handle_;
};

// A window icon, taken from the program's resources or from the bytes of an
// .ico file embedded in the program.
class TIcon : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TIcon"; }
    bool Empty() const { return !handle_; }
    void LoadFromResourceName(const std::wstring& name);
    // The bytes of an .ico file; the image closest to `size` is taken.
    // Throws EInvalidData when the bytes hold no usable icon.
    void LoadFromIconFile(std::span<const std::uint8_t> bytes, int size = 32);
    HICON Handle() const { return handle_.Get(); }
    void Clear();

private:
    TIconHandle handle_;
};

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
    virtual void CreateHandle() {}
    HDC RequireHandle();

private:
    HDC dc_ = nullptr;
};

// A canvas on a bitmap: a memory context with the bitmap's DIB section in it.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap);
    ~TBitmapCanvas() override;

private:
    TMemoryDCHandle memoryDC_;
    HGDIOBJ savedBitmap_ = nullptr;
};

// A canvas on a window's client area, for drawing outside a paint message.
class TWindowCanvas : public TCanvas {
public:
    explicit TWindowCanvas(HWND window);
    ~TWindowCanvas() override;

private:
    TWindowDCHandle windowDC_;
};

// Makes a platform colour (COLORREF) from a colour value, system colours resolved.
inline COLORREF ColorRef(TColor color) { return static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF); }

// Installs the Windows pixel storage (DIB sections, so that bitmaps have an
// HBITMAP) and the system colour resolver. Application.Initialize calls it.
void InstallGraphicsPlatform();

} // namespace pp
