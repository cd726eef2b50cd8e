#include "skin/forms/HintFade.h"

#include "skin/paint/HintGeometry.h"
#include "skin/pixels/Fills.h"
#include "win/Handles.h"

#include <algorithm>

namespace pp {

namespace {

constexpr UINT_PTR FadeTimer = 0x4846;
// The pause between frames the fade was designed with.
constexpr UINT FadeFrameMilliseconds = 8;

} // namespace

void THintFade::Start(HWND window, const TBitmap& image, int opacity, bool fadeIn)
{
    Stop(window);
    premultiplied_ = image;
    PremultiplyPixels(premultiplied_);
    target_ = std::clamp(opacity, 0, 255);
    if (!fadeIn) {
        Push(window, target_);
        return;
    }
    Push(window, 0);
    frame_ = 1;
    SetTimer(window, FadeTimer, FadeFrameMilliseconds, nullptr);
}

bool THintFade::Tick(HWND window, WPARAM timer)
{
    if (timer != FadeTimer)
        return false;
    if (frame_ <= 0 || !IsWindowVisible(window)) {
        Stop(window);
        return true;
    }
    Push(window, HintFadeOpacity(frame_, target_));
    if (++frame_ > HintFadeFrames)
        Stop(window);
    return true;
}

void THintFade::Stop(HWND window)
{
    if (frame_ > 0 && window)
        KillTimer(window, FadeTimer);
    frame_ = 0;
}

void THintFade::Push(HWND window, int opacity)
{
    opacity_ = opacity;
    if (!window || premultiplied_.Empty() || !premultiplied_.NativeHandle())
        return;
    const TWindowDCHandle screen(nullptr);
    const TMemoryDCHandle source(CreateCompatibleDC(screen.Get()));
    if (!source)
        return;
    const TSelectObject selected(source.Get(), static_cast<HGDIOBJ>(premultiplied_.NativeHandle()));
    SIZE size{premultiplied_.Width(), premultiplied_.Height()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(opacity), AC_SRC_ALPHA};
    UpdateLayeredWindow(window, screen.Get(), nullptr, &size, source.Get(), &origin, 0, &blend, ULW_ALPHA);
}

} // namespace pp
