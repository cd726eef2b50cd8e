#pragma once
// Reader of packed skin files ("LVzf"): a count, then entries of a name, an
// unpacked size and one zlib stream each, stored back to back. The reader
// inflates every entry into memory at once; the options entry (named
// "Options.dat" in any letter case) is kept apart from the image entries.
#include "core/Error.h"
#include "core/Stream.h"
#include "core/StringList.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pp {

// The data is not a packed skin at all (wrong magic). The reader that saw it
// has dropped its entries; OpenPackedFile and ReadStoredSkin also destroy it.
class ENotPackedSkin : public EInvalidData {
public:
    ENotPackedSkin() : EInvalidData("Loaded data is not a packed Lumivex file") { }
};

// A packed skin with a negative count, name length or size, or a name or
// entry beyond the reader's limits. Values that run past the end of the data
// are a package cut short and fail with "Stream read error" instead.
class EDamagedPackedSkin : public EInvalidData {
public:
    using EInvalidData::EInvalidData;
};

struct TacImageItem {
    std::string FileName; // exactly as stored
    TMemoryStream Stream; // the inflated bytes
};
using TacImageItems = std::vector<TacImageItem>;

// Every entry as stored, the options entry included, for tools that list or
// unpack a package.
struct TacEntryInfo {
    std::string Name;
    std::int64_t Size = 0;           // unpacked bytes
    std::int64_t CompressedSize = 0; // bytes of the zlib stream
};

class TacSkinConvertor {
public:
    // Longest entry name and largest unpacked entry we accept; anything beyond
    // comes from a damaged or hostile file.
    static constexpr std::int32_t MaxNameLength = 1024;
    static constexpr std::int64_t MaxEntrySize = std::int64_t(256) << 20;

    TacSkinConvertor() = default;
    ~TacSkinConvertor();
    TacSkinConvertor(const TacSkinConvertor&) = delete;
    TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

    // Number of image entries; lookups search exactly this many items.
    int ItemCount = 0;
    TacImageItems Items;
    // The inflated options entry, or null when the package has none.
    std::unique_ptr<TMemoryStream> OptionsStream;
    // All entries read, in package order.
    std::vector<TacEntryInfo> Directory;

    // The packed bytes. A borrowed stream (a stored skin's data) is only
    // detached by DropEntries; an owned one is freed.
    TStream* SourceStream() const { return source_; }
    void SetSourceStream(TStream* borrowed);
    void SetOwnedSourceStream(std::unique_ptr<TStream> owned);
    void ReleaseSourceStream();

    // Parses SourceStream from position 0. Throws ENotPackedSkin (after
    // dropping everything), EDamagedPackedSkin, EZDecompressionError or
    // EReadError; entries read before the failure stay.
    void ReadPackage();
    // Frees the items last to first, the options and an owned source.
    void DropEntries();
    // First of the first ItemCount items whose name equals `name` when both
    // are upper-cased (ASCII); null when none.
    TacImageItem* FindItem(const std::string& name);
    // First of the first ItemCount items named exactly `name`; null when none.
    TacImageItem* FindItemExactly(const std::string& name);

private:
    void ReadEntry();
    // The items lookups search.
    std::span<TacImageItem> SearchedItems();
    TStream* source_ = nullptr;
    std::unique_ptr<TStream> ownedSource_;
};

// Reads the packed file at `path` into `reader` (reused after DropEntries
// when it exists, created otherwise). Does nothing when there is no such
// file. With `release` the raw bytes are freed after reading. On a wrong
// magic the reader is destroyed and `reader` becomes null before the throw.
void OpenPackedFile(std::unique_ptr<TacSkinConvertor>& reader, const std::string& path, bool release);

// Reads a skin package held in `data` (a stored skin's bytes) without taking
// it over: `data` stays intact and is detached again afterwards, also on
// failure. On a wrong magic `reader` becomes null before the throw.
void ReadStoredSkin(std::unique_ptr<TacSkinConvertor>& reader, TStream& data);

} // namespace pp
