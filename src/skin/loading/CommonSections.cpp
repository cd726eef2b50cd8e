#include "skin/loading/CommonSections.h"

#include "skin/loading/OptionValues.h"
#include "skin/loading/SectionKeys.h"

namespace pp {
namespace {

int FindSectionIgnoringCase(const TsGeneralDataArray& sections, std::string_view name)
{
    for (std::size_t i = 0; i < sections.size(); ++i)
        if (AsciiSameText(sections[i].SectionName, name))
            return static_cast<int>(i);
    return -1;
}

// A new common section with no parent to start from: the usual defaults,
// except that its font colours and fading steps stay unset (-1) so that the
// painter's own choice applies.
TsGeneralData CommonSectionDefaults()
{
    TsGeneralData record;
    for (const auto keys : {NormalSectionKeys(), HotSectionKeys()})
        for (const TSectionKey& key : keys)
            key.Store(record, DefaultKeyValue(key));
    record.RawProps[0].FontColor[fcMain] = static_cast<TColor>(-1);
    record.RawProps[1].FontColor[fcMain] = static_cast<TColor>(-1);
    record.RawProps[1].GradientData.assign(1, ' ');
    record.FadingIterations = -1;
    return record;
}

TsGeneralData StartingRecord(const TsGeneralDataArray& sections, const TIniSection& section)
{
    const int existing = FindSectionIndex(sections, section.Name());
    if (existing >= 0)
        return sections[static_cast<std::size_t>(existing)];
    const TIniEntry* parentEntry = section.Find("PARENTCLASS");
    const std::string parent = parentEntry ? AsciiUpperCase(parentEntry->Value) : "-1";
    const int parentIndex = FindSectionIgnoringCase(sections, parent);
    TsGeneralData record = parentIndex >= 0 ? sections[static_cast<std::size_t>(parentIndex)]
                                            : CommonSectionDefaults();
    record.SectionName = section.Name();
    record.ParentClass = parent;
    return record;
}

void OverrideKeys(const TIniSection& section, std::span<const TSectionKey> keys, TsGeneralData& record)
{
    for (const TSectionKey& key : keys)
        if (const TIniEntry* entry = section.Find(key.Key))
            key.Store(record, ConvertKeyText(key, entry->Value));
}

TsGeneralData MergedRecord(const TsGeneralDataArray& sections, const TIniSection& section)
{
    TsGeneralData record = StartingRecord(sections, section);
    const bool showFocus = record.ShowFocus;
    OverrideKeys(section, NormalSectionKeys(), record);
    if (record.States >= 2)
        OverrideKeys(section, HotSectionKeys(), record);
    FinishSectionRecord(record);
    const TIniEntry* showFocusEntry = section.Find("SHOWFOCUS");
    record.ShowFocus = showFocusEntry ? OptionFlag(showFocusEntry->Value) : showFocus;
    return record;
}

} // namespace

TMemIniFile ParseCommonSections(const TStringList& lines)
{
    return TMemIniFile(lines, TIniLineRules::Untrimmed);
}

void MergeCommonSections(const TMemIniFile& common, TsGeneralDataArray& sections)
{
    for (const TIniSection& section : common.Sections()) {
        TsGeneralData merged = MergedRecord(sections, section);
        const int existing = FindSectionIndex(sections, section.Name());
        if (existing >= 0)
            sections[static_cast<std::size_t>(existing)] = std::move(merged);
        else
            sections.push_back(std::move(merged));
    }
}

} // namespace pp
