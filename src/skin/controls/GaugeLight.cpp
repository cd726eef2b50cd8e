#include "skin/controls/GaugeLight.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>

namespace pp {

bool TGaugeLightClock::Tick(int barLength)
{
    if (clock_ > GaugeLightCycle) {
        position_ = -GaugeLightLength;
        clock_ = 0;
    }
    clock_ += GaugeLightInterval;
    return position_ < barLength;
}

void TGaugeLightClock::Step(int barLength) { position_ += GaugeLightStep(barLength); }

int GaugeLightStep(int barLength)
{
    return std::max(15, RoundHalfEven(barLength / (GaugeLightCycle / 44.0)));
}

} // namespace pp
