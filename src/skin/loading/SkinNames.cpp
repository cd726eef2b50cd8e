#include "skin/loading/SkinNames.h"

#include "core/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace pp {
namespace fs = std::filesystem;
namespace {

// Where a skin offered by name comes from, in the order a load by that name
// looks for it: the package first, then the folder, then a stored skin.
enum class TSkinSource { Stored, Folder, Package };

struct TOfferedSkin {
    std::string Name;
    TSkinSource Source;
};

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

std::optional<TOfferedSkin> SkinOf(const fs::directory_entry& entry, int kind)
{
    std::error_code error;
    const std::string fileName = Utf8FromPath(entry.path().filename());
    if (fileName.empty() || fileName.front() == '.')
        return std::nullopt;
    if (WantsFolders(kind) && entry.is_directory(error) &&
        fs::is_regular_file(entry.path() / "Options.dat", error))
        return TOfferedSkin{fileName, TSkinSource::Folder};
    const bool package = fileName.size() > 4 && fileName.compare(fileName.size() - 4, 4, ".lvz") == 0;
    if (WantsPackages(kind) && package && entry.is_regular_file(error))
        // Only the extension goes: "pagoda.v2.lvz" is loaded by the name
        // "pagoda.v2", so that is the name to offer.
        return TOfferedSkin{fileName.substr(0, fileName.size() - 4), TSkinSource::Package};
    return std::nullopt;
}

// Two offers are one skin when a load by either name would reach the same
// one. Names of the skin directory go through the file system, which ignores
// letter case; stored skins are found by their exact name.
bool SameSkin(const TOfferedSkin& a, const TOfferedSkin& b)
{
    if (a.Source == TSkinSource::Stored && b.Source == TSkinSource::Stored)
        return a.Name == b.Name;
    return AsciiSameText(a.Name, b.Name);
}

// Each skin is offered once, under the name of the source a load would use;
// it keeps the place where it was first offered.
void Offer(std::vector<TOfferedSkin>& offers, TOfferedSkin offer)
{
    for (TOfferedSkin& existing : offers)
        if (SameSkin(existing, offer)) {
            if (offer.Source > existing.Source)
                existing = std::move(offer);
            return;
        }
    offers.push_back(std::move(offer));
}

} // namespace

std::string CollectSkinNames(TStringList& list, const std::vector<std::string>& storedNames,
                             const std::string& directory, int kind)
{
    std::vector<TOfferedSkin> offers;
    for (const std::string& name : storedNames)
        Offer(offers, {name, TSkinSource::Stored});
    std::error_code error;
    if (!directory.empty() && fs::is_directory(PathFromUtf8(directory), error))
        for (const fs::directory_entry& entry : EntriesOf(directory))
            if (std::optional<TOfferedSkin> offer = SkinOf(entry, kind))
                Offer(offers, std::move(*offer));
    const std::string first = offers.empty() ? std::string() : offers.front().Name;
    // Case-insensitive, as a user reads the menu of skins.
    std::sort(offers.begin(), offers.end(), [](const TOfferedSkin& a, const TOfferedSkin& b) {
        const std::string upperA = AsciiUpperCase(a.Name), upperB = AsciiUpperCase(b.Name);
        return upperA != upperB ? upperA < upperB : a.Name < b.Name;
    });
    list.Clear();
    for (TOfferedSkin& offer : offers)
        list.Add(std::move(offer.Name));
    return first;
}

} // namespace pp
