#pragma once
// Where a skin named by the manager lives: the name rules, the package path
// and the resolution of a relative skin directory. Paths here are Windows
// paths ("\" separators); nothing touches the file system.
#include <string>

namespace pp {

// A name ending in ".lvz" (any letter case) and longer than the extension
// names the package; the skin is called by the name without it.
std::string StripPackageExtension(const std::string& name);

// `directory` with one "\" at its end; a final "/" becomes "\" and a bare
// drive letter ("c") becomes "c:\".
std::string WithTrailingBackslash(const std::string& directory);

// The packed file a skin name stands for inside `directory`.
std::string PackagePath(const std::string& directory, const std::string& name);

// Relative skin directories are taken from the program's folder
// (`programFolder` ends with "\"): "..\x" from its parent, ".\x" or "./x"
// and a bare "x" from the folder itself, "." is the folder. Absolute ones
// (with a drive or a "\\" share) stay as they are. No separator is added.
std::string ResolveSkinDirectory(const std::string& directory, const std::string& programFolder);

} // namespace pp
