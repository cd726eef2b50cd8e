#include "skin/loading/SkinPreviewRecord.h"

#include <algorithm>
#include <utility>

namespace pp {
namespace {

std::string FieldText(std::span<const std::uint8_t> data, std::size_t offset, std::size_t size)
{
    const auto field = data.subspan(offset, size);
    const auto end = std::ranges::find(field, std::uint8_t(0));
    return std::string(field.begin(), end);
}

std::uint32_t MarkerOf(std::span<const std::uint8_t> data)
{
    return std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 | std::uint32_t(data[2]) << 16 |
           std::uint32_t(data[3]) << 24;
}

struct TFieldPlace {
    std::size_t Offset, Size;
    TPreviewRecordFault TooLong;
};

TPreviewRecordFault FieldFault(const std::string& text, const TFieldPlace& place)
{
    if (text.size() > place.Size)
        return place.TooLong;
    if (text.find('\0') != std::string::npos)
        return TPreviewRecordFault::ZeroByteInText;
    return TPreviewRecordFault::None;
}

} // namespace

TPreviewRecordBytes WriteSkinPreviewRecord(const TSkinPreviewRecord& record)
{
    const std::pair<const std::string*, TFieldPlace> fields[] = {
        {&record.SkinName, {PreviewNameOffset, PreviewNameSize, TPreviewRecordFault::NameTooLong}},
        {&record.SkinDirectory,
         {PreviewDirectoryOffset, PreviewDirectorySize, TPreviewRecordFault::DirectoryTooLong}},
        {&record.OptionsText,
         {PreviewOptionsOffset, PreviewOptionsSize, TPreviewRecordFault::OptionsTooLong}},
    };
    TPreviewRecordBytes out;
    for (const auto& [text, place] : fields)
        if ((out.Fault = FieldFault(*text, place)) != TPreviewRecordFault::None)
            return out;
    out.Bytes.assign(SkinPreviewRecordSize, 0);
    for (int shift = 0; shift < 32; shift += 8)
        out.Bytes[shift / 8] = std::uint8_t(SkinPreviewMarker >> shift);
    for (const auto& [text, place] : fields)
        std::ranges::copy(*text, out.Bytes.begin() + std::ptrdiff_t(place.Offset));
    return out;
}

std::string PreviewRecordFaultText(TPreviewRecordFault fault)
{
    switch (fault) {
    case TPreviewRecordFault::None: return {};
    case TPreviewRecordFault::NameTooLong:
        return "the skin name is longer than the record holds (" + std::to_string(PreviewNameSize) +
               " bytes)";
    case TPreviewRecordFault::DirectoryTooLong:
        return "the skin directory is longer than the record holds (" + std::to_string(PreviewDirectorySize) +
               " bytes)";
    case TPreviewRecordFault::OptionsTooLong:
        return "the options text is longer than the record holds (" + std::to_string(PreviewOptionsSize) +
               " bytes)";
    case TPreviewRecordFault::ZeroByteInText: return "a text of the record holds a zero byte";
    }
    return {};
}

std::optional<TSkinPreviewRecord> ReadSkinPreviewRecord(std::span<const std::uint8_t> data)
{
    if (data.size() < SkinPreviewRecordSize || MarkerOf(data) != SkinPreviewMarker)
        return std::nullopt;
    return TSkinPreviewRecord{FieldText(data, PreviewNameOffset, PreviewNameSize),
                              FieldText(data, PreviewDirectoryOffset, PreviewDirectorySize),
                              FieldText(data, PreviewOptionsOffset, PreviewOptionsSize)};
}

} // namespace pp
