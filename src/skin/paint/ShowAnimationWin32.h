#pragma once
// A form or dialog fading (or fading and zooming) in when it is shown,
// played frame by frame on the animation timer (see AnimationPlayerWin32.h).
#include "core/Bitmap.h"
#include "skin/loading/SkinManagerOptions.h"

#include <functional>

#include <windows.h>

namespace pp {

struct TFormShowRequest {
    // The window being shown; it stays hidden until the animation ends.
    HWND Window = nullptr;
    // The finished window's picture, its size.
    TBitmap Snapshot;
    int TimeMs = 0;
    // The form's own alpha blend value.
    int FinalAlpha = 255;
    TacAnimType Mode = atAero;
    // The platform composes windows: the temporary window stays 48 ms
    // longer, until the real one is surely on screen.
    bool Composited = false;
    // Shows the real window (below the temporary one) with its redrawing on.
    std::function<void()> ShowRealWindow;
    // The provider's after-animation event; called with 0.
    std::function<void(int)> AfterAnimation;
};

// Starts the show animation and returns at once. Without steps (Time below
// 12 ms) or without layered windows the real window is shown at once.
void AnimateFormShow(TFormShowRequest request);

} // namespace pp
