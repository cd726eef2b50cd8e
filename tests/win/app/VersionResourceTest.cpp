// The programs of the release carry a version resource that Explorer shows
// (product name, version, description), and its version is the source
// tree's one version.
#include "core/Version.h"
#include "win/Text.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pp {
namespace {

struct TVersionInfo {
    std::vector<unsigned char> Block;

    std::string Text(const wchar_t* name)
    {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\000004b0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(Block.data(), key.c_str(), &value, &length) || length == 0)
            return {};
        return Utf8FromWide(static_cast<const wchar_t*>(value));
    }

    const VS_FIXEDFILEINFO* Fixed()
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(Block.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }
};

TVersionInfo VersionOf(const std::string& path)
{
    const std::wstring widePath = WideFromUtf8(path);
    TVersionInfo info;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(widePath.c_str(), &ignored);
    if (size == 0)
        return info;
    info.Block.resize(size);
    if (!GetFileVersionInfoW(widePath.c_str(), 0, size, info.Block.data()))
        info.Block.clear();
    return info;
}

TEST(VersionResource, ProgramsCarryProductNameVersionAndDescription)
{
    struct TCase {
        const char* Path;
        const char* FileName;
        const char* Description;
    };
    const TCase cases[] = {
        {"/src/app/Pindrel_Port.exe", "Pindrel_Port.exe",
         "Pindrel_Port: управление линиями данных D0-D7 параллельного порта"},
        {"/tools/skintool/skintool.exe", "skintool.exe",
         "Pindrel_Port skintool: pack, list, decode and render skins"},
    };
    for (const TCase& c : cases) {
        TVersionInfo info = VersionOf(std::string(PP_BINARY_DIR) + c.Path);
        ASSERT_FALSE(info.Block.empty()) << c.Path << " has no version resource";
        EXPECT_EQ(info.Text(L"ProductName"), "Pindrel_Port") << c.Path;
        EXPECT_EQ(info.Text(L"ProductVersion"), PP_VERSION_TEXT) << c.Path;
        EXPECT_EQ(info.Text(L"FileVersion"), PP_VERSION_TEXT) << c.Path;
        EXPECT_EQ(info.Text(L"OriginalFilename"), c.FileName) << c.Path;
        EXPECT_EQ(info.Text(L"FileDescription"), c.Description) << c.Path;
        const VS_FIXEDFILEINFO* fixed = info.Fixed();
        ASSERT_NE(fixed, nullptr) << c.Path;
        EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(PP_VERSION_MAJOR << 16 | PP_VERSION_MINOR))
            << c.Path;
        EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(PP_VERSION_PATCH << 16)) << c.Path;
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS) << c.Path;
    }
}

} // namespace
} // namespace pp
