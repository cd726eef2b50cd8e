#include "skin/loading/SkinConvertor.h"

#include "core/ByteReader.h"
#include "skin/loading/ZDecompressionStream.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace pp {
namespace {

constexpr char PackageMagic[4] = {'L', 'V', 'z', 'f'};
constexpr const char* OptionsEntryName = "OPTIONS.DAT";

// The smallest entry: name length, size, and a zlib stream of an empty input
// (two header bytes, an empty final block of two bytes, four check bytes).
constexpr std::int64_t SmallestEntryBytes = 4 + 4 + 8;

[[noreturn]] void ThrowDamaged(const std::string& what)
{
    throw EDamagedPackedSkin("The packed skin file is damaged: " + what);
}

// Values that run past the end of the data mean a package cut short, which
// is reported as "Stream read error" like every other short read; our own
// limits apply to what the data could hold.
std::int32_t ReadEntryCount(TByteReader& in)
{
    const std::int32_t count = in.Int32();
    if (count < 0)
        ThrowDamaged("an entry count of " + std::to_string(count) + " is out of range");
    if (count > in.BytesLeft() / SmallestEntryBytes)
        throw EReadError();
    return count;
}

std::string NameLengthClaim(std::int32_t length)
{
    return "an entry name length of " + std::to_string(length) + " is out of range";
}

std::string ReadEntryName(TByteReader& in)
{
    const std::int32_t length = in.Int32();
    if (length < 0)
        ThrowDamaged(NameLengthClaim(length));
    std::string name = in.Text(static_cast<std::size_t>(length));
    if (length > TacSkinConvertor::MaxNameLength)
        ThrowDamaged(NameLengthClaim(length));
    return name;
}

std::string SizeClaim(const std::string& name, std::int32_t size)
{
    return "entry \"" + name + "\" claims " + std::to_string(size) + " bytes";
}

std::int32_t ReadEntrySize(TByteReader& in, const std::string& name)
{
    const std::int32_t size = in.Int32();
    if (size < 0)
        ThrowDamaged(SizeClaim(name, size));
    // More than the bytes left can inflate to: the stream must end too soon.
    if (size > in.BytesLeft() * ZlibMaxInflateRatio)
        throw EReadError();
    if (size > TacSkinConvertor::MaxEntrySize)
        ThrowDamaged(SizeClaim(name, size));
    return size;
}

// Inflates one entry's zlib stream into `target` and leaves the source right
// after the stream's trailer. Bytes beyond `size` are read and dropped so
// that the next entry is still found.
void InflateEntry(TStream& source, std::int32_t size, TMemoryStream& target)
{
    TZDecompressionStream inflater(source);
    std::vector<std::uint8_t>& bytes = target.Bytes();
    bytes.resize(static_cast<std::size_t>(size));
    inflater.ReadBuffer(bytes.data(), bytes.size());
    inflater.Seek(0, TSeekOrigin::End);
    // A package cut off inside the trailer: the entry's check was never seen.
    if (!inflater.Finished())
        throw EReadError();
    target.SetPosition(0);
}

} // namespace

TacSkinConvertor::~TacSkinConvertor() { DropEntries(); }

void TacSkinConvertor::SetSourceStream(TStream* borrowed)
{
    ownedSource_.reset();
    source_ = borrowed;
}

void TacSkinConvertor::SetOwnedSourceStream(std::unique_ptr<TStream> owned)
{
    source_ = owned.get();
    ownedSource_ = std::move(owned);
}

void TacSkinConvertor::ReleaseSourceStream()
{
    source_ = nullptr;
    ownedSource_.reset();
}

void TacSkinConvertor::DropEntries()
{
    while (!Items.empty())
        Items.pop_back();
    ItemCount = 0;
    OptionsStream.reset();
    Directory.clear();
    ReleaseSourceStream();
}

void TacSkinConvertor::ReadPackage()
{
    if (!source_)
        throw EInvalidData("No packed skin data to read");
    TStream& source = *source_;
    source.SetPosition(0);
    char magic[4] = {};
    if (source.Read(magic, sizeof magic) != sizeof magic ||
        std::memcmp(magic, PackageMagic, sizeof magic) != 0) {
        DropEntries();
        throw ENotPackedSkin();
    }
    TByteReader in(source);
    const std::int32_t count = ReadEntryCount(in);
    for (std::int32_t i = 0; i < count; ++i)
        ReadEntry();
    ItemCount = static_cast<int>(Items.size());
}

void TacSkinConvertor::ReadEntry()
{
    TStream& source = *source_;
    TByteReader in(source);
    std::string name = ReadEntryName(in);
    const std::int32_t size = ReadEntrySize(in, name);
    const std::int64_t start = source.Position();
    if (AsciiUpperCase(name) == OptionsEntryName) {
        // Several options entries: the last one read is the one used.
        auto options = std::make_unique<TMemoryStream>();
        InflateEntry(source, size, *options);
        OptionsStream = std::move(options);
    } else {
        TacImageItem item;
        item.FileName = name;
        InflateEntry(source, size, item.Stream);
        Items.push_back(std::move(item));
        ItemCount = static_cast<int>(Items.size());
    }
    Directory.push_back({std::move(name), size, source.Position() - start});
}

std::span<TacImageItem> TacSkinConvertor::SearchedItems()
{
    return std::span(Items).first(std::min<std::size_t>(Items.size(), std::max(ItemCount, 0)));
}

TacImageItem* TacSkinConvertor::FindItem(const std::string& name)
{
    const std::string wanted = AsciiUpperCase(name);
    for (TacImageItem& item : SearchedItems())
        if (AsciiUpperCase(item.FileName) == wanted)
            return &item;
    return nullptr;
}

TacImageItem* TacSkinConvertor::FindItemExactly(const std::string& name)
{
    for (TacImageItem& item : SearchedItems())
        if (item.FileName == name)
            return &item;
    return nullptr;
}

void OpenPackedFile(std::unique_ptr<TacSkinConvertor>& reader, const std::string& path, bool release)
{
    if (!FileExists(path))
        return;
    if (reader)
        reader->DropEntries();
    else
        reader = std::make_unique<TacSkinConvertor>();
    reader->SetOwnedSourceStream(std::make_unique<TMemoryStream>(ReadFileBytes(path)));
    try {
        reader->ReadPackage();
    } catch (const ENotPackedSkin&) {
        reader.reset();
        throw;
    }
    if (release)
        reader->ReleaseSourceStream();
}

void ReadStoredSkin(std::unique_ptr<TacSkinConvertor>& reader, TStream& data)
{
    if (reader)
        reader->DropEntries();
    else
        reader = std::make_unique<TacSkinConvertor>();
    reader->SetSourceStream(&data);
    try {
        reader->ReadPackage();
    } catch (const ENotPackedSkin&) {
        reader.reset();
        throw;
    } catch (...) {
        reader->SetSourceStream(nullptr);
        throw;
    }
    reader->SetSourceStream(nullptr);
}

} // namespace pp
