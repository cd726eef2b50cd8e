#pragma once
// The state rules of the bitmap button that do not need a window: which
// look a combination of press, hover, focus and default role gives, which
// image of the skin section draws that look, and when the button cuts its
// window to the shape of its border.
#include "skin/controls/GlyphChoice.h"
#include "skin/loading/SkinImages.h"

namespace pp {

struct TButtonStateInput {
    bool NativePushed = false; // the platform button reports itself pushed
    bool ForcePressed = false; // the release repaint that holds the pressed look
    bool MouseInside = false;
    bool LeftButtonHeld = false;
    bool Down = false;
    bool Designing = false;
    // Enabled, not being destroyed, and focused or under the mouse (a skin
    // binding also honours the switch that turns hover effects off).
    bool Hot = false;
    bool Default = false;
};

// Pressed, hot, default or normal, the first that holds. A push made with
// the mouse shows only while the pointer is over the button; one made with
// the keyboard shows throughout.
TButtonPaintState ChooseButtonState(const TButtonStateInput& input);

// The image of the skin section for a state: a section of fewer than four
// states draws the default look with its hot image; otherwise the state,
// cut to the section's last image.
int SkinImageForState(TButtonPaintState state, int sectionStates);

// The image whose text colour draws the focus dots: the hot one where the
// section has it.
int FocusDotsImage(int sectionStates);

// The border image's corner flag that makes the button cut its window
// region: the large button's border, whose corners are left for the
// button to cut.
inline constexpr int RegionCornerFlag = cfUnchecked;

struct TRegionInput {
    bool RegionChanged = false;
    int CornerFlag = 0;
    bool Designing = false;
    bool Printing = false;
    bool Fading = false;
};

// Whether this paint makes a new window region from the border's corners.
bool WantsWindowRegion(const TRegionInput& input);

} // namespace pp
