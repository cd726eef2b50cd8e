#include "support/SkinPackageBuilder.h"

#include <zlib.h>

#include <stdexcept>

namespace pptest {

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data, int level)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
        throw std::runtime_error("deflate failed");
    out.resize(size);
    return out;
}

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

void AppendInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

TSkinPackageBuilder& TSkinPackageBuilder::Entry(const std::string& name, const std::vector<std::uint8_t>& data)
{
    return RawEntry(static_cast<std::int32_t>(name.size()), name, static_cast<std::int32_t>(data.size()),
                    ZlibCompress(data));
}

TSkinPackageBuilder& TSkinPackageBuilder::RawEntry(std::int32_t nameLength, const std::string& name,
                                                   std::int32_t size, const std::vector<std::uint8_t>& compressed)
{
    AppendInt32(entries_, nameLength);
    entries_.insert(entries_.end(), name.begin(), name.end());
    AppendInt32(entries_, size);
    entries_.insert(entries_.end(), compressed.begin(), compressed.end());
    ++entryCount_;
    return *this;
}

TSkinPackageBuilder& TSkinPackageBuilder::Count(std::int32_t count)
{
    count_ = count;
    countGiven_ = true;
    return *this;
}

std::vector<std::uint8_t> TSkinPackageBuilder::Build() const
{
    std::vector<std::uint8_t> out(magic_.begin(), magic_.end());
    AppendInt32(out, countGiven_ ? count_ : entryCount_);
    out.insert(out.end(), entries_.begin(), entries_.end());
    return out;
}

} // namespace pptest
