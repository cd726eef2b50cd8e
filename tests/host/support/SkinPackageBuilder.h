#pragma once
// Builds packed skin files byte by byte for tests, including damaged ones.
#include <cstdint>
#include <string>
#include <vector>

namespace pptest {

// One zlib stream of `data`.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data, int level = 6);
std::vector<std::uint8_t> BytesOf(const std::string& text);

class TSkinPackageBuilder {
public:
    explicit TSkinPackageBuilder(std::string magic = "LVzf") : magic_(std::move(magic)) {}

    // An entry whose stored size is the data's size.
    TSkinPackageBuilder& Entry(const std::string& name, const std::vector<std::uint8_t>& data);
    TSkinPackageBuilder& Entry(const std::string& name, const std::string& text) { return Entry(name, BytesOf(text)); }
    // An entry with every field given as it is to be stored.
    TSkinPackageBuilder& RawEntry(std::int32_t nameLength, const std::string& name, std::int32_t size,
                                  const std::vector<std::uint8_t>& compressed);
    // Overrides the stored entry count.
    TSkinPackageBuilder& Count(std::int32_t count);

    std::vector<std::uint8_t> Build() const;

private:
    std::string magic_;
    std::vector<std::uint8_t> entries_;
    std::int32_t count_ = 0;
    bool countGiven_ = false;
    std::int32_t entryCount_ = 0;
};

void AppendInt32(std::vector<std::uint8_t>& out, std::int32_t value);

} // namespace pptest
