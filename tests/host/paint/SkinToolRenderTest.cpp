// `skintool render` run as a skin author runs it: what it paints for the
// default skin's button, and every way it refuses, without leaving a file.
#include "skin/loading/PngImage.h"
#include "support/PngWriter.h"

#include "core/Stream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace pp {
namespace {
namespace fs = std::filesystem;

class SkinToolRender : public testing::Test {
protected:
    void SetUp() override
    {
        tool_ = fs::path(PP_BINARY_DIR) / "tools" / "skintool" / "skintool";
        if (!fs::exists(tool_))
            GTEST_SKIP() << "skintool is not built";
        dir_ = fs::path(PP_BINARY_DIR) / "skintool-render-test" /
               testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        skin_ = std::string(PP_SOURCE_DIR) + "/skins/Beijing";
    }

    int Run(const std::string& args)
    {
        const std::string command = tool_.string() + " render " + args + " >" + Path("out.txt") + " 2>" +
                                    Path("err.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Errors()
    {
        std::ifstream in(dir_ / "err.txt");
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    TBitmap Rendered()
    {
        TMemoryStream png(ReadFileBytes(Path("item.png")));
        return LoadPngFromStream(png);
    }
    // 0xAARRGGBB of a decoded pixel.
    static std::uint32_t At(const TBitmap& b, int x, int y)
    {
        const TBGRA p = b.Pixel32(x, y);
        return std::uint32_t(p.A) << 24 | std::uint32_t(p.R) << 16 | std::uint32_t(p.G) << 8 | p.B;
    }

    fs::path tool_;
    fs::path dir_;
    std::string skin_;
};

TEST_F(SkinToolRender, PaintsTheButtonOverTheBackdropItIsGiven)
{
    // The button's corner pixel is transparent in its image: it shows what
    // lies behind, the skin's global colour (250, 244, 228) by default.
    ASSERT_EQ(Run(skin_ + " BUTTON 75x25 " + Path("item.png") + " --state 1"), 0) << Errors();
    TBitmap item = Rendered();
    ASSERT_EQ(item.Width(), 75);
    ASSERT_EQ(item.Height(), 25);
    EXPECT_EQ(At(item, 0, 0), 0xFFFAF4E4u);

    ASSERT_EQ(Run(skin_ + " BUTTON 75x25 " + Path("item.png") + " --backdrop 204060"), 0) << Errors();
    EXPECT_EQ(At(Rendered(), 74, 24), 0xFF204060u);

    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 80 * 30; ++i)
        rgba.insert(rgba.end(), {0x10, 0x80, 0x30, 0xFF});
    WriteFileBytes(Path("behind.png"), pptest::EncodeRgbaPng(80, 30, rgba));
    ASSERT_EQ(Run(skin_ + " BUTTON 75x25 " + Path("item.png") + " --backdrop " + Path("behind.png")), 0)
        << Errors();
    EXPECT_EQ(At(Rendered(), 74, 0), 0xFF108030u);
}

TEST_F(SkinToolRender, RefusesWithAMessageAndWritesNothing)
{
    WriteFileBytes(Path("small.png"), pptest::EncodeRgbaPng(10, 10, std::vector<std::uint8_t>(400, 0xFF)));
    struct TCase {
        std::string Args;
        std::string Message;
    } cases[] = {
        {skin_ + " NOSUCH 75x25 ITEM", "no section \"NOSUCH\""},
        {skin_ + " BUTTON 0x25 ITEM", "at least 1"},
        {skin_ + " BUTTON 20000x10 ITEM", "out of range"},
        {skin_ + " BUTTON 75by25 ITEM", "not a size"},
        {skin_ + " BUTTON 75x25 ITEM --state -1", "0 or more"},
        {skin_ + " BUTTON 75x25 ITEM --state two", "not a valid state"},
        {Path("nowhere") + " BUTTON 75x25 ITEM", "No skin folder or package"},
        {skin_ + " BUTTON 75x25 ITEM --backdrop " + Path("missing.png"), "Cannot open file"},
        {skin_ + " BUTTON 75x25 ITEM --backdrop " + Path("small.png"), "smaller than the item"},
        {skin_ + " BUTTON 75x25 ITEM --text Read", "platform's fonts"},
        {skin_ + " BUTTON 75x25 ITEM --colour 204060", "Unknown option"},
    };
    for (TCase& c : cases) {
        const std::string out = Path("item.png");
        c.Args.replace(c.Args.find("ITEM"), 4, out);
        EXPECT_EQ(Run(c.Args), 1) << c.Args;
        EXPECT_NE(Errors().find(c.Message), std::string::npos) << c.Args << ": " << Errors();
        EXPECT_FALSE(fs::exists(out)) << c.Args;
    }
}

} // namespace
} // namespace pp
