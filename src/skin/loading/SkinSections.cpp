#include "skin/loading/SkinSections.h"

#include "skin/loading/OptionValues.h"
#include "skin/loading/SectionKeys.h"
#include "skin/loading/SectionValueReader.h"

namespace pp {
namespace {

TKeyValue ReadInherited(const TSectionValueReader& reader, const std::string& section, const TSectionKey& key)
{
    TKeyValue value;
    switch (key.Form) {
    case TKeyForm::Text: value.Text = reader.ReadText(section, key.Key, key.TextDefault); break;
    case TKeyForm::Flag: value.Number = reader.ReadFlag(section, key.Key, key.Default != 0) ? 1 : 0; break;
    case TKeyForm::ColorRGB:
        value.Number = static_cast<std::int32_t>(
            OptionColorToRGB(reader.ReadInteger(section, key.Key, key.Default)));
        break;
    case TKeyForm::Byte: value.Number = reader.ReadInteger(section, key.Key, key.Default) & 0xFF; break;
    case TKeyForm::Integer:
    case TKeyForm::Color: value.Number = reader.ReadInteger(section, key.Key, key.Default); break;
    }
    return value;
}

void ReadKeys(const TSectionValueReader& reader, std::span<const TSectionKey> keys, TsGeneralData& record)
{
    for (const TSectionKey& key : keys)
        key.Store(record, ReadInherited(reader, record.SectionName, key));
}

TsGeneralData ReadSectionRecord(const TSectionValueReader& reader, const std::string& name)
{
    TsGeneralData record;
    record.SectionName = name;
    record.ParentClass = reader.ParentOf(name);
    ReadKeys(reader, NormalSectionKeys(), record);
    if (record.States >= 2)
        ReadKeys(reader, HotSectionKeys(), record);
    FinishSectionRecord(record);
    return record;
}

} // namespace

TsGeneralDataArray ReadSectionRecords(const TMemIniFile& options)
{
    const TSectionValueReader reader(options);
    TsGeneralDataArray sections;
    sections.reserve(options.Sections().size());
    for (const TIniSection& section : options.Sections())
        sections.push_back(ReadSectionRecord(reader, section.Name()));
    return sections;
}

int FindSectionIndex(const TsGeneralDataArray& sections, std::string_view name)
{
    if (name.empty())
        return -1;
    for (std::size_t i = 0; i < sections.size(); ++i)
        if (sections[i].SectionName == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace pp
