#pragma once
// The published settings of a control's skin binding: which skin section it
// paints with and its control-kind code. The binding proper (cache bitmap,
// hover and stale flags) grows around these when skinned painting arrives.
#include <string>

namespace pp {

struct TsControlSkinSettings {
    std::string SkinSection;
    int COC = 0;
};

} // namespace pp
