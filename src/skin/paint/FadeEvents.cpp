#include "skin/paint/FadeEvents.h"

namespace pp {

static_assert(FadeEventBit(feMouseEnter) == beMouseEnter && FadeEventBit(feMouseLeave) == beMouseLeave &&
              FadeEventBit(feMouseDown) == beMouseDown && FadeEventBit(feMouseUp) == beMouseUp);

bool EventFades(TFadeEvent event, unsigned animatEvents, const TacBtnEffects& managerButtons)
{
    if (animatEvents & FadeEventBit(event))
        return true;
    return (animatEvents & FadeEventGlobalDefault) && (managerButtons.Events & FadeEventBit(event));
}

} // namespace pp
