#pragma once
// Names of files are UTF-8 inside the program; std::filesystem turns them
// into the platform's own form (UTF-16 on Windows).
#include <filesystem>
#include <string>

namespace pp {

inline std::filesystem::path PathFromUtf8(const std::string& name)
{
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

} // namespace pp
