#pragma once
// Per-section option reads that inherit: a key a section does not give is
// looked up in the section its "PARENTCLASS" names, and so on up the chain.
// A section naming itself ends the chain; a chain that comes back to a
// section already visited ends as if nothing were found.
#include "core/Color.h"
#include "core/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

class TSectionValueReader {
public:
    // `options` must outlive the reader; its parents are resolved once here.
    explicit TSectionValueReader(const TMemIniFile& options);

    // Text and flag keys: a stored "?" counts as absent.
    std::string ReadText(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const;
    // Integer and colour keys: a stored -1 (or text that is no integer) counts
    // as absent; a value inherited from a parent has system colours resolved.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    // The plain "PARENTCLASS" of a section, empty when none.
    std::string ParentOf(std::string_view section) const;

private:
    // The first value of `key` up the chain that `accept` takes, and whether
    // it came from a parent.
    template <typename TAccept>
    std::optional<std::string_view> FindInChain(std::string_view section, std::string_view key,
                                                TAccept accept, bool* inherited = nullptr) const;

    const TMemIniFile& options_;
    // For each section of the options, in order, the section its parent
    // names, or null when there is none to follow.
    std::vector<const TIniSection*> parents_;
};

} // namespace pp
