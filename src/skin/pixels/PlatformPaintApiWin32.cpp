#include "skin/pixels/PlatformPaintApiWin32.h"

#include "win/ModuleHandle.h"

namespace pp {
namespace {

// Holds the libraries for as long as the looked-up functions may be called.
struct TLoadedApi {
    TModuleHandle Msimg32 = LoadModule(L"msimg32.dll");
    TModuleHandle User32 = LoadModule(L"user32.dll");
    TPlatformPaintApi Api;

    TLoadedApi()
    {
        Api.GradientFill = ModuleFunction<TPlatformPaintApi::TGradientFill>(Msimg32.Get(), "GradientFill");
        Api.UpdateLayeredWindow = ModuleFunction<TPlatformPaintApi::TUpdateLayeredWindow>(
            User32.Get(), "UpdateLayeredWindow");
        Api.SetLayeredWindowAttributes = ModuleFunction<TPlatformPaintApi::TSetLayeredWindowAttributes>(
            User32.Get(), "SetLayeredWindowAttributes");
    }
};

} // namespace

const TPlatformPaintApi& PlatformPaintApi()
{
    static const TLoadedApi loaded;
    return loaded.Api;
}

} // namespace pp
