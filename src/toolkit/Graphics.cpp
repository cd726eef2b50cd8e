#include "toolkit/Graphics.h"

#include "core/Error.h"
#include "toolkit/Text.h"

#include <cstring>
#include <vector>

namespace pp {

void TGraphicsObject::Changed()
{
    if (OnChange) OnChange(this);
}

namespace {
int ScreenPixelsPerInch()
{
    static const int dpi = [] {
        HDC dc = GetDC(nullptr);
        const int value = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        return value > 0 ? value : 96;
    }();
    return dpi;
}
} // namespace

TFont::TFont() = default;

void TFont::SetName(const std::string& name)
{
    if (name == name_) return;
    name_ = name;
    handle_.Reset();
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_) return;
    height_ = height;
    handle_.Reset();
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(unsigned style)
{
    if (style == style_) return;
    style_ = style;
    handle_.Reset();
    Changed();
}

void TFont::SetCharset(int charset)
{
    if (charset == charset_) return;
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
    if (SameAs(other)) return;
    const bool shapeChanged = name_ != other.name_ || height_ != other.height_ || style_ != other.style_ ||
                              charset_ != other.charset_;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    if (shapeChanged) handle_.Reset();
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
    if (color == color_ && style_ == TBrushStyle::bsSolid) return;
    color_ = color;
    style_ = TBrushStyle::bsSolid;
    handle_.Reset();
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_) return;
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
    if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_) handle_.Reset(CreateSolidBrush(ColorRef(color_)));
    return handle_.Get();
}

void TPen::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    handle_.Reset();
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == width_) return;
    width_ = width;
    handle_.Reset();
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_) return;
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

void TIcon::LoadFromResourceName(const std::wstring& name)
{
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    if (!icon) throw EInvalidData("Icon resource not found");
    handle_.Reset(static_cast<HICON>(icon));
    Changed();
}

void TIcon::LoadFromIconFile(std::span<const std::uint8_t> bytes, int size)
{
    // ICONDIR (6 bytes) then 16-byte entries naming each image's bytes.
    auto read16 = [&](size_t at) { return static_cast<unsigned>(bytes[at] | (bytes[at + 1] << 8)); };
    auto read32 = [&](size_t at) { return static_cast<size_t>(read16(at)) | (static_cast<size_t>(read16(at + 2)) << 16); };
    if (bytes.size() < 6 || read16(0) != 0 || read16(2) != 1) throw EInvalidData("Invalid icon");
    const unsigned count = read16(4);
    if (count == 0 || bytes.size() < 6 + 16 * size_t(count)) throw EInvalidData("Invalid icon");
    size_t best = 0;
    int bestDistance = 1 << 30;
    for (unsigned i = 0; i < count; ++i) {
        const int width = bytes[6 + 16 * i] ? bytes[6 + 16 * i] : 256;
        const int distance = width > size ? width - size : size - width;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    const size_t entry = 6 + 16 * best;
    const size_t length = read32(entry + 8);
    const size_t offset = read32(entry + 12);
    if (offset > bytes.size() || length > bytes.size() - offset || length == 0) throw EInvalidData("Invalid icon");
    std::vector<BYTE> image(bytes.begin() + offset, bytes.begin() + offset + length);
    HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, 0, 0,
                                          LR_DEFAULTCOLOR);
    if (!icon) throw EInvalidData("Invalid icon");
    handle_.Reset(icon);
    Changed();
}

void TIcon::Clear()
{
    handle_.Reset();
    Changed();
}

} // namespace pp
