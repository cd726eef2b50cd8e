#pragma once
// What a control's text painter needs from its skin binding: which section's
// text colours apply (the binding's own, or the one found up the parent
// chain for a transparent control), the colour changes the binding asks
// for, and where a text glow goes. The binding fills one of these; the text
// painter never looks at controls.
#include "core/Bitmap.h"
#include "skin/loading/LoadedSkin.h"

namespace pp {

struct TItemTextSource {
    // Null when the control is not skinned: the text is drawn in the
    // platform's plain look.
    const TsLoadedSkin* Skin = nullptr;
    // The section whose text colours apply; -1 when not skinned.
    int SectionIndex = -1;
    // The control keeps its own font colour.
    bool CustomFont = false;
    int HueOffset = 0;  // degrees
    int Saturation = 0; // percent
    // The control's cache bitmap, where a text glow is drawn first; null
    // when the control has none.
    TBitmap* GlowTarget = nullptr;
    // The control's own section is the skin's "WEBBUTTON": hot text is
    // underlined.
    bool IsWebButton = false;
};

} // namespace pp
