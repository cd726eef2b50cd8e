#pragma once
// The bitmap every part of the program works on: a pixel format, a size,
// rows from top to bottom (each padded to a multiple of 4 bytes, as the
// platform's device-independent bitmaps are), a palette for the palette
// formats and a transparent flag and colour.
//
// Pixel memory comes from a storage factory. The portable build keeps it in
// plain memory; the Windows build installs a factory that allocates a DIB
// section, so the same bitmap also gives the toolkit a device context for
// text and block copies (see NativeHandle).
#include "core/Color.h"
#include "core/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace pp {

enum class TPixelFormat {
    pf1bit,  // palette of 2
    pf4bit,  // palette of 16
    pf8bit,  // palette of 256
    pfMask8, // one byte of coverage per pixel, no palette
    pf24bit, // blue, green, red
    pf32bit, // blue, green, red, alpha
};

int BitsPerPixel(TPixelFormat format);
bool HasPalette(TPixelFormat format);
// Bytes of one row, padded to a multiple of four.
std::size_t RowStride(int width, TPixelFormat format);

// Largest bitmap we allocate: larger requests come from damaged or hostile
// files and are refused before any memory is taken.
inline constexpr int MaxBitmapSide = 16384;
inline constexpr std::size_t MaxBitmapBytes = std::size_t(256) << 20;
// Throws EInvalidData naming the size when a bitmap of this size must not be made.
void CheckBitmapSize(int width, int height, TPixelFormat format);

class TPixelStorage {
public:
    virtual ~TPixelStorage() = default;
    virtual std::uint8_t* Bits() = 0;
    // The platform object behind the pixels (an HBITMAP on Windows), or null.
    virtual void* NativeHandle() const { return nullptr; }
};

using TPixelStorageFactory = std::unique_ptr<TPixelStorage> (*)(int width, int height, TPixelFormat format,
                                                                std::size_t stride);
// Replaces where pixel memory comes from; null restores plain memory.
void SetPixelStorageFactory(TPixelStorageFactory factory);

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    TSize Size() const { return {width_, height_}; }
    TRect Bounds() const { return {0, 0, width_, height_}; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    TPixelFormat Format() const { return format_; }
    std::size_t Stride() const { return stride_; }

    // Reallocates; the pixels are zero afterwards.
    void SetSize(int width, int height);
    // Converts the pixels to another format. Palette and mask formats become
    // 24 or 32 bits through their palette (a mask as grey); 32 bits dropped to
    // 24 loses alpha; on the way up to 32 bits every pixel gets `alpha`.
    // Conversion to a palette format is not offered.
    void SetFormat(TPixelFormat format, std::uint8_t alpha = 0xFF);

    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;
    TBGRA* Row32(int y) { return reinterpret_cast<TBGRA*>(ScanLine(y)); }
    const TBGRA* Row32(int y) const { return reinterpret_cast<const TBGRA*>(ScanLine(y)); }
    TBGRA& Pixel32(int x, int y) { return Row32(y)[x]; }
    const TBGRA& Pixel32(int x, int y) const { return Row32(y)[x]; }

    // Colour of one pixel as a colour value, whatever the format.
    TColor PixelColor(int x, int y) const;
    // 24 and 32 bits take the colour; palette and mask formats take the
    // index or coverage in value.A.
    void Fill(TBGRA value);

    // Palette entries as colour values (red in the low byte).
    std::vector<TColor> Palette;
    bool Transparent = false;
    TColor TransparentColor = clNone;

    void* NativeHandle() const { return storage_ ? storage_->NativeHandle() : nullptr; }

private:
    void Allocate();
    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf32bit;
    std::size_t stride_ = 0;
    std::unique_ptr<TPixelStorage> storage_;
    std::uint8_t* bits_ = nullptr;
};

} // namespace pp
