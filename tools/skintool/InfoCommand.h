#pragma once
#include <string>

namespace skintool {

// What a skin (a folder holding "Options.dat", or a packed .lvz file) loads
// into: version, author, sections, image records and skin-wide colours.
std::string Info(const std::string& skinPath);

} // namespace skintool
