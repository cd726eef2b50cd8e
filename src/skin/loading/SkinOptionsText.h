#pragma once
// The options text of a skin, read from a folder's "Options.dat" or from a
// package's entry, the same way for the skin manager and for the tools.
#include "core/IniFile.h"
#include "core/Stream.h"
#include "skin/loading/SkinConvertor.h"

#include <memory>
#include <string>

namespace pp {

// The whole stream, from its start, as options text.
TMemIniFile OptionsFrom(TStream& stream);

// The package's options entry; `where` names the package in the message of
// the error thrown when it has none.
TMemIniFile PackageOptions(const std::unique_ptr<TacSkinConvertor>& package, const std::string& where);

} // namespace pp
