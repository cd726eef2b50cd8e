#include "skin/loading/SkinNames.h"

#include "core/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pp {
namespace fs = std::filesystem;
namespace {

bool WantsFolders(int kind) { return kind == SkinFoldersOnly || kind == SkinFoldersAndPackages; }
bool WantsPackages(int kind) { return kind == SkinPackagesOnly || kind == SkinFoldersAndPackages; }

// Folders and files of the directory; a directory that vanishes or cannot
// be read simply offers nothing.
std::vector<fs::directory_entry> EntriesOf(const std::string& directory)
{
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    fs::directory_iterator it(PathFromUtf8(directory), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        entries.push_back(*it);
    return entries;
}

std::string SkinNameOf(const fs::directory_entry& entry, int kind)
{
    std::error_code error;
    const std::string fileName = Utf8FromPath(entry.path().filename());
    if (fileName.empty() || fileName.front() == '.')
        return {};
    if (WantsFolders(kind) && entry.is_directory(error) && fs::is_regular_file(entry.path() / "Options.dat", error))
        return fileName;
    const bool package = fileName.size() > 4 && fileName.compare(fileName.size() - 4, 4, ".lvz") == 0;
    if (WantsPackages(kind) && package && entry.is_regular_file(error))
        // Only the extension goes: "pagoda.v2.lvz" is loaded by the name
        // "pagoda.v2", so that is the name to offer.
        return fileName.substr(0, fileName.size() - 4);
    return {};
}

} // namespace

std::string CollectSkinNames(TStringList& list, const std::vector<std::string>& storedNames,
                             const std::string& directory, int kind)
{
    std::vector<std::string> names = storedNames;
    std::error_code error;
    if (!directory.empty() && fs::is_directory(PathFromUtf8(directory), error))
        for (const fs::directory_entry& entry : EntriesOf(directory))
            if (std::string name = SkinNameOf(entry, kind); !name.empty())
                names.push_back(std::move(name));
    const std::string first = names.empty() ? std::string() : names.front();
    // Case-insensitive, as a user reads the menu of skins.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = AsciiUpperCase(a), upperB = AsciiUpperCase(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    list.Clear();
    for (std::string& name : names)
        list.Add(std::move(name));
    return first;
}

} // namespace pp
