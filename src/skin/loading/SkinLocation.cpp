#include "skin/loading/SkinLocation.h"

#include "core/StringList.h"

namespace pp {
namespace {

constexpr std::string_view PackageExtension = ".lvz";

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The program folder without its last folder name, still ending with "\".
std::string ParentFolder(const std::string& programFolder)
{
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    const std::size_t cut = folder.find_last_of('\\');
    return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}

} // namespace

std::string StripPackageExtension(const std::string& name)
{
    if (name.size() <= PackageExtension.size())
        return name;
    const std::string tail = name.substr(name.size() - PackageExtension.size());
    return AsciiSameText(tail, PackageExtension) ? name.substr(0, name.size() - PackageExtension.size())
                                                 : name;
}

std::string WithTrailingBackslash(const std::string& directory)
{
    std::string result = directory;
    if (result.size() == 1)
        return result + ":\\";
    if (!result.empty() && result.back() == '/')
        result.back() = '\\';
    if (result.empty() || result.back() != '\\')
        result += '\\';
    return result;
}

std::string PackagePath(const std::string& directory, const std::string& name)
{
    return WithTrailingBackslash(directory) + name + std::string(PackageExtension);
}

std::string ResolveSkinDirectory(const std::string& directory, const std::string& programFolder)
{
    if (StartsWith(directory, ".."))
        return ParentFolder(programFolder) + (directory.size() > 3 ? directory.substr(3) : std::string());
    if (StartsWith(directory, ".\\") || StartsWith(directory, "./"))
        return programFolder + directory.substr(2);
    if (directory == ".")
        return programFolder;
    if (directory.find(':') == std::string::npos && directory.find("\\\\") == std::string::npos)
        return programFolder + directory;
    return directory;
}

} // namespace pp
