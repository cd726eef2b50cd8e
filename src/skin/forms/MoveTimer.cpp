#include "skin/forms/MoveTimer.h"

#include "skin/forms/FormGeometry.h"
#include "skin/forms/LayeredStyle.h"

namespace pp {

TacMoveTimer::TacMoveTimer(TComponent* owner, HWND window, int startOpacity, int targetOpacity, int timeMs)
    : TacThreadedTimer(owner, true),
      window_(window),
      start_(startOpacity),
      target_(targetOpacity),
      timeMs_(timeMs),
      opacity_(startOpacity)
{
    SetWindowOpacity(window_, opacity_);
    SetInterval(MoveBlendStepMs);
    SetEnabled(true);
}

TacMoveTimer::~TacMoveTimer() { SetEnabled(false); }

void TacMoveTimer::Tick()
{
    if (!IsWindow(window_) || opacity_ <= target_) {
        SetEnabled(false);
        return;
    }
    opacity_ = NextMovingOpacity(opacity_, start_, target_, timeMs_);
    SetWindowOpacity(window_, opacity_);
}

} // namespace pp
