#pragma once
// Small skins written for the manager tests: options texts, skin folders
// and packages in a private skin directory, and stored skins.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pp::test {

using TSkinFiles = std::map<std::string, std::vector<std::uint8_t>>;
using TBytes = std::vector<std::uint8_t>;

TBytes BytesOf(const std::string& text);
// An options file naming its version, and a section that tells skins apart.
std::string OptionsText(const std::string& version, const std::string& marker = "");
TSkinFiles SkinWithVersion(const std::string& version, const std::string& marker = "");
// The files as a skin package.
TBytes PackSkin(const TSkinFiles& files);

// A fresh skin directory in the temporary folder, removed afterwards.
class TSkinDirectory {
public:
    TSkinDirectory();
    ~TSkinDirectory();
    TSkinDirectory(const TSkinDirectory&) = delete;
    TSkinDirectory& operator=(const TSkinDirectory&) = delete;
    // Without a trailing separator, as a skin directory is set.
    const std::string& Path() const { return path_; }
    void WriteFolder(const std::string& name, const TSkinFiles& files) const;
    void WritePackage(const std::string& fileName, const TBytes& bytes) const;

private:
    std::string path_;
};

} // namespace pp::test
