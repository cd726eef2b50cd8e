#include "skin/paint/LayeredWindowWin32.h"

#include "skin/pixels/PlatformPaintApiWin32.h"
#include "win/Handles.h"

namespace pp {
namespace {

bool PlatformAvailable() { return PlatformPaintApi().HasLayeredWindows(); }

bool PlatformPush(const TLayeredPush& push)
{
    const auto update = PlatformPaintApi().UpdateLayeredWindow;
    if (!update || !push.Picture || !push.Picture->NativeHandle())
        return false;
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return false;
    const TSelectObject picture(dc.Get(), static_cast<HBITMAP>(push.Picture->NativeHandle()));
    POINT position{push.Position.X, push.Position.Y};
    SIZE size{push.Size.Width, push.Size.Height};
    POINT source{push.Source.X, push.Source.Y};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(push.Alpha), AC_SRC_ALPHA};
    return update(push.Window, nullptr, &position, &size, dc.Get(), &source, 0, &blend, ULW_ALPHA) != FALSE;
}

TLayeredWindowApi& CurrentApi()
{
    static TLayeredWindowApi api = PlatformLayeredWindowApi();
    return api;
}

} // namespace

TLayeredWindowApi PlatformLayeredWindowApi() { return {&PlatformAvailable, &PlatformPush}; }

TLayeredWindowApi SetLayeredWindowApi(TLayeredWindowApi api)
{
    TLayeredWindowApi previous = CurrentApi();
    CurrentApi() = api.Available && api.Push ? std::move(api) : PlatformLayeredWindowApi();
    return previous;
}

bool LayeredWindowsAvailable() { return CurrentApi().Available(); }

bool PushLayeredWindow(const TLayeredPush& push) { return CurrentApi().Push(push); }

} // namespace pp
