#pragma once
// A form or dialog fading (or fading and shrinking) out after it was
// hidden, on the temporary layered window that shows its last picture.
// One process-wide hide timer plays it, a frame every 12 ms.
#include "core/Bitmap.h"
#include "skin/loading/SkinManagerOptions.h"
#include "skin/paint/ThreadedTimerWin32.h"

#include <functional>
#include <memory>

#include <windows.h>

namespace pp {

class TacAnimationWindow;

struct TWindowHideRequest {
    // The window that was hidden; the temporary window takes its place.
    HWND Window = nullptr;
    // Its last picture, its size, alpha 255.
    TBitmap Snapshot;
    int TimeMs = 0;
    TacAnimType Mode = atAero;
    int StartAlpha = 255;
    // The hidden window's provider's after-animation event; called once
    // with 1 when the animation ends, however it ends, unless the window
    // (and with it its provider) is gone by then.
    std::function<void(int)> AfterAnimation;
};

class TacHideTimer : public TacThreadedTimer {
public:
    explicit TacHideTimer(TComponent* owner);
    ~TacHideTimer() override;
    std::string ClassName() const override { return "TacHideTimer"; }

    void Play(TWindowHideRequest request);
    bool Running() const { return window_ != nullptr; }

protected:
    void Tick() override;

private:
    void PushFrame();
    void Finish();
    void FireAfterAnimation();

    TWindowHideRequest request_;
    std::unique_ptr<TacAnimationWindow> window_;
    int steps_ = 0;
    int step_ = 0;
    bool fired_ = true;
};

// Starts the hide animation on the process-wide hide timer. Without steps
// or without layered windows nothing is played and the event comes at once.
void AnimateWindowHide(TWindowHideRequest request);
// The process-wide hide timer, or null before the first hide.
TacHideTimer* HideTimer();

} // namespace pp
