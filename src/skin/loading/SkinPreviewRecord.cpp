#include "skin/loading/SkinPreviewRecord.h"

#include <algorithm>

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

} // namespace

std::optional<TSkinPreviewRecord> ReadSkinPreviewRecord(std::span<const std::uint8_t> data)
{
    if (data.size() < SkinPreviewRecordSize || MarkerOf(data) != SkinPreviewMarker)
        return std::nullopt;
    return TSkinPreviewRecord{FieldText(data, PreviewNameOffset, PreviewNameSize),
                              FieldText(data, PreviewDirectoryOffset, PreviewDirectorySize),
                              FieldText(data, PreviewOptionsOffset, PreviewOptionsSize)};
}

} // namespace pp
