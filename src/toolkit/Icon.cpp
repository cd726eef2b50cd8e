#include "toolkit/Icon.h"

#include "core/Error.h"

#include <vector>

namespace pp {

void TIcon::LoadFromResourceName(const std::wstring& name)
{
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    if (!icon)
        throw EInvalidData("Icon resource not found");
    handle_.Reset(static_cast<HICON>(icon));
    Changed();
}

void TIcon::LoadFromIconFile(std::span<const std::uint8_t> bytes, int size)
{
    // ICONDIR (6 bytes) then 16-byte entries naming each image's bytes.
    auto read16 = [&](size_t at) { return static_cast<unsigned>(bytes[at] | (bytes[at + 1] << 8)); };
    auto read32 = [&](size_t at) {
        return static_cast<size_t>(read16(at)) | (static_cast<size_t>(read16(at + 2)) << 16);
    };
    if (bytes.size() < 6 || read16(0) != 0 || read16(2) != 1)
        throw EInvalidData("Invalid icon");
    const unsigned count = read16(4);
    if (count == 0 || bytes.size() < 6 + 16 * size_t(count))
        throw EInvalidData("Invalid icon");
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
    if (offset > bytes.size() || length > bytes.size() - offset || length == 0)
        throw EInvalidData("Invalid icon");
    std::vector<BYTE> image(bytes.begin() + offset, bytes.begin() + offset + length);
    HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, 0,
                                          0, LR_DEFAULTCOLOR);
    if (!icon)
        throw EInvalidData("Invalid icon");
    handle_.Reset(icon);
    Changed();
}

void TIcon::Clear()
{
    handle_.Reset();
    Changed();
}

} // namespace pp
