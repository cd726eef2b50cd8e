#pragma once
// What item painting reads from a control's skin binding: the skin, the
// section and image indexes the binding resolved, and the colour changes
// it asks for. The control binding fills one of these; tools and tests
// make one straight from a section.
#include "core/Color.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/ScaledPieceCache.h"

namespace pp {

struct TsItemBinding {
    const TsLoadedSkin* Skin = nullptr;
    int SectionIndex = -1;
    int BorderImageIndex = -1;
    int PatternIndex = -1;    // the section's PATTERN image
    int HotPatternIndex = -1; // its HOTPATTERN image
    // A colour that replaces the section's whole fill (a control that keeps
    // its own colour, a form provider's form), or clKeyColor.
    TColor CustomColor = clKeyColor;
    int HueOffset = 0;  // degrees
    int Saturation = 0; // percent
    // The control's own store of kernel-scaled border pieces, or null to
    // scale them on every paint.
    TScaledPieceCache* ScaledPieces = nullptr;
};

// The binding a control gets for a section of the skin: its border image
// and its PATTERN and HOTPATTERN images; invalid section index -1 when the
// skin has no such section.
TsItemBinding BindingForSection(const TsLoadedSkin& skin, int sectionIndex);

} // namespace pp
