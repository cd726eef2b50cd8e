#include "SkinTool.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinPackageWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace skintool {
namespace fs = std::filesystem;
namespace {

constexpr const char* OptionsName = "OPTIONS.DAT";

void DamageEntry(pp::TRawPackageEntry& entry, TPackageDamage damage)
{
    if (damage == TPackageDamage::Check)
        entry.Stream.back() ^= 0xFF; // the last byte of the Adler-32 trailer
    else if (damage == TPackageDamage::Size)
        ++entry.Size;
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

TPackageDamage PackageDamageNamed(const std::string& name)
{
    static const std::pair<const char*, TPackageDamage> names[] = {
        {"magic", TPackageDamage::Magic},
        {"truncate", TPackageDamage::Truncate},
        {"check", TPackageDamage::Check},
        {"size", TPackageDamage::Size},
    };
    for (const auto& [text, damage] : names)
        if (name == text)
            return damage;
    throw pp::Exception("Unknown damage \"" + name + "\" (magic, truncate, check or size)");
}

void Pack(const std::string& dir, const std::string& packageFile, TPackageDamage damage)
{
    pp::TSkinPackageWriter writer;
    if (damage == TPackageDamage::Magic)
        writer.RawMagic("LVzX");
    const std::vector<std::string> names = FilesToPack(dir);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::vector<std::uint8_t> data = pp::ReadFileBytes(
            pp::Utf8FromPath(pp::PathFromUtf8(dir) / pp::PathFromUtf8(names[i])));
        pp::TRawPackageEntry entry = writer.SoundEntry(names[i], data);
        if (i == 0)
            DamageEntry(entry, damage);
        writer.AddRaw(std::move(entry));
    }
    std::vector<std::uint8_t> bytes = writer.Bytes();
    if (damage == TPackageDamage::Truncate)
        bytes.resize(bytes.size() / 2);
    pp::WriteFileBytes(packageFile, bytes);
}

void Unpack(const std::string& packageFile, const std::string& dir)
{
    const auto reader = OpenPackage(packageFile);
    for (const pp::TacEntryInfo& entry : reader->Directory)
        if (!IsPlainFileName(entry.Name))
            throw pp::EInvalidData("Entry \"" + entry.Name +
                                   "\" is not a plain file name; nothing was unpacked");
    fs::create_directories(pp::PathFromUtf8(dir));
    std::size_t imageIndex = 0;
    for (const pp::TacEntryInfo& entry : reader->Directory) {
        const pp::TMemoryStream& data = EntryData(*reader, entry, imageIndex);
        pp::WriteFileBytes(pp::Utf8FromPath(pp::PathFromUtf8(dir) / pp::PathFromUtf8(entry.Name)),
                           data.Bytes());
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
