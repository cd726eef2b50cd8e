#pragma once
// Reads a skin's images: the master bitmap, one image record per option
// value that names an image, the textures, and the images of the
// application's common sections. Runs before the section records are built.
#include "core/IniFile.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinFileSource.h"

namespace pp {

struct TSkinImageRequest {
    const TMemIniFile& Options;
    const TSkinFileSource& Images;
    // Common sections name files of the skin folder only, even for a package.
    const TSkinFileSource& Files;
    const TMemIniFile* CommonSections = nullptr;
    double Version = 0;
};

// Frees the skin's earlier images first. Missing images are skipped; an
// image that cannot be decoded or a value that cannot be read fails the load.
void LoadSkinImages(const TSkinImageRequest& request, TsLoadedSkin& skin);

} // namespace pp
