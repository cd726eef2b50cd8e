#pragma once
// Fonts, brushes and pens: the drawing tools a canvas holds. Each of them
// owns its platform handle and makes it lazily, again after a change.
#include "core/Color.h"
#include "toolkit/Component.h"
#include "win/Handles.h"

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

// Makes a platform colour (COLORREF) from a colour value, system colours resolved.
inline COLORREF ColorRef(TColor color) { return static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF); }

} // namespace pp
