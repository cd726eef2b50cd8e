#pragma once
// A form blending from its old look into its new one when the skin
// changes. With layered windows the new look fades in over the form as a
// show animation does; without them the old picture is frozen on screen in
// an output window and the new one is blended into it.
#include "core/Bitmap.h"
#include "skin/loading/SkinManagerOptions.h"

#include <functional>

namespace pp {

class TWinControl;

struct TSkinChangeRequest {
    TWinControl* Form = nullptr;
    // The form's new look with its children, the form's size.
    TBitmap NewLook;
    int TimeMs = 100;
    int FinalAlpha = 255;
    TacAnimType Mode = atFading;
    // The real window takes over: its redrawing is switched back on.
    std::function<void()> Finished;
};

// Starts the blend and returns at once; the form-animation flag stays set
// until the real window takes over.
void AnimateSkinChange(TSkinChangeRequest request);

// The old picture frozen on screen for the blend without layered windows:
// the form's rectangle copied from the screen.
TBitmap FreezeFormPicture(TWinControl& form);

} // namespace pp
