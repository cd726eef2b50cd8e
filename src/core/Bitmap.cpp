#include "core/Bitmap.h"

#include "core/Error.h"

#include <cstring>
#include <string>
#include <utility>

namespace pp {
namespace {

class THeapStorage final : public TPixelStorage {
public:
    explicit THeapStorage(std::size_t bytes) : bytes_(bytes) { }
    std::uint8_t* Bits() override { return bytes_.data(); }

private:
    std::vector<std::uint8_t> bytes_;
};

std::unique_ptr<TPixelStorage> HeapStorage(int, int height, TPixelFormat, std::size_t stride)
{
    return std::make_unique<THeapStorage>(stride * static_cast<std::size_t>(height));
}

TPixelStorageFactory currentFactory = &HeapStorage;

std::uint8_t PaletteIndex(const std::uint8_t* row, int x, TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case TPixelFormat::pf4bit: return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default: return row[x];
    }
}

} // namespace

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit:
    case TPixelFormat::pfMask8: return 8;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
    }
    return 32;
}

bool HasPalette(TPixelFormat format)
{
    return format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit;
}

std::size_t RowStride(int width, TPixelFormat format)
{
    const std::size_t bits = static_cast<std::size_t>(width) * BitsPerPixel(format);
    return ((bits + 31) / 32) * 4;
}

void CheckBitmapSize(int width, int height, TPixelFormat format)
{
    if (width < 0 || height < 0 || width > MaxBitmapSide || height > MaxBitmapSide ||
        RowStride(width, format) * static_cast<std::size_t>(height) > MaxBitmapBytes)
        throw EInvalidData("Image size " + std::to_string(width) + " x " + std::to_string(height) +
                           " is out of range");
}

void SetPixelStorageFactory(TPixelStorageFactory factory)
{
    currentFactory = factory ? factory : &HeapStorage;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : width_(width), height_(height), format_(format)
{
    Allocate();
}

TBitmap::TBitmap(const TBitmap& other)
    : Palette(other.Palette),
      Transparent(other.Transparent),
      TransparentColor(other.TransparentColor),
      width_(other.width_),
      height_(other.height_),
      format_(other.format_)
{
    Allocate();
    if (bits_ && other.bits_)
        std::memcpy(bits_, other.bits_, stride_ * static_cast<std::size_t>(height_));
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        TBitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept
{
    if (this != &other) {
        Palette = std::move(other.Palette);
        Transparent = other.Transparent;
        TransparentColor = other.TransparentColor;
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        format_ = other.format_;
        stride_ = std::exchange(other.stride_, 0);
        storage_ = std::move(other.storage_);
        bits_ = std::exchange(other.bits_, nullptr);
    }
    return *this;
}

void TBitmap::Allocate()
{
    CheckBitmapSize(width_, height_, format_);
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        storage_.reset();
        bits_ = nullptr;
        stride_ = 0;
        return;
    }
    stride_ = RowStride(width_, format_);
    storage_ = currentFactory(width_, height_, format_, stride_);
    bits_ = storage_->Bits();
    std::memset(bits_, 0, stride_ * static_cast<std::size_t>(height_));
}

void TBitmap::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
    Allocate();
}

std::uint8_t* TBitmap::ScanLine(int y) { return bits_ + stride_ * static_cast<std::size_t>(y); }

const std::uint8_t* TBitmap::ScanLine(int y) const { return bits_ + stride_ * static_cast<std::size_t>(y); }

TColor TBitmap::PixelColor(int x, int y) const
{
    const std::uint8_t* row = ScanLine(y);
    switch (format_) {
    case TPixelFormat::pf32bit: return ColorFromPixel(Row32(y)[x]);
    case TPixelFormat::pf24bit: return MakeColor(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    case TPixelFormat::pfMask8: return MakeColor(row[x], row[x], row[x]);
    default: {
        const std::uint8_t index = PaletteIndex(row, x, format_);
        return index < Palette.size() ? Palette[index] : clBlack;
    }
    }
}

void TBitmap::Fill(TBGRA value)
{
    // Rows of 1 and 4 bits hold several pixels a byte: fill whole bytes with
    // the index repeated, never one byte per pixel past the row's end.
    if (format_ == TPixelFormat::pf1bit || format_ == TPixelFormat::pf4bit) {
        const std::uint8_t pattern = format_ == TPixelFormat::pf1bit
                                         ? static_cast<std::uint8_t>(value.A & 1 ? 0xFF : 0x00)
                                         : static_cast<std::uint8_t>((value.A & 0x0F) * 0x11);
        for (int y = 0; y < height_; ++y)
            std::memset(ScanLine(y), pattern, stride_);
        return;
    }
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            switch (format_) {
            case TPixelFormat::pf32bit: reinterpret_cast<TBGRA*>(row)[x] = value; break;
            case TPixelFormat::pf24bit:
                row[x * 3] = value.B;
                row[x * 3 + 1] = value.G;
                row[x * 3 + 2] = value.R;
                break;
            default: row[x] = value.A; break;
            }
        }
    }
}

void TBitmap::SetFormat(TPixelFormat format, std::uint8_t alpha)
{
    if (format == format_)
        return;
    if (HasPalette(format) || format == TPixelFormat::pfMask8)
        throw Exception("Conversion to a palette or mask format is not supported");
    TBitmap converted(width_, height_, format);
    converted.Transparent = Transparent;
    converted.TransparentColor = TransparentColor;
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* out = converted.ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            TBGRA p;
            if (format_ == TPixelFormat::pf32bit)
                p = Row32(y)[x];
            else
                p = PixelFromColor(PixelColor(x, y), alpha);
            if (format == TPixelFormat::pf32bit) {
                reinterpret_cast<TBGRA*>(out)[x] = p;
            } else {
                out[x * 3] = p.B;
                out[x * 3 + 1] = p.G;
                out[x * 3 + 2] = p.R;
            }
        }
    }
    *this = std::move(converted);
}

} // namespace pp
