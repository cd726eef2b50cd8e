#pragma once
// The temporary layered window a window animation plays on: the window's
// size, exactly over it, directly above it in the z-order, never
// activated. Frames are pushed with per-pixel alpha and a constant alpha.
#include "core/Bitmap.h"
#include "core/Geometry.h"

#include <windows.h>

namespace pp {

class TacEffectForm;

class TacAnimationWindow {
public:
    // Over `window`'s rectangle on screen.
    explicit TacAnimationWindow(HWND window);
    ~TacAnimationWindow();
    TacAnimationWindow(const TacAnimationWindow&) = delete;
    TacAnimationWindow& operator=(const TacAnimationWindow&) = delete;

    void Push(const TBitmap& picture, int alpha);
    TSize Size() const { return {bounds_.Width(), bounds_.Height()}; }
    HWND Handle() const;
    // Puts the temporary window behind the animated one before it goes.
    void SendBehind(HWND window);

private:
    TacEffectForm* form_;
    HWND animated_;
    TRect bounds_;
    bool shown_ = false;
};

} // namespace pp
