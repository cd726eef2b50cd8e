// Skin names, package paths and relative skin directories.
#include "skin/loading/SkinLocation.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

struct TNameCase {
    const char* Given;
    const char* Expected;
};

TEST(SkinLocationTest, PackageExtensionIsCutInAnyCaseButNeverTheWholeName)
{
    const TNameCase cases[] = {
        {"Beijing.lvz", "Beijing"},
        {"Beijing.LVZ", "Beijing"},
        {"Beijing.LvZ", "Beijing"},
        {"x.lvz", "x"},
        {".lvz", ".lvz"},
        {"Beijing", "Beijing"},
        {"Beijing.lvz.bak", "Beijing.lvz.bak"},
        {"lvz", "lvz"},
        {"", ""},
    };
    for (const TNameCase& c : cases)
        EXPECT_EQ(StripPackageExtension(c.Given), c.Expected) << c.Given;
}

TEST(SkinLocationTest, PackagePathJoinsDirectoryNameAndExtension)
{
    const TNameCase cases[] = {
        {"c:\\Skins", "c:\\Skins\\Beijing.lvz"},
        {"c:\\Skins\\", "c:\\Skins\\Beijing.lvz"},
        {"c:\\Skins/", "c:\\Skins\\Beijing.lvz"},
        {"d", "d:\\Beijing.lvz"},
        {"", "\\Beijing.lvz"},
    };
    for (const TNameCase& c : cases)
        EXPECT_EQ(PackagePath(c.Given, "Beijing"), c.Expected) << c.Given;
}

TEST(SkinLocationTest, RelativeDirectoriesAreTakenFromTheProgramFolder)
{
    const std::string program = "C:\\Tools\\Pindrel\\";
    const TNameCase cases[] = {
        {"..\\Skins", "C:\\Tools\\Skins"},          {".\\Skins", "C:\\Tools\\Pindrel\\Skins"},
        {"./Skins", "C:\\Tools\\Pindrel\\Skins"},   {".", "C:\\Tools\\Pindrel\\"},
        {"Skins", "C:\\Tools\\Pindrel\\Skins"},     {"c:\\Skins", "c:\\Skins"},
        {"\\\\server\\Skins", "\\\\server\\Skins"},
    };
    for (const TNameCase& c : cases)
        EXPECT_EQ(ResolveSkinDirectory(c.Given, program), c.Expected) << c.Given;
}

} // namespace
} // namespace pp
