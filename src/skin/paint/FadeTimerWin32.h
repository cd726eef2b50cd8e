#pragma once
// A skinned button fading from its old look to its new one when the mouse
// enters, leaves, presses or releases it: one frame every 10 ms, each a
// blend of the look the fade started from and the control's current look.
#include "core/Bitmap.h"
#include "skin/paint/AnimationBindingWin32.h"
#include "skin/paint/FadeProgress.h"
#include "toolkit/Timer.h"

namespace pp {

inline constexpr unsigned FadeFrameIntervalMs = 10;

class TsFadeTimer : public TTimer {
public:
    // Owned by the control it fades; the control's holder points at it.
    TsFadeTimer(TControl* control, TsFadeTimer*& holder);
    ~TsFadeTimer() override;
    std::string ClassName() const override { return "TsFadeTimer"; }

    TFadeProgress Progress;
    TAnimationBinding* Binding = nullptr;
    // The look the fade started from.
    TBitmap FromBitmap;

    void Timer() override;

private:
    void DrawFrame(TControl& control);
    void ShowFrame(TControl& control, const TBitmap& frame);
    void FinishFade();

    TsFadeTimer** holder_;
};

// Starts a fade in direction `direction` when `wanted` and the control can
// fade now (its section fades, no skin is loading, no session end is
// pending, its cache is current); otherwise stops any fade and repaints at
// once. The glow follows either way (leaving for direction 2).
void FadeOnStateChange(TsFadeTimer*& holder, TAnimationBinding& binding, int direction, bool halve,
                       bool wanted);
// (Re)starts the control's fade timer from the look its cache shows now.
void StartFade(TsFadeTimer*& holder, TAnimationBinding& binding, bool halve, int direction);
// Stops and frees the control's fade timer.
void StopFade(TsFadeTimer*& holder);

// Fade timers that exist now.
int LiveFadeTimers();
// The session is ending (the platform asks whether it may): no new fade
// starts, every running one ends at its next tick, and unless the
// application is terminating the messages are handled until no fade timer
// is left.
void EndFadesForSessionEnd();

} // namespace pp
