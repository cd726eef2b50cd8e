#include "toolkit/GraphicsObjects.h"

#include "win/Text.h"

#include <cstring>

namespace pp {

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

namespace {
int ScreenPixelsPerInch()
{
    static const int dpi = [] {
        const TWindowDCHandle screen(nullptr);
        const int value = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
        return value > 0 ? value : 96;
    }();
    return dpi;
}
} // namespace

TFont::TFont() = default;

void TFont::SetName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    handle_.Reset();
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    handle_.Reset();
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(unsigned style)
{
    if (style == style_)
        return;
    style_ = style;
    handle_.Reset();
    Changed();
}

void TFont::SetCharset(int charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    handle_.Reset();
    Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_ && charset_ == other.charset_;
}

void TFont::Assign(const TFont& other)
{
    if (SameAs(other))
        return;
    const bool shapeChanged = name_ != other.name_ || height_ != other.height_ || style_ != other.style_ ||
                              charset_ != other.charset_;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    if (shapeChanged)
        handle_.Reset();
    Changed();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        const std::wstring face = WideFromUtf8(name_);
        wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

void TBrush::SetColor(TColor color)
{
    if (color == color_ && style_ == TBrushStyle::bsSolid)
        return;
    color_ = color;
    style_ = TBrushStyle::bsSolid;
    handle_.Reset();
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    handle_.Reset();
    Changed();
}

void TBrush::Assign(const TBrush& other)
{
    color_ = other.color_;
    style_ = other.style_;
    handle_.Reset();
    Changed();
}

HBRUSH TBrush::Handle() const
{
    if (style_ == TBrushStyle::bsClear)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_)
        handle_.Reset(CreateSolidBrush(ColorRef(color_)));
    return handle_.Get();
}

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    handle_.Reset();
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    handle_.Reset();
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    handle_.Reset();
    Changed();
}

HPEN TPen::Handle() const
{
    if (!handle_) {
        static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL};
        handle_.Reset(CreatePen(styles[static_cast<int>(style_)], width_, ColorRef(color_)));
    }
    return handle_.Get();
}

} // namespace pp
