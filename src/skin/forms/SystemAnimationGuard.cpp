#include "skin/forms/SystemAnimationGuard.h"

#include <windows.h>

namespace pp {
namespace {

bool PlatformRead(bool& on)
{
    ANIMATIONINFO info{sizeof(info), 0};
    if (!SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0))
        return false;
    on = info.iMinAnimate != 0;
    return true;
}

void PlatformWrite(bool on)
{
    ANIMATIONINFO info{sizeof(info), on ? 1 : 0};
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
}

TSystemAnimationApi& CurrentApi()
{
    static TSystemAnimationApi api = PlatformSystemAnimationApi();
    return api;
}

} // namespace

TSystemAnimationApi PlatformSystemAnimationApi() { return {&PlatformRead, &PlatformWrite}; }

TSystemAnimationApi SetSystemAnimationApi(TSystemAnimationApi api)
{
    TSystemAnimationApi previous = CurrentApi();
    CurrentApi() = api.Read && api.Write ? std::move(api) : PlatformSystemAnimationApi();
    return previous;
}

TSystemAnimationOff::TSystemAnimationOff()
{
    bool on = false;
    if (CurrentApi().Read(on) && on) {
        CurrentApi().Write(false);
        switchedOff_ = true;
    }
}

TSystemAnimationOff::~TSystemAnimationOff()
{
    if (switchedOff_)
        CurrentApi().Write(true);
}

} // namespace pp
