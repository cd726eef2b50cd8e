#pragma once
// The one place that hands pictures to the platform's layered-window
// update, so that what is handed over can be checked in process: on a
// display without a compositing manager the screen does not show per-pixel
// alpha, so a screenshot cannot tell.
#include "core/Bitmap.h"
#include "core/Geometry.h"

#include <functional>

#include <windows.h>

namespace pp {

struct TLayeredPush {
    HWND Window = nullptr;
    TPoint Position;                  // the window's new top-left corner on screen
    TSize Size;                       // the window's new size
    const TBitmap* Picture = nullptr; // 32 bits, per-pixel alpha
    TPoint Source;                    // where in the picture the window's top-left pixel is
    int Alpha = 255;                  // constant alpha over the whole window
};

struct TLayeredWindowApi {
    std::function<bool()> Available;
    std::function<bool(const TLayeredPush&)> Push;
};

// The platform's functions: available when user32 has them.
TLayeredWindowApi PlatformLayeredWindowApi();
// Replaces the functions (tests record the pushes); answers the previous.
TLayeredWindowApi SetLayeredWindowApi(TLayeredWindowApi api);

bool LayeredWindowsAvailable();
bool PushLayeredWindow(const TLayeredPush& push);

} // namespace pp
