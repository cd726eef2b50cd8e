#pragma once
// The record a skin editing tool sends to preview the skin it edits in the
// running program: a marker, the skin's name and folder, and its options
// text, each text in a fixed field ended by its first zero byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pp {

inline constexpr std::uint32_t SkinPreviewMarker = 0xA400;
// wParam of the WM_COPYDATA message that carries the record.
inline constexpr std::uintptr_t SkinPreviewCopyDataKind = 7;

inline constexpr std::size_t PreviewNameOffset = 4, PreviewNameSize = 128;
inline constexpr std::size_t PreviewDirectoryOffset = 132, PreviewDirectorySize = 513;
inline constexpr std::size_t PreviewOptionsOffset = 645, PreviewOptionsSize = 30001;
inline constexpr std::size_t SkinPreviewRecordSize = PreviewOptionsOffset + PreviewOptionsSize;

// The texts as the tool wrote them, in its code page.
struct TSkinPreviewRecord {
    std::string SkinName;
    std::string SkinDirectory;
    std::string OptionsText;
};

// None for data shorter than the record or without the marker.
std::optional<TSkinPreviewRecord> ReadSkinPreviewRecord(std::span<const std::uint8_t> data);

// What keeps a record from being written: a text that does not fit its
// field, or one holding a zero byte, would reach the program cut short.
enum class TPreviewRecordFault { None, NameTooLong, DirectoryTooLong, OptionsTooLong, ZeroByteInText };
struct TPreviewRecordBytes {
    std::vector<std::uint8_t> Bytes; // empty unless Fault is None
    TPreviewRecordFault Fault = TPreviewRecordFault::None;
};
// A text may fill its field to the end; a shorter one is ended by a zero byte.
TPreviewRecordBytes WriteSkinPreviewRecord(const TSkinPreviewRecord& record);
// "the options text is longer than the record holds (30001 bytes)" and so on.
std::string PreviewRecordFaultText(TPreviewRecordFault fault);

} // namespace pp
