// The program's executable carries its manifest, and the test programs carry
// the same one, so that the controls in the tests are the ones users get.
#include "win/Text.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace pp {
namespace {

// The manifest resource (1 of type 24) of a module, empty when it has none.
std::string ManifestOf(HMODULE module)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, resource));
}

std::string ManifestOfProgram()
{
    const std::wstring path = WideFromUtf8(std::string(PP_BINARY_DIR) + "/src/app/Pindrel_Port.exe");
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module)
        return {};
    std::string manifest = ManifestOf(module);
    FreeLibrary(module);
    return manifest;
}

TEST(Manifest, ProgramDeclaresControlsPrivilegesSystemsAndDpi)
{
    const std::string manifest = ManifestOfProgram();
    ASSERT_FALSE(manifest.empty()) << "Pindrel_Port.exe has no manifest";
    const char* declarations[] = {
        R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
        R"(level="asInvoker")",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
        ">false</dpiAware>",
        ">unaware</dpiAwareness>",
    };
    for (const char* declaration : declarations)
        EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
}

TEST(Manifest, TestProgramsRunWithTheProgramsManifest)
{
    EXPECT_EQ(ManifestOf(GetModuleHandleW(nullptr)), ManifestOfProgram());
    // The manifest is in force: the common controls come from the
    // side-by-side assembly of version 6, not the system folder's version 5.
    HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(controls, path, static_cast<DWORD>(std::size(path)));
    std::wstring lowered = path;
    CharLowerW(lowered.data());
    EXPECT_NE(lowered.find(L"microsoft.windows.common-controls"), std::wstring::npos) << Utf8FromWide(path);
}

} // namespace
} // namespace pp
