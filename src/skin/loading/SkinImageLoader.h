#pragma once
// Reads a skin's images: the master bitmap, one image record per option
// value that names an image, the textures, and the images of the
// application's common sections. Runs before the section records are built.
#include "core/IniFile.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinFileSource.h"
#include "skin/loading/SkinImageBudget.h"

namespace pp {

struct TSkinImageRequest {
    const TMemIniFile& Options;
    const TSkinFileSource& Images;
    // Common sections name files of the skin folder only, even for a package.
    const TSkinFileSource& Files;
    const TMemIniFile* CommonSections = nullptr;
    double Version = 0;
    // Set by LoadSkinImages for the images of one load.
    TSkinImageBudget* Budget = nullptr;
};

// Frees the skin's earlier images first. Missing images are skipped; an
// image that cannot be decoded, a value that cannot be read or images past
// the skin's budget fail the load.
void LoadSkinImages(const TSkinImageRequest& request, TsLoadedSkin& skin);

} // namespace pp
