#include "skin/controls/GaugeLightPictureWin32.h"

#include "core/Stream.h"
#include "skin/loading/PngImage.h"

#include <windows.h>

namespace pp {

std::optional<TBitmap> LoadGaugeLightPicture()
{
    // Resource memory belongs to the module: nothing to free.
    const HRSRC found = FindResourceW(nullptr, L"ACGL", MAKEINTRESOURCEW(10)); // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return std::nullopt;
    try {
        TSpanStream stream(static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, found));
        TBitmap picture = LoadPngFromStream(stream);
        picture.SetFormat(TPixelFormat::pf32bit);
        return picture;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace pp
