#pragma once
// A plain-text account of what a skin's options loaded into: the tool a skin
// author uses to see why a skin looks as it does.
#include "core/IniFile.h"
#include "skin/loading/LoadedSkin.h"

#include <string>

namespace pp {

// Version and author, the sections in file order with their parents and
// states, every image record and pattern, and the skin-wide colours.
// `options` is the text the skin was loaded from; it tells each image's form.
std::string DescribeSkin(const TsLoadedSkin& skin, const TMemIniFile& options);

} // namespace pp
