#pragma once
// Sections an application supplies on top of every skin it loads. Their keys
// override those of the skin's section of the same name; a section the skin
// lacks is appended and starts from the section its parent names.
#include "core/IniFile.h"
#include "core/StringList.h"
#include "skin/loading/SkinSections.h"

namespace pp {

// Common sections are texts the application writes itself, so their lines
// are taken as they stand, without trimming.
TMemIniFile ParseCommonSections(const TStringList& lines);

void MergeCommonSections(const TMemIniFile& common, TsGeneralDataArray& sections);

} // namespace pp
