#include "skin/pixels/PlatformPaintApiWin32.h"

#include <memory>
#include <type_traits>

namespace pp {
namespace {

struct TLibraryDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, TLibraryDeleter>;

template <typename Fn>
Fn Lookup(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Holds the libraries for as long as the looked-up functions may be called.
struct TLoadedApi {
    TLibrary Msimg32{LoadLibraryW(L"msimg32.dll")};
    TLibrary User32{LoadLibraryW(L"user32.dll")};
    TPlatformPaintApi Api;

    TLoadedApi()
    {
        Api.GradientFill = Lookup<TPlatformPaintApi::TGradientFill>(Msimg32.get(), "GradientFill");
        Api.UpdateLayeredWindow =
            Lookup<TPlatformPaintApi::TUpdateLayeredWindow>(User32.get(), "UpdateLayeredWindow");
        Api.SetLayeredWindowAttributes =
            Lookup<TPlatformPaintApi::TSetLayeredWindowAttributes>(User32.get(), "SetLayeredWindowAttributes");
    }
};

} // namespace

const TPlatformPaintApi& PlatformPaintApi()
{
    static const TLoadedApi loaded;
    return loaded.Api;
}

} // namespace pp
