#pragma once
// The skins a user can choose from: stored skins and what a skin directory
// holds.
#include "core/StringList.h"

#include <string>
#include <vector>

namespace pp {

enum TSkinNameKind : int {
    SkinFoldersOnly = 0,
    SkinPackagesOnly = 1,
    SkinFoldersAndPackages = 2,
};

// Replaces the list's lines with the stored skin names, then (when
// `directory` exists) the folders holding "Options.dat" (kinds 0 and 2) and
// the files ending exactly in ".lvz" without the extension (kinds 1 and 2);
// names starting with "." are skipped. A skin is listed once, under the
// name of what a load by that name would take (package, else folder, else
// stored skin; directory names ignore letter case). Sorts the list without
// regard to case and answers the first name added (empty when none).
std::string CollectSkinNames(TStringList& list, const std::vector<std::string>& storedNames,
                             const std::string& directory, int kind);

} // namespace pp
