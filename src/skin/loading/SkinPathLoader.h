#pragma once
// A skin loaded straight from a path, a folder holding "Options.dat" or a
// packed file, through the same steps the skin manager runs, for tools that
// have no manager.
#include "core/IniFile.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinContentLoader.h"

#include <string>

namespace pp {

struct TSkinFromPath {
    TsLoadedSkin Skin;
    TMemIniFile Options; // the text the skin was loaded from
};

// Throws pp::Exception naming the problem when the path holds no skin or
// the skin fails to load.
TSkinFromPath LoadSkinFromPath(const std::string& path, const TSkinLoadSettings& settings = {});

} // namespace pp
