// Windows pixel storage: every bitmap's pixels live in a DIB section, so a
// bitmap can be selected into a memory context and drawn with GDI.
#include "toolkit/PixelStorage.h"

#include "core/Bitmap.h"
#include "core/Error.h"
#include "core/SystemColors.h"
#include "win/Handles.h"

#include <vector>

namespace pp {

namespace {

class TDibStorage : public TPixelStorage {
public:
    TDibStorage(int width, int height, TPixelFormat format)
    {
        // Palette formats start with a grey ramp (right for coverage masks);
        // the bitmap's own palette is put into the section when it is drawn.
        const int bits = BitsPerPixel(format);
        const int colours = bits <= 8 ? (1 << bits) : 0;
        std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + sizeof(RGBQUAD) * colours);
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
        header->biSize = sizeof(BITMAPINFOHEADER);
        header->biWidth = width;
        header->biHeight = -height; // top-down rows, as the bitmap keeps them
        header->biPlanes = 1;
        header->biBitCount = static_cast<WORD>(bits);
        header->biCompression = BI_RGB;
        header->biClrUsed = static_cast<DWORD>(colours);
        auto* palette = reinterpret_cast<RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER));
        for (int i = 0; i < colours; ++i) {
            const auto level = static_cast<BYTE>(i * 255 / (colours - 1));
            palette[i] = {level, level, level, 0};
        }
        void* pixels = nullptr;
        handle_.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                       &pixels, nullptr, 0));
        if (!handle_ || !pixels)
            throw EInvalidData("Out of system resources");
        pixels_ = static_cast<std::uint8_t*>(pixels);
    }
    std::uint8_t* Bits() override { return pixels_; }
    void* NativeHandle() const override { return handle_.Get(); }

private:
    TBitmapHandle handle_;
    std::uint8_t* pixels_ = nullptr;
};

std::unique_ptr<TPixelStorage> MakeDibStorage(int width, int height, TPixelFormat format, std::size_t)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    return std::make_unique<TDibStorage>(width, height, format);
}

TColor PlatformSystemColor(int index)
{
    const DWORD rgb = GetSysColor(index);
    return static_cast<TColor>(rgb & 0xFFFFFF);
}

} // namespace

void InstallGraphicsPlatform()
{
    SetPixelStorageFactory(&MakeDibStorage);
    SetSystemColorResolver(&PlatformSystemColor);
}

} // namespace pp
