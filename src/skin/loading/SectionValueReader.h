#pragma once
// Per-section option reads that inherit: a key a section does not give is
// looked up in the section its "PARENTCLASS" names, and so on up the chain.
// A section naming itself ends the chain; a chain that comes back to a
// section already visited ends as if nothing were found.
#include "core/Color.h"
#include "core/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pp {

class TSectionValueReader {
public:
    explicit TSectionValueReader(const TMemIniFile& options) : options_(options) {}

    // Text and flag keys: a stored "?" counts as absent.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
    bool ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const;
    // Integer and colour keys: a stored -1 (or text that is no integer) counts
    // as absent; a value inherited from a parent has system colours resolved.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;

    // The plain "PARENTCLASS" of a section, empty when none.
    std::string ParentOf(std::string_view section) const;

private:
    const TMemIniFile& options_;
};

} // namespace pp
