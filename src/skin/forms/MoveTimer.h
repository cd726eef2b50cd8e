#pragma once
// Blend on moving: while a form is dragged by its caption it fades, 12 ms
// a tick, from its opacity down to the skin manager's BlendValue.
#include "skin/paint/ThreadedTimerWin32.h"

#include <windows.h>

namespace pp {

inline constexpr int MoveBlendStepMs = 12;

class TacMoveTimer : public TacThreadedTimer {
public:
    TacMoveTimer(TComponent* owner, HWND window, int startOpacity, int targetOpacity, int timeMs);
    ~TacMoveTimer() override;
    std::string ClassName() const override { return "TacMoveTimer"; }
    int Opacity() const { return opacity_; }

protected:
    void Tick() override;

private:
    HWND window_;
    int start_;
    int target_;
    int timeMs_;
    int opacity_;
};

} // namespace pp
