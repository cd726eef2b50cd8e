#pragma once
// Writer of packed skin files, the counterpart of TacSkinConvertor: the magic
// "LVzf", the entry count, then for each entry the length of its name, the
// name, the unpacked size and one zlib stream of the data, back to back.
//
// Add writes entries as the reader expects them. The raw calls write any
// field as given (another magic or count, a length or size that does not
// fit, a stream that is not the data's), so that tests can make the damage
// a reader has to survive; truncating is done on the finished bytes.
#include "skin/loading/ZCompression.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pp {

// One entry with every field as it is to be stored.
struct TRawPackageEntry {
    std::int32_t NameLength = 0;
    std::string Name;
    std::int32_t Size = 0;
    std::vector<std::uint8_t> Stream;
};

class TSkinPackageWriter {
public:
    explicit TSkinPackageWriter(int compressionLevel = ZlibBestCompression) : level_(compressionLevel) { }

    // Throws EInvalidData for a name or data the reader would refuse.
    TSkinPackageWriter& Add(const std::string& name, std::span<const std::uint8_t> data);
    TSkinPackageWriter& Add(const std::string& name, std::string_view text);
    // The entry Add would write, to be changed before AddRaw.
    TRawPackageEntry SoundEntry(const std::string& name, std::span<const std::uint8_t> data) const;

    TSkinPackageWriter& AddRaw(TRawPackageEntry entry);
    TSkinPackageWriter& RawMagic(std::string magic);
    // Stored in place of the number of entries added.
    TSkinPackageWriter& RawCount(std::int32_t count);

    std::vector<std::uint8_t> Bytes() const;

private:
    int level_;
    std::string magic_ = "LVzf";
    std::optional<std::int32_t> count_;
    std::vector<TRawPackageEntry> entries_;
};

} // namespace pp
