#pragma once
// Hints drawn with a skin section instead of the manager's own style: the
// section's painting is the body, its key-coloured pixels are the outside,
// its colours draw the text; no shadow and no tail.
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/HintBody.h"
#include "skin/paint/HintGeometry.h"

#include <optional>
#include <string>

namespace pp {

class TsHintManager;

struct TSkinnedHintSection {
    const TsLoadedSkin* Skin = nullptr;
    int Index = -1;
    int Texture = -1;
    THintBorders Borders;
    // A section of transparency 100 with a border image: its painting is
    // shown as it is, with the platform's drop shadow under it.
    bool FullyTransparent = false;
    bool HasBorderImage = false;
};

// The manager's section in the current skin, when its hints are skinned.
std::optional<TSkinnedHintSection> SkinnedHintSection(const TsHintManager& manager);

// The window's size for `text`, measured in the system hint font.
TSize SkinnedHintSize(const TSkinnedHintSection& section, const std::string& text);

// Builds the hint's images for a window of `size`.
void BuildSkinnedHintImages(THintImages& images, TSize size, const TSkinnedHintSection& section,
                            const std::string& text);

} // namespace pp
