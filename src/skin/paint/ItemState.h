#pragma once
// A caller's state index (0 normal, 1 hot, higher: further images such as
// pressed) cut to what a section provides, and the property block it reads.
#include "skin/loading/SkinSections.h"

#include <algorithm>

namespace pp {

// The state cut to the section's state count - 1 (and never below 0), so
// that a state the skin does not provide falls back to the last it does.
inline int SectionState(const TsGeneralData& section, int state)
{
    return std::max(0, std::min(state, section.States - 1));
}

// State 0 reads the normal properties, every higher state the hot ones.
inline const TsGenState& StateProps(const TsGeneralData& section, int sectionState)
{
    return section.Props[sectionState > 0 ? 1 : 0];
}

} // namespace pp
