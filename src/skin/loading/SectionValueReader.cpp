#include "skin/loading/SectionValueReader.h"

#include "skin/loading/OptionValues.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace pp {
namespace {

constexpr std::string_view AbsentMarker = "?";

// Walks a section and its parents until `lookup` answers; stops at a
// self-reference, a missing parent or a section already visited.
template <typename TLookup>
auto FindInChain(const TMemIniFile& options, std::string_view section, TLookup lookup)
    -> decltype(lookup(section))
{
    std::vector<std::string> visited;
    std::string current(section);
    for (;;) {
        if (auto found = lookup(current))
            return found;
        visited.push_back(current);
        const std::string parent = options.ReadString(current, "PARENTCLASS", AbsentMarker);
        if (parent.empty() || parent == AbsentMarker || parent == current)
            return std::nullopt;
        if (std::find(visited.begin(), visited.end(), parent) != visited.end())
            return std::nullopt;
        current = parent;
    }
}

} // namespace

std::string TSectionValueReader::ReadText(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const
{
    const auto found = FindInChain(options_, section, [&](std::string_view name) -> std::optional<std::string> {
        std::string value = options_.ReadString(name, key, AbsentMarker);
        if (value == AbsentMarker)
            return std::nullopt;
        return value;
    });
    return found ? *found : std::string(defaultValue);
}

bool TSectionValueReader::ReadFlag(std::string_view section, std::string_view key,
                                   bool defaultValue) const
{
    const std::string text = ReadText(section, key, AbsentMarker);
    return text == AbsentMarker ? defaultValue : OptionFlag(text);
}

std::int32_t TSectionValueReader::ReadInteger(std::string_view section, std::string_view key,
                                              std::int32_t defaultValue) const
{
    bool inherited = false;
    const auto found = FindInChain(options_, section, [&](std::string_view name) -> std::optional<std::int32_t> {
        const std::int32_t value = OptionInteger(options_.ReadString(name, key, "-1"), NoColorValue);
        if (value == NoColorValue) {
            inherited = true;
            return std::nullopt;
        }
        return value;
    });
    if (!found)
        return defaultValue;
    return inherited ? static_cast<std::int32_t>(OptionColorToRGB(*found)) : *found;
}

std::string TSectionValueReader::ParentOf(std::string_view section) const
{
    return options_.ReadString(section, "PARENTCLASS", "");
}

} // namespace pp
