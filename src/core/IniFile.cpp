#include "core/IniFile.h"

namespace pp {
namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

const TIniEntry* TIniSection::Find(std::string_view key) const
{
    for (const TIniEntry& entry : entries_)
        if (entry.Key == key)
            return &entry;
    return nullptr;
}

void TIniSection::Add(std::string key, std::string value)
{
    entries_.push_back({std::move(key), std::move(value)});
}

TMemIniFile::TMemIniFile(const TStringList& lines, TIniLineRules rules) { SetLines(lines, rules); }

TMemIniFile::TMemIniFile(std::string_view text, TIniLineRules rules)
{
    TStringList lines(true);
    lines.SetText(text);
    SetLines(lines, rules);
}

void TMemIniFile::SetLines(const TStringList& lines, TIniLineRules rules)
{
    sections_.clear();
    indexByName_.clear();
    TIniSection* current = nullptr;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        std::string_view line = lines[i];
        // Editors that save UTF-8 may put a byte-order mark before the first
        // section; left there it would hide that section.
        if (i == 0 && line.starts_with(Utf8ByteOrderMark))
            line.remove_prefix(Utf8ByteOrderMark.size());
        AddLine(line, current, rules);
    }
}

void TMemIniFile::AddLine(std::string_view line, TIniSection*& current, TIniLineRules rules)
{
    const bool trimmed = rules == TIniLineRules::Trimmed;
    if (trimmed)
        line = TrimBlanks(line);
    if (line.empty() || line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        std::string_view name = line.substr(1, line.size() - 2);
        current = &SectionNamed(std::string(trimmed ? TrimBlanks(name) : name));
        return;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos)
        return;
    std::string_view key = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    if (trimmed) {
        key = TrimBlanks(key);
        value = TrimBlanks(value);
    }
    current->Add(std::string(key), std::string(value));
}

TIniSection& TMemIniFile::SectionNamed(std::string name)
{
    const auto [it, added] = indexByName_.try_emplace(name, sections_.size());
    if (added)
        sections_.emplace_back(std::move(name));
    return sections_[it->second];
}

const TIniSection* TMemIniFile::FindSection(std::string_view name) const
{
    const auto it = indexByName_.find(name);
    return it == indexByName_.end() ? nullptr : &sections_[it->second];
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    const TIniSection* found = FindSection(section);
    const TIniEntry* entry = found ? found->Find(key) : nullptr;
    return entry ? entry->Value : std::string(defaultValue);
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    const TIniSection* found = FindSection(section);
    return found && found->Find(key);
}

} // namespace pp
