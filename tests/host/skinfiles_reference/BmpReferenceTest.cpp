// Our BMP loader against ImageMagick: ImageMagick writes the variants from
// one picture and decodes them again to raw RGBA; our pixels must match.
#include "skin/loading/BmpImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace pp;
namespace fs = std::filesystem;

namespace {

bool HaveImageMagick() { return std::system("convert -version >/dev/null 2>&1") == 0; }

std::vector<std::uint8_t> Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int Convert(const std::string& args) { return std::system(("convert " + args + " >/dev/null 2>&1").c_str()); }

} // namespace

TEST(BmpReference, VariantsWrittenByImageMagickMatchItsOwnDecoding)
{
    if (!HaveImageMagick())
        GTEST_SKIP() << "ImageMagick is not installed";
    const fs::path dir = fs::path(PP_BINARY_DIR) / "bmp-reference";
    fs::create_directories(dir);
    const std::string source = (dir / "source.png").string();
    // An odd-sized picture with colour, a transparent corner and a key-colour block.
    ASSERT_EQ(Convert("-size 37x23 plasma:red-blue -seed 7 -fill '#FF00FF' -draw 'rectangle 3,3 9,8' "
                      "-alpha set -fill none -draw 'rectangle 30,0 36,5' " +
                      source),
              0);
    const struct {
        const char* name;
        const char* options;
        bool alpha;
    } variants[] = {
        {"rgb24", "-alpha off BMP3:", false},
        {"pal8", "-alpha off -colors 200 -type Palette BMP3:", false},
        {"pal4", "-alpha off -colors 16 -type Palette BMP3:", false},
        {"mono", "-alpha off -monochrome BMP3:", false},
        {"rle8", "-alpha off -colors 100 -type Palette -compress RLE BMP3:", false},
        {"core", "-alpha off -colors 16 -type Palette BMP2:", false},
        {"argb32", "-define bmp:format=bmp4 BMP:", true},
        {"rgb565", "-alpha off -define bmp:subtype=RGB565 BMP:", false},
        {"rgb555", "-alpha off -define bmp:subtype=RGB555 BMP:", false},
    };
    for (const auto& v : variants) {
        const fs::path bmp = dir / (std::string(v.name) + ".bmp");
        const fs::path raw = dir / (std::string(v.name) + ".rgba");
        ASSERT_EQ(Convert(source + " " + v.options + bmp.string()), 0) << v.name;
        ASSERT_EQ(Convert(bmp.string() + " -depth 8 RGBA:" + raw.string()), 0) << v.name;
        const auto rgba = Slurp(raw);
        TMemoryStream stream(Slurp(bmp));
        const TBitmap b = LoadBmpFromStream(stream);
        ASSERT_EQ(rgba.size(), std::size_t(b.Width()) * b.Height() * 4) << v.name;
        int differences = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const std::uint8_t* p = rgba.data() + (std::size_t(y) * b.Width() + x) * 4;
                differences += b.PixelColor(x, y) != MakeColor(p[0], p[1], p[2]);
                if (v.alpha)
                    differences += b.Pixel32(x, y).A != p[3];
            }
        EXPECT_EQ(differences, 0) << v.name << " (" << b.Width() << "x" << b.Height() << ")";
    }
}
