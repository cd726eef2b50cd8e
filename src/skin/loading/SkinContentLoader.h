#pragma once
// The loading steps shared by skin folders, packages and stored skins: from
// an options object and an image source to a complete TsLoadedSkin.
#include "core/IniFile.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinFileSource.h"

#include <functional>

namespace pp {

struct TSkinLoadSettings {
    // The platform's horizontal sizing-frame width: the default form offset.
    int SizingFrameWidth = 4;
    // The application's common sections, or null.
    const TMemIniFile* CommonSections = nullptr;
    // Called with the skin's version once it is known, and again after the
    // "GLOBALINFO" record is read; the manager shows its version notices here.
    std::function<void(double version)> CheckVersion;
    // The manager's recolouring, applied once the sections are read.
    int HueOffset = 0;
    int Saturation = 0;
};

// Rebuilds `skin` from `options`. `skin.SkinData.SkinFolder` must already
// name the skin's folder (files of common sections are looked up there).
// Failures throw pp::Exception with the message for the user; whatever was
// rebuilt before the failure stays.
void LoadSkinContent(const TMemIniFile& options, const TSkinFileSource& images,
                     const TSkinLoadSettings& settings, TsLoadedSkin& skin);

} // namespace pp
