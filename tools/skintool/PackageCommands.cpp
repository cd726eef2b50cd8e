#include "SkinTool.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinConvertor.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace skintool {
namespace fs = std::filesystem;
namespace {

constexpr const char* OptionsName = "OPTIONS.DAT";

void AppendInt32(std::vector<std::uint8_t>& out, std::int64_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw pp::Exception("Could not compress the data");
    out.resize(size);
    return out;
}

// The options entry first, then the rest in byte order of their names.
bool PackOrder(const std::string& a, const std::string& b)
{
    const bool aOptions = pp::AsciiUpperCase(a) == OptionsName;
    const bool bOptions = pp::AsciiUpperCase(b) == OptionsName;
    if (aOptions != bOptions)
        return aOptions;
    return a < b;
}

std::vector<std::string> FilesToPack(const std::string& dir)
{
    const fs::path root = pp::PathFromUtf8(dir);
    if (!fs::is_directory(root))
        throw pp::Exception("\"" + dir + "\" is not a folder");
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(root))
        if (entry.is_regular_file())
            names.push_back(pp::Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end(), PackOrder);
    return names;
}

std::unique_ptr<pp::TacSkinConvertor> OpenPackage(const std::string& packageFile)
{
    if (!pp::FileExists(packageFile))
        throw pp::EFOpenError("Cannot open file \"" + packageFile + "\"");
    std::unique_ptr<pp::TacSkinConvertor> reader;
    pp::OpenPackedFile(reader, packageFile, true);
    return reader;
}

const pp::TMemoryStream& EntryData(pp::TacSkinConvertor& reader, const pp::TacEntryInfo& entry,
                                   std::size_t& imageIndex)
{
    if (pp::AsciiUpperCase(entry.Name) == OptionsName)
        return *reader.OptionsStream;
    return reader.Items.at(imageIndex++).Stream;
}

} // namespace

bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of("/\\:") == std::string::npos && name.find('\0') == std::string::npos;
}

void Pack(const std::string& dir, const std::string& packageFile)
{
    const std::vector<std::string> names = FilesToPack(dir);
    std::vector<std::uint8_t> out = {'L', 'V', 'z', 'f'};
    AppendInt32(out, static_cast<std::int64_t>(names.size()));
    for (const std::string& name : names) {
        if (name.size() > static_cast<std::size_t>(pp::TacSkinConvertor::MaxNameLength))
            throw pp::Exception("File name too long for a packed skin: \"" + name + "\"");
        const std::vector<std::uint8_t> data =
            pp::ReadFileBytes(pp::Utf8FromPath(pp::PathFromUtf8(dir) / pp::PathFromUtf8(name)));
        if (static_cast<std::int64_t>(data.size()) > pp::TacSkinConvertor::MaxEntrySize)
            throw pp::Exception("File too large for a packed skin: \"" + name + "\"");
        AppendInt32(out, static_cast<std::int64_t>(name.size()));
        out.insert(out.end(), name.begin(), name.end());
        AppendInt32(out, static_cast<std::int64_t>(data.size()));
        const std::vector<std::uint8_t> compressed = Compress(data);
        out.insert(out.end(), compressed.begin(), compressed.end());
    }
    pp::WriteFileBytes(packageFile, out);
}

void Unpack(const std::string& packageFile, const std::string& dir)
{
    const auto reader = OpenPackage(packageFile);
    for (const pp::TacEntryInfo& entry : reader->Directory)
        if (!IsPlainFileName(entry.Name))
            throw pp::EInvalidData("Entry \"" + entry.Name + "\" is not a plain file name; nothing was unpacked");
    fs::create_directories(pp::PathFromUtf8(dir));
    std::size_t imageIndex = 0;
    for (const pp::TacEntryInfo& entry : reader->Directory) {
        const pp::TMemoryStream& data = EntryData(*reader, entry, imageIndex);
        pp::WriteFileBytes(pp::Utf8FromPath(pp::PathFromUtf8(dir) / pp::PathFromUtf8(entry.Name)), data.Bytes());
    }
}

std::string List(const std::string& packageFile)
{
    const auto reader = OpenPackage(packageFile);
    std::ostringstream out;
    for (const pp::TacEntryInfo& entry : reader->Directory)
        out << entry.Name << '\t' << entry.Size << '\t' << entry.CompressedSize << '\n';
    return out.str();
}

} // namespace skintool
