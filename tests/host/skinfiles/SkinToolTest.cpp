// Runs the built skintool as a user would and checks its files and exit codes.
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinPackageWriter.h"
#include "support/Bytes.h"
#include "support/ErrorText.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

using namespace pp;
using namespace pptest;
namespace fs = std::filesystem;

namespace {

class SkinToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tool_ = fs::path(PP_BINARY_DIR) / "tools" / "skintool" / "skintool";
        if (!fs::exists(tool_))
            GTEST_SKIP() << "skintool is not built";
        dir_ = fs::path(PP_BINARY_DIR) / "skintool-test" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    int Run(const std::string& args)
    {
        const std::string command = tool_.string() + " " + args + " >" + (dir_ / "out.txt").string() + " 2>" +
                                    (dir_ / "err.txt").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Slurp(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Put(const fs::path& p, const std::vector<std::uint8_t>& bytes)
    {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    std::string Path(const std::string& name) { return (dir_ / name).string(); }

    fs::path tool_;
    fs::path dir_;
};

} // namespace

TEST_F(SkinToolTest, PackListAndUnpackRoundTrip)
{
    const auto image = EncodeRgbaPng(2, 2, RandomBytes(16, 4));
    Put(dir_ / "skin" / "b.png", image);
    Put(dir_ / "skin" / "A.bmp", BytesOf("bitmap"));
    Put(dir_ / "skin" / "options.DAT", BytesOf("[GLOBALINFO]\n"));
    ASSERT_EQ(Run("pack " + Path("skin") + " " + Path("s.lvz")), 0) << Slurp(dir_ / "err.txt");

    // The options entry first, the others in byte order.
    std::unique_ptr<TacSkinConvertor> reader;
    OpenPackedFile(reader, Path("s.lvz"), true);
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->Directory.size(), 3u);
    EXPECT_EQ(reader->Directory[0].Name, "options.DAT");
    EXPECT_EQ(reader->Directory[1].Name, "A.bmp");
    EXPECT_EQ(reader->Directory[2].Name, "b.png");

    ASSERT_EQ(Run("list " + Path("s.lvz")), 0);
    const std::string listing = Slurp(dir_ / "out.txt");
    EXPECT_NE(listing.find("b.png\t" + std::to_string(image.size()) + "\t"), std::string::npos) << listing;

    ASSERT_EQ(Run("unpack " + Path("s.lvz") + " " + Path("again")), 0) << Slurp(dir_ / "err.txt");
    for (const char* name : {"b.png", "A.bmp", "options.DAT"})
        EXPECT_EQ(Slurp(dir_ / "again" / name), Slurp(dir_ / "skin" / name)) << name;

    // Packing the same folder again gives the same bytes.
    ASSERT_EQ(Run("pack " + Path("skin") + " " + Path("t.lvz")), 0);
    EXPECT_EQ(Slurp(dir_ / "s.lvz"), Slurp(dir_ / "t.lvz"));
}

TEST_F(SkinToolTest, PackWritesEachDamageTheReaderReportsInItsOwnWords)
{
    Put(dir_ / "skin" / "Options.dat", BytesOf("[GLOBALINFO]\r\nVERSION=8\r\n"));
    Put(dir_ / "skin" / "B.BMP", RandomBytes(3000, 5));
    const struct {
        const char* damage;
        const char* message;
    } cases[] = {
        {"magic", "Loaded data is not a packed Lumivex file"},
        {"truncate", "Stream read error"},
        {"check", "data error"},
        {"size", "Stream read error"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Run("pack " + Path("skin") + " " + Path("d.lvz") + " --damage " + c.damage), 0) << c.damage;
        std::unique_ptr<TacSkinConvertor> reader;
        EXPECT_EQ(ErrorText([&] { OpenPackedFile(reader, Path("d.lvz"), true); }), c.message) << c.damage;
    }
    EXPECT_EQ(Run("pack " + Path("skin") + " " + Path("d.lvz") + " --damage frayed"), 1);
    EXPECT_NE(Slurp(dir_ / "err.txt").find("Unknown damage \"frayed\""), std::string::npos)
        << Slurp(dir_ / "err.txt");
}

TEST_F(SkinToolTest, UnpackRefusesNamesThatLeaveTheFolder)
{
    for (const std::string name : {"../evil.png", "sub/evil.png", "..\\evil.png", "C:evil.png", ".."}) {
        Put(dir_ / "bad.lvz", TSkinPackageWriter().Add("good.png", "g").Add(name, "e").Bytes());
        EXPECT_EQ(Run("unpack " + Path("bad.lvz") + " " + Path("out")), 1) << name;
        EXPECT_NE(Slurp(dir_ / "err.txt").find("is not a plain file name"), std::string::npos) << name;
        EXPECT_FALSE(fs::exists(dir_ / "evil.png")) << name;
        EXPECT_FALSE(fs::exists(dir_ / "out" / "good.png"))
            << "nothing is written before the check: " << name;
    }
}

TEST_F(SkinToolTest, DecodeAppliesTheSkinAlphaTreatment)
{
    // One pixel red 200 at alpha 128, one fully transparent white.
    Put(dir_ / "img.png", EncodeRgbaPng(2, 1, {200, 0, 0, 128, 255, 255, 255, 0}));
    for (const auto& [args, red] :
         {std::pair{std::string(""), 200}, std::pair{std::string(" --skin-version 7.0"), 200},
          std::pair{std::string(" --skin-version 8"), 100}}) {
        ASSERT_EQ(Run("decode " + Path("img.png") + " " + Path("out.png") + args), 0)
            << Slurp(dir_ / "err.txt");
        TFileStream out(Path("out.png"), TFileMode::OpenRead);
        TPNGGraphic png;
        png.LoadFromStream(out);
        EXPECT_EQ(png.Bitmap().Pixel32(0, 0).R, red) << args;
        EXPECT_EQ(png.Bitmap().Pixel32(0, 0).A, 128) << args;
        if (!args.empty())
            EXPECT_EQ(png.Bitmap().Pixel32(1, 0), TBGRA{}) << args;
    }
}

TEST_F(SkinToolTest, BadInputGivesAMessageAndAFailingExitCode)
{
    Put(dir_ / "bad.lvz", BytesOf("LVZF\1\0\0\0"));
    Put(dir_ / "bad.png", BytesOf("not a png"));
    const struct {
        std::string args;
        int code;
        std::string message;
    } cases[] = {
        {"list " + Path("bad.lvz"), 1, "Loaded data is not a packed Lumivex file"},
        {"list " + Path("missing.lvz"), 1, "Cannot open file"},
        {"pack " + Path("no-such-folder") + " " + Path("x.lvz"), 1, "is not a folder"},
        {"decode " + Path("bad.png") + " " + Path("x.png"), 1, "Invalid or unexpected PNG image format"},
        {"decode " + Path("bad.png") + " " + Path("x.png") + " --skin-version abc", 1,
         "not a valid skin version"},
        {"frobnicate", 2, "usage:"},
        {"", 2, "usage:"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), c.code) << c.args;
        EXPECT_NE(Slurp(dir_ / "err.txt").find(c.message), std::string::npos)
            << c.args << ": " << Slurp(dir_ / "err.txt");
    }
}
