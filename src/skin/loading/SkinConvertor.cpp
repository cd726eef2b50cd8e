#include "skin/loading/SkinConvertor.h"

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
std::int32_t ReadInt32(TStream& stream)
{
    std::uint8_t bytes[4];
    stream.ReadBuffer(bytes, sizeof bytes);
    const std::uint32_t value = std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

std::int64_t BytesLeft(TStream& stream)
{
    return std::max<std::int64_t>(0, stream.Size() - stream.Position());
}

[[noreturn]] void ThrowDamaged(const std::string& what)
{
    throw EDamagedPackedSkin("The packed skin file is damaged: " + what);
}

std::string ReadEntryName(TStream& source)
{
    const std::int32_t length = ReadInt32(source);
    if (length < 0 || length > TacSkinConvertor::MaxNameLength)
        ThrowDamaged("an entry name length of " + std::to_string(length) + " is out of range");
    std::string name(static_cast<std::size_t>(length), '\0');
    source.ReadBuffer(name.data(), name.size());
    return name;
}

std::int32_t ReadEntrySize(TStream& source, const std::string& name)
{
    const std::int32_t size = ReadInt32(source);
    const std::int64_t possible = BytesLeft(source) * ZlibMaxInflateRatio;
    if (size < 0 || size > TacSkinConvertor::MaxEntrySize || size > possible)
        ThrowDamaged("entry \"" + name + "\" claims " + std::to_string(size) + " bytes");
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
    const std::int32_t count = ReadInt32(source);
    if (count < 0 || count > BytesLeft(source) / SmallestEntryBytes)
        ThrowDamaged("an entry count of " + std::to_string(count) + " is out of range");
    for (std::int32_t i = 0; i < count; ++i)
        ReadEntry();
    ItemCount = static_cast<int>(Items.size());
}

void TacSkinConvertor::ReadEntry()
{
    TStream& source = *source_;
    std::string name = ReadEntryName(source);
    const std::int32_t size = ReadEntrySize(source, name);
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

TacImageItem* TacSkinConvertor::FindItem(const std::string& name)
{
    const std::string wanted = AsciiUpperCase(name);
    const std::size_t searched = std::min<std::size_t>(Items.size(), std::max(ItemCount, 0));
    for (std::size_t i = 0; i < searched; ++i)
        if (AsciiUpperCase(Items[i].FileName) == wanted)
            return &Items[i];
    return nullptr;
}

void OpenPackedFile(std::unique_ptr<TacSkinConvertor>& reader, const std::string& path,
                    bool release)
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
