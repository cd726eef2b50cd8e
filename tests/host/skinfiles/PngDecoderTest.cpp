#include "skin/loading/PngImage.h"
#include "support/ErrorText.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pp;
using namespace pptest;

namespace {

TPNGGraphic Decode(const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream(bytes);
    TPNGGraphic png;
    png.LoadFromStream(stream);
    return png;
}

std::string DecodeError(const std::vector<std::uint8_t>& bytes)
{
    return ErrorText([&] { Decode(bytes); });
}

TPngSpec Spec(int width, int height, int colorType, int depth, std::uint32_t seed = 1)
{
    TPngSpec spec;
    spec.Width = width;
    spec.Height = height;
    spec.ColorType = colorType;
    spec.BitDepth = depth;
    spec.Rows = RandomBytes(PngRowBytes(spec, width) * height, seed);
    return spec;
}

std::vector<std::uint8_t> Palette(int entries)
{
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < entries; ++i)
        rgb.insert(rgb.end(), {static_cast<std::uint8_t>(i * 40), static_cast<std::uint8_t>(255 - i * 30),
                               static_cast<std::uint8_t>(i * 7 + 3)});
    return rgb;
}

std::vector<TColor> AllColors(const TBitmap& b)
{
    std::vector<TColor> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            out.push_back(b.PixelColor(x, y));
    return out;
}

const char* const InvalidFormat = "Cannot load image. Invalid or unexpected PNG image format.";

} // namespace

TEST(PngDecoder, ResultFormatFollowsColourTypeAndDepth)
{
    const struct {
        int colorType, depth;
        TPixelFormat format;
    } cases[] = {
        {0, 1, TPixelFormat::pf1bit},   {0, 2, TPixelFormat::pf4bit},  {0, 4, TPixelFormat::pf4bit},
        {0, 8, TPixelFormat::pf8bit},   {0, 16, TPixelFormat::pf8bit}, {2, 8, TPixelFormat::pf24bit},
        {2, 16, TPixelFormat::pf24bit}, {3, 1, TPixelFormat::pf1bit},  {3, 2, TPixelFormat::pf4bit},
        {3, 4, TPixelFormat::pf4bit},   {3, 8, TPixelFormat::pf8bit},  {4, 8, TPixelFormat::pf8bit},
        {4, 16, TPixelFormat::pf8bit},  {6, 8, TPixelFormat::pf32bit}, {6, 16, TPixelFormat::pf32bit},
    };
    for (const auto& c : cases) {
        TPngSpec spec = Spec(5, 3, c.colorType, c.depth);
        if (c.colorType == 3) {
            spec.BeforeData.push_back({"PLTE", Palette(1 << c.depth)});
        }
        const TPNGGraphic png = Decode(EncodePng(spec));
        EXPECT_EQ(png.Bitmap().Format(), c.format) << "colour type " << c.colorType << " depth " << c.depth;
        EXPECT_EQ(png.Header().BitsPerSample, c.depth);
        EXPECT_EQ(png.Width(), 5);
        EXPECT_EQ(png.Height(), 3);
    }
}

TEST(PngDecoder, GreyWithAlphaBecomesOpaqueGrey)
{
    TPngSpec spec = Spec(4, 1, 4, 8);
    spec.Rows = {10, 0, 128, 255, 200, 7, 255, 128};
    const TPNGGraphic png = Decode(EncodePng(spec));
    ASSERT_EQ(png.Bitmap().Format(), TPixelFormat::pf8bit);
    EXPECT_EQ(AllColors(png.Bitmap()),
              (std::vector<TColor>{MakeColor(10, 10, 10), MakeColor(128, 128, 128), MakeColor(200, 200, 200),
                                   MakeColor(255, 255, 255)}));
    EXPECT_TRUE(png.Header().HasAlpha);
}

TEST(PngDecoder, SixteenBitTrueColourIsReducedRoundingDown)
{
    TPngSpec spec = Spec(2, 1, 2, 16);
    // 0x80FF * 255 / 65535 = 128.49 -> 128; 0xFFFF -> 255; 0x0101 -> 1; 0x0100 -> 0
    spec.Rows = {0x80, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x12, 0x34};
    const TPNGGraphic png = Decode(EncodePng(spec));
    ASSERT_EQ(png.Bitmap().Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(png.Bitmap().PixelColor(0, 0), MakeColor(128, 255, 1));
    EXPECT_EQ(png.Bitmap().PixelColor(1, 0), MakeColor(0, 0, 0x1234 * 255 / 65535));
}

TEST(PngDecoder, TwoBitIndexedKeepsItsColoursInAFourBitImage)
{
    TPngSpec spec = Spec(7, 2, 3, 2);
    spec.Rows = {0b00011011, 0b11100100, 0b01010101, 0b10101010};
    const auto palette = Palette(4);
    spec.BeforeData.push_back({"PLTE", palette});
    const TPNGGraphic png = Decode(EncodePng(spec));
    ASSERT_EQ(png.Bitmap().Format(), TPixelFormat::pf4bit);
    const int expected[2][7] = {{0, 1, 2, 3, 3, 2, 1}, {1, 1, 1, 1, 2, 2, 2}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 7; ++x) {
            const int i = expected[y][x];
            EXPECT_EQ(png.Bitmap().PixelColor(x, y),
                      MakeColor(palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]))
                << x << "," << y;
        }
}

TEST(PngDecoder, InterlacedGivesTheSamePixelsAsItsTwin)
{
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{13, 7}, std::pair{9, 17}, std::pair{33, 2}}) {
        for (const auto& [type, depth] :
             {std::pair{6, 8}, std::pair{0, 1}, std::pair{3, 4}, std::pair{2, 16}}) {
            TPngSpec spec = Spec(w, h, type, depth, w * 31 + h);
            if (type == 3)
                spec.BeforeData.push_back({"PLTE", Palette(16)});
            const TBitmap plain = Decode(EncodePng(spec)).Bitmap();
            spec.Interlaced = true;
            const TPNGGraphic interlaced = Decode(EncodePng(spec));
            EXPECT_TRUE(interlaced.Header().Interlaced);
            EXPECT_EQ(AllColors(interlaced.Bitmap()), AllColors(plain)) << w << "x" << h << " type " << type;
            if (type == 6)
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        ASSERT_EQ(interlaced.Bitmap().Pixel32(x, y), plain.Pixel32(x, y));
        }
    }
}

TEST(PngDecoder, EveryFilterAndSplitImageDataDecodeAlike)
{
    TPngSpec spec = Spec(11, 6, 6, 8, 77);
    const TBitmap reference = Decode(EncodePng(spec)).Bitmap();
    for (int filter = 0; filter <= 4; ++filter) {
        spec.Filter = filter;
        spec.IdatChunkSize = filter == 2 ? 1 : 0;
        EXPECT_EQ(AllColors(Decode(EncodePng(spec)).Bitmap()), AllColors(reference)) << "filter " << filter;
    }
    // Rows are blue, green, red, alpha in memory, straight alpha.
    const std::uint8_t* rgba = spec.Rows.data();
    EXPECT_EQ(reference.Pixel32(0, 0), (TBGRA{rgba[2], rgba[1], rgba[0], rgba[3]}));
}

TEST(PngDecoder, GammaMapsColourSamplesButNotAlpha)
{
    TPngSpec spec = Spec(3, 1, 6, 8);
    spec.Rows = {0, 64, 128, 100, 192, 255, 1, 50, 10, 20, 30, 0};
    spec.BeforeData.push_back({"gAMA", {0, 0x01, 0x86, 0xA0}}); // 100000: file gamma 1.0
    const TPNGGraphic png = Decode(EncodePng(spec));
    EXPECT_DOUBLE_EQ(png.Header().FileGamma, 1.0);
    auto mapped = [](int v) {
        return static_cast<std::uint8_t>(std::lround(255.0 * std::pow(v / 255.0, 1 / 2.2)));
    };
    const TBGRA p = png.Bitmap().Pixel32(0, 0);
    EXPECT_EQ(p, (TBGRA{mapped(128), mapped(64), mapped(0), 100}));
    EXPECT_EQ(png.Bitmap().Pixel32(1, 0).A, 50);
}

TEST(PngDecoder, TransparentColourComesFromTrnsExceptForIndexedImages)
{
    TPngSpec grey = Spec(2, 2, 0, 4);
    grey.BeforeData.push_back({"tRNS", {0, 5}});
    const TPNGGraphic g = Decode(EncodePng(grey));
    EXPECT_TRUE(g.Bitmap().Transparent);
    EXPECT_EQ(g.Bitmap().TransparentColor, MakeColor(85, 85, 85));

    TPngSpec rgb = Spec(2, 2, 2, 8);
    rgb.BeforeData.push_back({"tRNS", {0, 1, 0, 2, 0, 3}});
    const TPNGGraphic c = Decode(EncodePng(rgb));
    EXPECT_TRUE(c.Bitmap().Transparent);
    EXPECT_EQ(c.Bitmap().TransparentColor, MakeColor(1, 2, 3));

    TPngSpec indexed = Spec(2, 2, 3, 1);
    indexed.BeforeData.push_back({"PLTE", Palette(2)});
    indexed.BeforeData.push_back({"tRNS", {0}});
    EXPECT_FALSE(Decode(EncodePng(indexed)).Bitmap().Transparent);
}

TEST(PngDecoder, AncillaryChunksAreSkippedWithoutCheckingThem)
{
    TPngSpec spec = Spec(3, 3, 2, 8);
    spec.BeforeData.push_back({"tEXt", std::vector<std::uint8_t>{'C', 0, 'x'}, true});
    spec.BeforeData.push_back({"prVt", {1, 2, 3}});
    spec.BeforeData.push_back({"bKGD", {0, 10, 0, 20, 0, 30}});
    spec.AfterData.push_back({"zzZz", {9}, true});
    EXPECT_EQ(Decode(EncodePng(spec)).Bitmap().Format(), TPixelFormat::pf24bit);
}

TEST(PngDecoder, EmptyChunksThatAreReadPassTheirCrcCheck)
{
    TPngSpec spec = Spec(3, 3, 2, 8);
    spec.BeforeData.push_back({"tRNS", {}}); // read and checked, then ignored for its length
    EXPECT_EQ(DecodeError(EncodePng(spec)), "no error");
}

TEST(PngDecoder, ReportsItsStages)
{
    TMemoryStream stream(EncodePng(Spec(2, 2, 6, 8)));
    TPNGGraphic png;
    std::vector<std::string> stages;
    png.OnProgress = [&](const std::string& stage) { stages.push_back(stage); };
    png.LoadFromStream(stream);
    EXPECT_EQ(stages, (std::vector<std::string>{"Preparing...", "Transfering..."}));
}

TEST(PngDecoder, StartsAtTheStreamsCurrentPosition)
{
    auto bytes = std::vector<std::uint8_t>{'j', 'u', 'n', 'k'};
    const auto png = EncodePng(Spec(2, 2, 6, 8));
    bytes.insert(bytes.end(), png.begin(), png.end());
    TMemoryStream stream(bytes);
    stream.SetPosition(4);
    TPNGGraphic graphic;
    graphic.LoadFromStream(stream);
    EXPECT_EQ(graphic.Width(), 2);
}

TEST(PngDecoder, BadFilesFailWithTheirMessages)
{
    const auto good = Spec(4, 4, 6, 8);
    auto with = [&](auto change) {
        TPngSpec spec = good;
        change(spec);
        return EncodePng(spec);
    };
    auto bytes = [&](auto change) {
        auto b = EncodePng(good);
        change(b);
        return b;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> file;
        std::string message;
    } cases[] = {
        {"signature", bytes([](auto& b) { b[1] = 'p'; }), InvalidFormat},
        {"empty file", {}, InvalidFormat},
        {"first chunk not IHDR", bytes([](auto& b) { b[12] = 'X'; }), InvalidFormat},
        {"zero width", with([](auto& s) {
             s.Width = 0;
             s.Rows.clear();
         }),
         InvalidFormat},
        {"compression method", with([](auto& s) { s.CompressionMethod = 1; }),
         "Cannot load image. The compression scheme is not supported for PNG files."},
        {"header CRC", bytes([](auto& b) { b[29] ^= 1; }), "Cannot load image. CRC error found in PNG file."},
        {"image data CRC", bytes([](auto& b) { b[b.size() - 13] ^= 1; }),
         "Cannot load image. CRC error found in PNG file."},
        {"palette length", with([](auto& s) {
             s.BeforeData.push_back({"PLTE", {1, 2, 3, 4}});
         }),
         "Cannot load image. Palette in PNG file is invalid."},
        {"indexed without palette",
         [] {
             TPngSpec s = Spec(2, 2, 3, 8);
             return EncodePng(s);
         }(),
         "Cannot load image. Palette in PNG file is invalid."},
        {"private critical chunk", with([](auto& s) {
             s.BeforeData.push_back({"PRVt", {1}});
         }),
         "Cannot load PNG image. Unexpected but critical chunk detected."},
        {"colour type 3 at 16 bits",
         [] {
             TPngSpec s = Spec(2, 2, 3, 16);
             return EncodePng(s);
         }(),
         "Invalid color format in PNG file."},
        {"colour type 2 at 4 bits",
         [] {
             TPngSpec s = Spec(2, 2, 2, 4);
             return EncodePng(s);
         }(),
         "Invalid color format in PNG file."},
        {"colour type 5",
         [] {
             TPngSpec s = Spec(2, 2, 5, 8);
             return EncodePng(s);
         }(),
         "Invalid color format in PNG file."},
        {"data after the last row", with([](auto& s) {
             s.ExtraData = {0, 1, 2};
         }),
         "Cannot load image. Extra compressed data found in PNG file."},
        {"data ends early", with([](auto& s) { s.RowsWritten = 2; }),
         "Cannot load image. Compression error found in PNG file."},
        {"unknown filter", with([](auto& s) { s.Filter = 5; }), InvalidFormat},
        {"no image data",
         [] {
             auto b = EncodePng(Spec(2, 2, 6, 8));
             std::vector<std::uint8_t> head(b.begin(), b.begin() + 33);
             const auto iend = PngChunk({"IEND", {}});
             head.insert(head.end(), iend.begin(), iend.end());
             return head;
         }(),
         InvalidFormat},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeError(c.file), c.message) << c.what;
}

TEST(PngDecoder, OversizedOrTruncatedFilesFailCleanly)
{
    TPngSpec huge = Spec(1, 1, 6, 8);
    huge.DeclaredWidth = 100000; // the rows never exist: the size is refused first
    EXPECT_NE(DecodeError(EncodePng(huge)).find("out of range"), std::string::npos);

    // Within the limits, but a few bytes of data cannot inflate to 64 MiB of
    // rows: refused before the bitmap is allocated.
    TPngSpec big = Spec(1, 1, 6, 8);
    big.DeclaredWidth = big.DeclaredHeight = 4000;
    EXPECT_EQ(DecodeError(EncodePng(big)), "Cannot load image. Compression error found in PNG file.");

    const auto whole = EncodePng(Spec(8, 8, 6, 8));
    for (std::size_t keep = 9; keep < whole.size() - 12; keep += 7) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + keep);
        EXPECT_NE(DecodeError(cut), "no error") << keep;
    }
}
