#pragma once
// The fade of one caption button between its looks: a small layered window
// over the button, refilled every 12 ms with a rising (or falling)
// constant opacity, so that hovering never recomposes the frame image.
// It runs on a window timer; nothing waits for it.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/forms/TitleButtonSlot.h"
#include "toolkit/Timer.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace pp {

class TacEffectForm;

inline constexpr unsigned TitleButtonFrameMs = 12;
inline constexpr int TitleButtonFadeSteps = 10;

// What the overlay shows for a look and where on the screen.
struct TOverlayPicture {
    TBitmap Picture; // 32 bits, per-pixel alpha
    TRect Screen;
};

class TacSBAnimation {
public:
    struct THooks {
        // The overlay for the slot's look `state`.
        std::function<TOverlayPicture(int state)> Picture;
        // The cursor is still over the button.
        std::function<bool()> CursorInside;
        // The cursor went away while nobody told the form.
        std::function<void()> Left;
        // The form the overlay stays above.
        HWND Form = nullptr;
    };
    TacSBAnimation(TitleButtonSlot& slot, THooks hooks);
    ~TacSBAnimation();
    TacSBAnimation(const TacSBAnimation&) = delete;
    TacSBAnimation& operator=(const TacSBAnimation&) = delete;

    // Fades towards `state`: 1 (hot) and 0 (normal) in ten steps, 2
    // (pressed) at once.
    void Start(int state);
    void Tick();
    // Ends at once: no timer, no overlay.
    void Stop();
    // True while the overlay shows or changes.
    bool Active() const { return Target != -1; }

    int Step = 0;
    int Steps = 0;
    int Target = -1;
    bool FadingIn = true;
    HWND OverlayWindow() const;

private:
    void Draw(int opacity);
    void FreeOverlay();
    void RunTimer(bool on);
    int StepOpacity(int step) const;

    TitleButtonSlot& slot_;
    THooks hooks_;
    TTimer timer_;
    std::unique_ptr<TacEffectForm> overlay_;
    TOverlayPicture picture_;
    bool hasPicture_ = false;
};

} // namespace pp
