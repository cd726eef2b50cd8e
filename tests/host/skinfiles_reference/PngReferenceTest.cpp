// Our PNG decoder against libpng on a generated set of files. libpng hands
// over the raw samples; the decoder's own conversions (16-bit samples
// rounded down to 8, the skin gamma table, grey alpha dropped, tRNS ignored
// for palette images) are applied to them here and the results compared.
#include "skin/loading/PngImage.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace pp;
using namespace pptest;

namespace {

// What libpng read: raw sample rows of the whole image and the chunks that
// bear on the colours.
struct TReference {
    int width = 0, height = 0, colorType = 0, depth = 0;
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<png_color> palette;
    std::optional<double> gamma;
    bool hasTrns = false;
    png_color_16 trns{};
};

struct TMemoryReader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t at;
};

TReference ReadWithLibpng(const std::vector<std::uint8_t>& bytes)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TReference ref;
    TMemoryReader reader{&bytes, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng could not read the file");
    }
    png_set_read_fn(png, &reader, [](png_structp p, png_bytep out, png_size_t n) {
        auto* r = static_cast<TMemoryReader*>(png_get_io_ptr(p));
        if (r->at + n > r->bytes->size())
            png_error(p, "read past the end");
        std::memcpy(out, r->bytes->data() + r->at, n);
        r->at += n;
    });
    png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_WARN_DISCARD); // ancillary chunks with bad CRCs
    png_read_info(png, info);
    ref.width = static_cast<int>(png_get_image_width(png, info));
    ref.height = static_cast<int>(png_get_image_height(png, info));
    ref.colorType = png_get_color_type(png, info);
    ref.depth = png_get_bit_depth(png, info);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    png_colorp palette = nullptr;
    int entries = 0;
    if (png_get_PLTE(png, info, &palette, &entries))
        ref.palette.assign(palette, palette + entries);
    double gamma = 0;
    if (png_get_gAMA(png, info, &gamma))
        ref.gamma = gamma;
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    png_color_16p trnsColor = nullptr;
    if (png_get_tRNS(png, info, &alphas, &alphaCount, &trnsColor)) {
        ref.hasTrns = true;
        if (trnsColor)
            ref.trns = *trnsColor;
    }
    ref.rows.assign(ref.height, std::vector<std::uint8_t>(png_get_rowbytes(png, info)));
    std::vector<png_bytep> pointers;
    for (auto& row : ref.rows)
        pointers.push_back(row.data());
    png_read_image(png, pointers.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return ref;
}

unsigned Sample(const TReference& ref, int x, int y, int index, int perPixel)
{
    const std::uint8_t* row = ref.rows[y].data();
    const std::size_t bit = (std::size_t(x) * perPixel + index) * ref.depth;
    if (ref.depth == 16)
        return (unsigned(row[bit / 8]) << 8) | row[bit / 8 + 1];
    if (ref.depth == 8)
        return row[bit / 8];
    return (row[bit / 8] >> (8 - ref.depth - bit % 8)) & ((1u << ref.depth) - 1);
}

class TExpected {
public:
    explicit TExpected(const TReference& ref) : ref_(ref)
    {
        for (int i = 0; i < 256; ++i)
            gamma_[i] = ref.gamma ? static_cast<std::uint8_t>(
                                        std::lround(255.0 * std::pow(i / 255.0, 1.0 / (*ref.gamma * 2.2))))
                                  : static_cast<std::uint8_t>(i);
    }
    // A raw sample as the decoder's 8-bit result, gamma included.
    std::uint8_t Level(unsigned v) const
    {
        const unsigned max = (1u << ref_.depth) - 1;
        const unsigned eight = ref_.depth == 16 ? v * 255 / 65535 : v * 255 / max;
        return gamma_[eight];
    }
    TColor Color(int x, int y) const
    {
        switch (ref_.colorType) {
        case PNG_COLOR_TYPE_PALETTE: {
            const png_color& c = ref_.palette.at(Sample(ref_, x, y, 0, 1));
            return MakeColor(gamma_[c.red], gamma_[c.green], gamma_[c.blue]);
        }
        case PNG_COLOR_TYPE_GRAY:
        case PNG_COLOR_TYPE_GRAY_ALPHA: {
            const int perPixel = ref_.colorType == PNG_COLOR_TYPE_GRAY ? 1 : 2;
            const std::uint8_t g = Level(Sample(ref_, x, y, 0, perPixel));
            return MakeColor(g, g, g);
        }
        default: {
            const int perPixel = ref_.colorType == PNG_COLOR_TYPE_RGB ? 3 : 4;
            return MakeColor(Level(Sample(ref_, x, y, 0, perPixel)), Level(Sample(ref_, x, y, 1, perPixel)),
                             Level(Sample(ref_, x, y, 2, perPixel)));
        }
        }
    }
    std::uint8_t Alpha(int x, int y) const
    {
        const unsigned a = Sample(ref_, x, y, 3, 4);
        return static_cast<std::uint8_t>(ref_.depth == 16 ? a * 255 / 65535 : a);
    }
    std::optional<TColor> TransparentColor() const
    {
        if (!ref_.hasTrns || ref_.colorType == PNG_COLOR_TYPE_PALETTE ||
            (ref_.colorType & PNG_COLOR_MASK_ALPHA))
            return std::nullopt;
        if (ref_.colorType == PNG_COLOR_TYPE_GRAY)
            return MakeColor(Level(ref_.trns.gray), Level(ref_.trns.gray), Level(ref_.trns.gray));
        return MakeColor(Level(ref_.trns.red), Level(ref_.trns.green), Level(ref_.trns.blue));
    }

private:
    const TReference& ref_;
    std::array<std::uint8_t, 256> gamma_{};
};

// Compares every pixel; answers a description of the first difference.
std::string Compare(const std::vector<std::uint8_t>& file)
{
    const TReference ref = ReadWithLibpng(file);
    TMemoryStream stream(file);
    TPNGGraphic png;
    png.LoadFromStream(stream);
    const TBitmap& b = png.Bitmap();
    if (b.Width() != ref.width || b.Height() != ref.height)
        return "size differs";
    const TExpected expected(ref);
    for (int y = 0; y < ref.height; ++y)
        for (int x = 0; x < ref.width; ++x) {
            if (b.PixelColor(x, y) != expected.Color(x, y))
                return "colour differs at " + std::to_string(x) + "," + std::to_string(y);
            if (b.Format() == TPixelFormat::pf32bit && b.Pixel32(x, y).A != expected.Alpha(x, y))
                return "alpha differs at " + std::to_string(x) + "," + std::to_string(y);
        }
    const auto transparent = expected.TransparentColor();
    if (b.Transparent != transparent.has_value() || (transparent && b.TransparentColor != *transparent))
        return "transparent colour differs";
    return "";
}

std::vector<std::uint8_t> Be16(unsigned v)
{
    return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

// tRNS and bKGD bodies for a colour type, in range for the depth.
std::vector<std::uint8_t> ColorChunk(int colorType, int depth, unsigned seed)
{
    const unsigned max = depth == 16 ? 65535 : (1u << depth) - 1;
    if (colorType == 3)
        return {static_cast<std::uint8_t>(seed % (1u << depth))};
    if (colorType == 0 || colorType == 4)
        return Be16(seed * 7919 % (max + 1));
    std::vector<std::uint8_t> out;
    for (unsigned i = 0; i < 3; ++i) {
        const auto v = Be16((seed + i) * 7919 % (max + 1));
        out.insert(out.end(), v.begin(), v.end());
    }
    return out;
}

} // namespace

TEST(PngReference, GeneratedSetMatchesLibpng)
{
    const std::pair<int, int> types[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                         {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
    const std::pair<int, int> sizes[] = {{1, 1}, {3, 5}, {17, 9}, {33, 2}, {8, 8}};
    unsigned seed = 1;
    int compared = 0;
    for (const auto& [type, depth] : types)
        for (const auto& [w, h] : sizes)
            for (const bool interlaced : {false, true})
                for (int extras = 0; extras < 3; ++extras) {
                    TPngSpec spec;
                    spec.Width = w;
                    spec.Height = h;
                    spec.ColorType = type;
                    spec.BitDepth = depth;
                    spec.Interlaced = interlaced;
                    spec.Rows = RandomBytes(PngRowBytes(spec, w) * h, ++seed);
                    if (extras == 1) // gamma 0.45455, the common one; and 1.0 for grey
                        spec.BeforeData.push_back(
                            {"gAMA", type == 0 ? std::vector<std::uint8_t>{0, 1, 0x86, 0xA0}
                                               : std::vector<std::uint8_t>{0, 0, 0xB1, 0x8F}});
                    if (type == 3) {
                        const auto palette = RandomBytes(3 * (1u << depth), seed);
                        spec.BeforeData.push_back({"PLTE", palette});
                    }
                    if (extras == 2) {
                        spec.BeforeData.push_back({"bKGD", ColorChunk(type, depth, seed)});
                        if (type != 4 && type != 6)
                            spec.BeforeData.push_back({"tRNS", ColorChunk(type, depth, seed + 1)});
                    }
                    const auto file = EncodePng(spec);
                    EXPECT_EQ(Compare(file), "")
                        << "type " << type << " depth " << depth << " " << w << "x" << h
                        << (interlaced ? " interlaced" : "") << " extras " << extras;
                    ++compared;
                }
    EXPECT_EQ(compared, 15 * 5 * 2 * 3);
}

TEST(PngReference, FilesFromAnotherWriterMatchLibpng)
{
    const std::filesystem::path dir = std::filesystem::path(PP_SOURCE_DIR) / "tests" / "fuzz" / "corpus" /
                                      "png";
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(Compare(file), "") << entry.path().filename();
        ++compared;
    }
    EXPECT_GE(compared, 8);
}
