#pragma once
// An in-memory INI text, read once and queried by exact (case-sensitive)
// section and key names. Skin options are read through it during a load.
//
// Text rules: each line is trimmed of blanks and control characters at both
// ends; empty lines and lines beginning with ";" are skipped; "[name]" opens a
// section (name trimmed); any other line belongs to the last section opened
// and is split at its first "=" into key and value, both trimmed. Lines before
// the first section and lines without "=" carry no key.
#include "core/StringList.h"
#include "core/StringMap.h"

#include <string>
#include <string_view>
#include <vector>

namespace pp {

struct TIniEntry {
    std::string Key;
    std::string Value;
};

class TIniSection {
public:
    explicit TIniSection(std::string name) : name_(std::move(name)) { }

    const std::string& Name() const { return name_; }
    // Keys in the order they stand in the text.
    const std::vector<TIniEntry>& Entries() const { return entries_; }
    // The first entry of that key, or null.
    const TIniEntry* Find(std::string_view key) const;
    void Add(std::string key, std::string value);

private:
    std::string name_;
    // Sections hold a few dozen keys: a scan beats hashing every key.
    std::vector<TIniEntry> entries_;
};

// How lines are cut: skin options are trimmed; texts an application supplies
// programmatically are taken as they stand.
enum class TIniLineRules { Trimmed, Untrimmed };

class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const TStringList& lines, TIniLineRules rules = TIniLineRules::Trimmed);
    explicit TMemIniFile(std::string_view text, TIniLineRules rules = TIniLineRules::Trimmed);

    void SetLines(const TStringList& lines, TIniLineRules rules = TIniLineRules::Trimmed);

    // The value as written; `defaultValue` when the section or key is absent.
    // A key present with an empty value reads as the empty string.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

    // Sections in the order they first appear. A section header that repeats
    // continues the earlier section, so none of its keys become unreachable.
    const std::vector<TIniSection>& Sections() const { return sections_; }
    const TIniSection* FindSection(std::string_view name) const;

private:
    TIniSection& SectionNamed(std::string name);
    void AddLine(std::string_view line, TIniSection*& current, TIniLineRules rules);

    std::vector<TIniSection> sections_;
    TStringMap<std::size_t> indexByName_;
};

// Blanks and control characters (every byte up to the space) at both ends removed.
std::string_view TrimBlanks(std::string_view text);

} // namespace pp
