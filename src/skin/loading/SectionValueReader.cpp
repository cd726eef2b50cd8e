#include "skin/loading/SectionValueReader.h"

#include "skin/loading/OptionValues.h"

namespace pp {
namespace {

constexpr std::string_view AbsentMarker = "?";

} // namespace

TSectionValueReader::TSectionValueReader(const TMemIniFile& options) : options_(options)
{
    const std::vector<TIniSection>& sections = options.Sections();
    parents_.reserve(sections.size());
    for (const TIniSection& section : sections) {
        const TIniEntry* parent = section.Find("PARENTCLASS");
        const bool followed = parent && !parent->Value.empty() && parent->Value != AbsentMarker &&
                              parent->Value != section.Name();
        parents_.push_back(followed ? options.FindSection(parent->Value) : nullptr);
    }
}

template <typename TAccept>
std::optional<std::string_view> TSectionValueReader::FindInChain(std::string_view section,
                                                                 std::string_view key, TAccept accept,
                                                                 bool* inherited) const
{
    const TIniSection* current = options_.FindSection(section);
    const TIniSection* first = options_.Sections().empty() ? nullptr : &options_.Sections().front();
    // A chain longer than the number of sections has come back to one
    // already visited: it ends there.
    for (std::size_t step = 0; current && step <= options_.Sections().size(); ++step) {
        const TIniEntry* entry = current->Find(key);
        if (entry && accept(entry->Value)) {
            if (inherited)
                *inherited = step > 0;
            return entry->Value;
        }
        current = parents_[static_cast<std::size_t>(current - first)];
    }
    return std::nullopt;
}

std::string TSectionValueReader::ReadText(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const
{
    const auto found = FindInChain(section, key, [](std::string_view v) { return v != AbsentMarker; });
    return std::string(found.value_or(defaultValue));
}

bool TSectionValueReader::ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const
{
    const auto found = FindInChain(section, key, [](std::string_view v) { return v != AbsentMarker; });
    return found ? OptionFlag(*found) : defaultValue;
}

std::int32_t TSectionValueReader::ReadInteger(std::string_view section, std::string_view key,
                                              std::int32_t defaultValue) const
{
    bool inherited = false;
    const auto found = FindInChain(
        section, key, [](std::string_view v) { return OptionInteger(v, NoColorValue) != NoColorValue; },
        &inherited);
    if (!found)
        return defaultValue;
    const std::int32_t value = OptionInteger(*found, NoColorValue);
    return inherited ? static_cast<std::int32_t>(OptionColorToRGB(value)) : value;
}

std::string TSectionValueReader::ParentOf(std::string_view section) const
{
    return options_.ReadString(section, "PARENTCLASS", "");
}

} // namespace pp
