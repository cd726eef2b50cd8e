#include "skin/loading/SkinReport.h"
#include "SkinFixture.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TEST(SkinReport, NamesSectionsImagesAndColours)
{
    pptest::TSkinFolder folder;
    folder.Write("M.BMP", pptest::SolidBmp(100, 50, 0x334455));
    folder.Write("B.BMP", pptest::SolidBmp(9, 6, 0x334455));
    const std::string text =
        "[GLOBALINFO]\nVERSION=7.5\nAUTHOR=Skin Maker\nMASTERBITMAP=M.BMP\n"
        "[Button]\nbordersmask=b.bmp\nCOLOR=$123456\n"
        "[CHILD]\nPARENTCLASS=Button\nSTATES=1\nGLYPHMASK=#g (0,0,30,10) (3)\n";
    const TsLoadedSkin skin = pptest::LoadFromFolder(text, folder);
    const std::string report = DescribeSkin(skin, TMemIniFile(text));

    // The whole line holding `text`.
    auto line = [&](const std::string& text) {
        const std::size_t at = report.find(text);
        if (at == std::string::npos)
            return std::string();
        const std::size_t begin = report.rfind('\n', at) + 1;
        return report.substr(begin, report.find('\n', at) - begin);
    };
    EXPECT_EQ(line("Version"), "Version: 7.5");
    EXPECT_EQ(line("Author"), "Author: Skin Maker");
    EXPECT_LT(report.find("GLOBALINFO"), report.find("Button"));
    EXPECT_NE(line("2  CHILD").find("parent Button"), std::string::npos) << report;
    EXPECT_NE(line("2  CHILD").find("states 1"), std::string::npos) << report;
    EXPECT_NE(line("BUTTON           BORDERSMASK").find("bitmap file"), std::string::npos) << report;
    EXPECT_NE(line("BUTTON           BORDERSMASK").find("own 9x6"), std::string::npos) << report;
    const std::string glyph = line("GLYPHMASK");
    EXPECT_NE(glyph.find("# master rectangle"), std::string::npos) << report;
    EXPECT_NE(glyph.find("rect 0,0,30,10"), std::string::npos) << report;
    EXPECT_NE(glyph.find("borders 10/10/10/10"), std::string::npos) << report;
    EXPECT_EQ(line("bottom colour"), "   2  bottom colour                $FF0000");
    EXPECT_NE(line("Master bitmap"), "");
}

} // namespace
} // namespace pp
