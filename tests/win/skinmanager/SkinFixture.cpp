#include "skinmanager/SkinFixture.h"

#include "core/Stream.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinPackageWriter.h"
#include "win/Text.h"

#include <atomic>
#include <filesystem>

namespace pp::test {
namespace fs = std::filesystem;
namespace {

std::string TempFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, buffer);
    return Utf8FromWide(buffer);
}

} // namespace

TBytes BytesOf(const std::string& text) { return TBytes(text.begin(), text.end()); }

std::string OptionsText(const std::string& version, const std::string& marker)
{
    return "[GLOBALINFO]\r\nVERSION=" + version + "\r\nAUTHOR=" + marker +
           "\r\n[BUTTON]\r\nCOLOR=" + std::to_string(marker.size()) + "\r\n";
}

TSkinFiles SkinWithVersion(const std::string& version, const std::string& marker)
{
    return {{"Options.dat", BytesOf(OptionsText(version, marker))}};
}

TBytes PackSkin(const TSkinFiles& files)
{
    TSkinPackageWriter writer;
    for (const auto& [name, data] : files)
        writer.Add(name, data);
    return writer.Bytes();
}

TSkinDirectory::TSkinDirectory()
{
    static std::atomic<int> counter{0};
    path_ = TempFolder() + "pp-skins-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    fs::create_directories(PathFromUtf8(path_));
}

TSkinDirectory::~TSkinDirectory()
{
    std::error_code ignored;
    fs::remove_all(PathFromUtf8(path_), ignored);
}

void TSkinDirectory::WriteFolder(const std::string& name, const TSkinFiles& files) const
{
    const fs::path folder = PathFromUtf8(path_ + "\\" + name);
    fs::create_directories(folder);
    for (const auto& [file, data] : files)
        WriteFileBytes(Utf8FromPath(folder / PathFromUtf8(file)), data);
}

void TSkinDirectory::WritePackage(const std::string& fileName, const TBytes& bytes) const
{
    WriteFileBytes(path_ + "\\" + fileName, bytes);
}

} // namespace pp::test
