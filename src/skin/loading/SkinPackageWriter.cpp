#include "skin/loading/SkinPackageWriter.h"

#include "core/ByteWriter.h"
#include "skin/loading/SkinConvertor.h"

namespace pp {

TRawPackageEntry TSkinPackageWriter::SoundEntry(const std::string& name,
                                                std::span<const std::uint8_t> data) const
{
    if (name.size() > static_cast<std::size_t>(TacSkinConvertor::MaxNameLength))
        throw EInvalidData("File name too long for a packed skin: \"" + name + "\"");
    if (data.size() > static_cast<std::uint64_t>(TacSkinConvertor::MaxEntrySize))
        throw EInvalidData("File too large for a packed skin: \"" + name + "\"");
    return {static_cast<std::int32_t>(name.size()), name, static_cast<std::int32_t>(data.size()),
            ZlibCompress(data, level_)};
}

TSkinPackageWriter& TSkinPackageWriter::Add(const std::string& name, std::span<const std::uint8_t> data)
{
    return AddRaw(SoundEntry(name, data));
}

TSkinPackageWriter& TSkinPackageWriter::Add(const std::string& name, std::string_view text)
{
    return Add(name, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TSkinPackageWriter& TSkinPackageWriter::AddRaw(TRawPackageEntry entry)
{
    entries_.push_back(std::move(entry));
    return *this;
}

TSkinPackageWriter& TSkinPackageWriter::RawMagic(std::string magic)
{
    magic_ = std::move(magic);
    return *this;
}

TSkinPackageWriter& TSkinPackageWriter::RawCount(std::int32_t count)
{
    count_ = count;
    return *this;
}

std::vector<std::uint8_t> TSkinPackageWriter::Bytes() const
{
    TByteWriter out;
    out.Text(magic_).Int32(count_.value_or(static_cast<std::int32_t>(entries_.size())));
    for (const TRawPackageEntry& entry : entries_)
        out.Int32(entry.NameLength).Text(entry.Name).Int32(entry.Size).Bytes(entry.Stream);
    return out.Take();
}

} // namespace pp
