#pragma once
// A layered hint window's picture and its fade-in. The frames run from a
// window timer rather than in a loop with sleeps, so that the message loop
// (and with it the port refresh) goes on while the hint fades in.
#include "core/Bitmap.h"

#include <windows.h>

namespace pp {

class THintFade {
public:
    // Gives the window `image` (straight alpha) at `opacity`; with `fadeIn`
    // it starts at 0 and rises over HintFadeFrames timer ticks.
    void Start(HWND window, const TBitmap& image, int opacity, bool fadeIn);
    // The window's WM_TIMER; true when the timer was the fade's.
    bool Tick(HWND window, WPARAM timer);
    void Stop(HWND window);
    int Opacity() const { return opacity_; }
    bool Running() const { return frame_ > 0; }

private:
    void Push(HWND window, int opacity);

    TBitmap premultiplied_;
    int target_ = 255;
    int opacity_ = 0;
    int frame_ = 0;
};

} // namespace pp
