#include "skin/loading/SkinFileSource.h"

#include "core/StringList.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinConvertor.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pp {
namespace {

std::string PlatformPath(std::string path)
{
#ifndef _WIN32
    for (char& c : path)
        if (c == '\\')
            c = '/';
#endif
    return path;
}

// The entry of `folder` whose name equals `name` but for letter case.
std::filesystem::path EntryIgnoringCase(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (AsciiSameText(Utf8FromPath(entry.path().filename()), name))
            return entry.path();
    return {};
}

// Resolves every part of the path in turn, each exactly when it exists and
// otherwise without regard to letter case.
std::string FindIgnoringCase(const std::string& path)
{
    const std::filesystem::path wanted = PathFromUtf8(path);
    std::filesystem::path found = wanted.root_path();
    std::error_code error;
    for (const std::filesystem::path& part : wanted.relative_path()) {
        std::filesystem::path next = found / part;
        if (!std::filesystem::exists(next, error))
            next = EntryIgnoringCase(found.empty() ? "." : found, Utf8FromPath(part));
        if (next.empty())
            return {};
        found = std::move(next);
    }
    return std::filesystem::is_regular_file(found, error) ? Utf8FromPath(found) : std::string();
}

} // namespace

std::string TSkinFolderSource::ResolveFile(const std::string& name) const
{
    if (name.empty())
        return {};
    const std::string path = PlatformPath(name.find(':') != std::string::npos ? name : folder_ + name);
    if (FileExists(path))
        return path;
    return FindIgnoringCase(path);
}

std::unique_ptr<TStream> TSkinFolderSource::Open(const std::string& name) const
{
    const std::string file = ResolveFile(name);
    if (file.empty())
        return nullptr;
    return std::make_unique<TMemoryStream>(ReadFileBytes(file));
}

std::unique_ptr<TStream> TSkinPackageSource::Open(const std::string& name) const
{
    const TacImageItem* item = package_.FindItemExactly(name);
    if (!item)
        item = package_.FindItem(name);
    if (!item)
        return nullptr;
    const auto& bytes = item->Stream.Bytes();
    return std::make_unique<TSpanStream>(bytes.data(), bytes.size());
}

} // namespace pp
