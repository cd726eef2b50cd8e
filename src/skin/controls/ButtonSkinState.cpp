#include "skin/controls/ButtonSkinState.h"

#include <algorithm>

namespace pp {

TButtonPaintState ChooseButtonState(const TButtonStateInput& input)
{
    const bool pushed = input.NativePushed || input.ForcePressed;
    if ((pushed && (input.MouseInside || !input.LeftButtonHeld)) || input.Down)
        return TButtonPaintState::Pressed;
    if (!input.Designing && input.Hot)
        return TButtonPaintState::Hot;
    if (input.Default)
        return TButtonPaintState::Default;
    return TButtonPaintState::Normal;
}

int SkinImageForState(TButtonPaintState state, int sectionStates)
{
    const int index = static_cast<int>(state);
    if (state == TButtonPaintState::Default && sectionStates < 4)
        return 1;
    return std::max(0, std::min(index, sectionStates - 1));
}

int FocusDotsImage(int sectionStates) { return std::max(0, std::min(1, sectionStates)); }

bool WantsWindowRegion(const TRegionInput& input)
{
    return input.RegionChanged && input.CornerFlag == RegionCornerFlag && !input.Designing &&
           !input.Printing && !input.Fading;
}

} // namespace pp
