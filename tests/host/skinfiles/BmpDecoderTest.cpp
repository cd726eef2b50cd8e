#include "skin/loading/BmpImage.h"
#include "support/ErrorText.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

using namespace pp;
using namespace pptest;

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A bitmap file as a writer would store it: headers, palette, masks, pixels.
struct TBmpFile {
    int Width = 1;
    int Height = 1; // negative: top-down
    int BitCount = 24;
    std::uint32_t Compression = 0;
    std::vector<std::uint32_t> Masks;  // after a 40-byte header (BITFIELDS)
    std::vector<std::uint8_t> Palette; // B G R x entries (B G R for the core header)
    std::vector<std::uint8_t> Pixels;  // as stored, rows padded
    bool CoreHeader = false;

    std::vector<std::uint8_t> Build() const
    {
        std::vector<std::uint8_t> info;
        if (CoreHeader) {
            Put32(info, 12);
            Put16(info, Width);
            Put16(info, Height);
            Put16(info, 1);
            Put16(info, BitCount);
        } else {
            Put32(info, 40);
            Put32(info, static_cast<std::uint32_t>(Width));
            Put32(info, static_cast<std::uint32_t>(Height));
            Put16(info, 1);
            Put16(info, BitCount);
            Put32(info, Compression);
            Put32(info, static_cast<std::uint32_t>(Pixels.size()));
            Put32(info, 2835);
            Put32(info, 2835);
            Put32(info, static_cast<std::uint32_t>(Palette.size() / 4));
            Put32(info, 0);
            for (std::uint32_t m : Masks)
                Put32(info, m);
        }
        std::vector<std::uint8_t> out = {'B', 'M'};
        const std::uint32_t offset = 14 + static_cast<std::uint32_t>(info.size() + Palette.size());
        Put32(out, offset + static_cast<std::uint32_t>(Pixels.size()));
        Put32(out, 0);
        Put32(out, offset);
        out.insert(out.end(), info.begin(), info.end());
        out.insert(out.end(), Palette.begin(), Palette.end());
        out.insert(out.end(), Pixels.begin(), Pixels.end());
        return out;
    }
};

TBitmap Decode(const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream(bytes);
    return LoadBmpFromStream(stream);
}

std::string DecodeError(const std::vector<std::uint8_t>& bytes)
{
    return ErrorText([&] { Decode(bytes); });
}

std::vector<std::uint8_t> GreyPalette(int entries, bool core = false)
{
    std::vector<std::uint8_t> p;
    for (int i = 0; i < entries; ++i) {
        const auto v = static_cast<std::uint8_t>(i * 255 / (entries - 1));
        p.insert(p.end(), {v, static_cast<std::uint8_t>(v / 2), static_cast<std::uint8_t>(255 - v)});
        if (!core)
            p.push_back(0);
    }
    return p;
}

// The colour the test palette gives index i of n.
TColor GreyEntry(int i, int n)
{
    const auto v = static_cast<std::uint8_t>(i * 255 / (n - 1));
    return MakeColor(static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(v / 2), v);
}

const char* const InvalidFormat = "Cannot load image. Invalid or unexpected BMP image format.";

} // namespace

TEST(BmpDecoder, BottomUpAndTopDownRowsLandTheSameWay)
{
    // Two rows of 24 bits, each padded to 8 bytes; the file's first row is
    // the bottom one unless the height is negative.
    const std::vector<std::uint8_t> rows = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    TBmpFile file{.Width = 2, .Height = 2, .BitCount = 24, .Pixels = rows};
    const TBitmap up = Decode(file.Build());
    file.Height = -2;
    const TBitmap down = Decode(file.Build());
    ASSERT_EQ(up.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(up.PixelColor(0, 1), MakeColor(3, 2, 1));
    EXPECT_EQ(up.PixelColor(1, 0), MakeColor(12, 11, 10));
    EXPECT_EQ(down.PixelColor(0, 0), MakeColor(3, 2, 1));
    EXPECT_EQ(down.PixelColor(1, 1), MakeColor(12, 11, 10));
}

TEST(BmpDecoder, PaletteDepthsKeepTheirIndexesAndPalette)
{
    const struct {
        int bits;
        TPixelFormat format;
        std::vector<std::uint8_t> row; // one stored row of 5 pixels
        std::vector<int> indexes;
    } cases[] = {
        {1, TPixelFormat::pf1bit, {0b10110000, 0, 0, 0}, {1, 0, 1, 1, 0}},
        {4, TPixelFormat::pf4bit, {0x1F, 0x20, 0xE0, 0}, {1, 15, 2, 0, 14}},
        {8, TPixelFormat::pf8bit, {7, 0, 255, 128, 3, 0, 0, 0}, {7, 0, 255, 128, 3}},
    };
    for (const auto& c : cases) {
        for (const bool core : {false, true}) {
            const int n = 1 << c.bits;
            TBmpFile file{.Width = 5,
                          .Height = 1,
                          .BitCount = c.bits,
                          .Palette = GreyPalette(n, core),
                          .Pixels = c.row,
                          .CoreHeader = core};
            const TBitmap b = Decode(file.Build());
            ASSERT_EQ(b.Format(), c.format) << c.bits;
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(b.PixelColor(x, 0), GreyEntry(c.indexes[x], n))
                    << c.bits << " bits, x " << x << (core ? " core header" : "");
        }
    }
}

TEST(BmpDecoder, SixteenAndThirtyTwoBitsThroughTheirMasks)
{
    // 5-5-5 by default: 0x7FFF white, 0x7C00 red, 0x001F blue.
    TBmpFile plain16{
        .Width = 3, .Height = 1, .BitCount = 16, .Pixels = {0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00, 0, 0}};
    const TBitmap a = Decode(plain16.Build());
    ASSERT_EQ(a.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(a.PixelColor(0, 0), clWhite);
    EXPECT_EQ(a.PixelColor(1, 0), MakeColor(255, 0, 0));
    EXPECT_EQ(a.PixelColor(2, 0), MakeColor(0, 0, 255));

    // 5-6-5 with BITFIELDS: 0x07E0 is full green; 0x0400 is green 100000,
    // widened by repeating its bits to 10000010.
    TBmpFile fields16{.Width = 2,
                      .Height = 1,
                      .BitCount = 16,
                      .Compression = 3,
                      .Masks = {0xF800, 0x07E0, 0x001F},
                      .Pixels = {0xE0, 0x07, 0x00, 0x04}};
    const TBitmap b = Decode(fields16.Build());
    EXPECT_EQ(b.PixelColor(0, 0), MakeColor(0, 255, 0));
    EXPECT_EQ(b.PixelColor(1, 0), MakeColor(0, 0b10000010, 0));

    // 32 bits keep their fourth byte as alpha; BITFIELDS may reorder channels.
    TBmpFile plain32{.Width = 1, .Height = 1, .BitCount = 32, .Pixels = {10, 20, 30, 40}};
    EXPECT_EQ(Decode(plain32.Build()).Pixel32(0, 0), (TBGRA{10, 20, 30, 40}));
    TBmpFile fields32{.Width = 1,
                      .Height = 1,
                      .BitCount = 32,
                      .Compression = 3,
                      .Masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
                      .Pixels = {10, 20, 30, 40}};
    EXPECT_EQ(Decode(fields32.Build()).Pixel32(0, 0), (TBGRA{30, 20, 10, 40}));
}

TEST(BmpDecoder, RunLengthEncodingWithDeltasAndAbsoluteRuns)
{
    // 6 x 3 RLE8: bottom row "5 5 5 9 8 7", a delta to (2, 2), then "1 1".
    TBmpFile rle8{.Width = 6,
                  .Height = 3,
                  .BitCount = 8,
                  .Compression = 1,
                  .Palette = GreyPalette(256),
                  .Pixels = {3, 5, 0, 3, 9, 8, 7, 0, 0, 0, 0, 2, 2, 1, 2, 1, 0, 1}};
    const TBitmap b = Decode(rle8.Build());
    ASSERT_EQ(b.Format(), TPixelFormat::pf8bit);
    const int expected[3][6] = {{0, 0, 1, 1, 0, 0}, {0, 0, 0, 0, 0, 0}, {5, 5, 5, 9, 8, 7}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(b.ScanLine(y)[x], expected[y][x]) << x << "," << y;

    // RLE4: a run of 5 alternating 1 and 2, then absolute 3 4 5.
    TBmpFile rle4{.Width = 8,
                  .Height = 1,
                  .BitCount = 4,
                  .Compression = 2,
                  .Palette = GreyPalette(16),
                  .Pixels = {5, 0x12, 0, 3, 0x34, 0x50, 0, 1}};
    const TBitmap c = Decode(rle4.Build());
    ASSERT_EQ(c.Format(), TPixelFormat::pf4bit);
    const int nibbles[8] = {1, 2, 1, 2, 1, 3, 4, 5};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(c.PixelColor(x, 0), GreyEntry(nibbles[x], 16)) << x;
}

TEST(BmpDecoder, HostileRunsAndDeltasStayInsideTheImage)
{
    std::vector<std::uint8_t> codes;
    for (int i = 0; i < 2000; ++i)
        codes.insert(codes.end(), {255, 7, 0, 2, 255, 255, 0, 0, 0, 40});
    TBmpFile rle8{.Width = 3,
                  .Height = 2,
                  .BitCount = 8,
                  .Compression = 1,
                  .Palette = GreyPalette(256),
                  .Pixels = codes};
    EXPECT_EQ(Decode(rle8.Build()).ScanLine(1)[0], 7);
}

TEST(BmpDecoder, BadFilesFailWithTheirMessages)
{
    TBmpFile good{.Width = 2, .Height = 2, .BitCount = 24, .Pixels = std::vector<std::uint8_t>(16, 1)};
    auto with = [&](auto change) {
        TBmpFile f = good;
        change(f);
        return f.Build();
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> file;
        std::string message;
    } cases[] = {
        {"magic",
         [&] {
             auto b = good.Build();
             b[0] = 'X';
             return b;
         }(),
         InvalidFormat},
        {"too short", {'B', 'M', 0}, InvalidFormat},
        {"zero width", with([](auto& f) { f.Width = 0; }), InvalidFormat},
        {"seven bits", with([](auto& f) { f.BitCount = 7; }), InvalidFormat},
        {"RLE8 at 24 bits", with([](auto& f) { f.Compression = 1; }), InvalidFormat},
        {"top-down RLE", with([](auto& f) {
             f.BitCount = 8;
             f.Compression = 1;
             f.Height = -2;
         }),
         InvalidFormat},
        {"embedded JPEG", with([](auto& f) { f.Compression = 4; }),
         "Cannot load image. The compression scheme is not supported for BMP files."},
        {"rows missing", with([](auto& f) { f.Pixels.resize(10); }), "Stream read error"},
        {"header cut short",
         [&] {
             auto b = good.Build();
             b.resize(30);
             return b;
         }(),
         "Stream read error"},
        {"large image, no rows", with([](auto& f) {
             f.Width = 8000;
             f.Height = 8000;
         }),
         "Stream read error"},
        {"absurd size", with([](auto& f) {
             f.Width = 60000;
             f.Height = 60000;
         }),
         "Image size 60000 x 60000 is out of range"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeError(c.file), c.message) << c.what;
}

TEST(BmpDecoder, RunLengthDataMustBeAbleToDescribeALargeImage)
{
    // A run code gives at most 255 pixels for two bytes. A large image whose
    // codes are too few for that is refused before its bitmap exists; small
    // images may still leave their pixels to an early end of bitmap.
    auto rowsOfRuns = [](int width, int height) {
        std::vector<std::uint8_t> codes;
        for (int y = 0; y < height; ++y) {
            for (int left = width; left > 0; left -= 255)
                codes.insert(codes.end(), {static_cast<std::uint8_t>(std::min(left, 255)), 9});
            codes.insert(codes.end(), {0, 0});
        }
        codes.insert(codes.end(), {0, 1});
        return codes;
    };
    const std::vector<std::uint8_t> endOfBitmap = {0, 1};
    const struct {
        const char* what;
        int width, height, bits;
        std::vector<std::uint8_t> codes;
        bool loads;
    } cases[] = {
        // The header a fuzzer found: 11013 x 2561 at 4 bits over 30 bytes.
        {"RLE4 11013 x 2561, a few codes", 11013, 2561, 4, std::vector<std::uint8_t>(30, 0x10), false},
        {"RLE8 2000 x 2000, end of bitmap only", 2000, 2000, 8, endOfBitmap, false},
        {"RLE8 1025 x 1024, one column past the allowance", 1025, 1024, 8, endOfBitmap, false},
        {"RLE8 1024 x 1024, end of bitmap only", 1024, 1024, 8, endOfBitmap, true},
        {"RLE8 2048 x 1024, every row coded", 2048, 1024, 8, rowsOfRuns(2048, 1024), true},
        {"RLE4 2048 x 1024, every row coded", 2048, 1024, 4, rowsOfRuns(2048, 1024), true},
    };
    for (const auto& c : cases) {
        TBmpFile file{.Width = c.width,
                      .Height = c.height,
                      .BitCount = c.bits,
                      .Compression = c.bits == 8 ? 1u : 2u,
                      .Palette = GreyPalette(1 << c.bits),
                      .Pixels = c.codes};
        if (!c.loads) {
            EXPECT_EQ(DecodeError(file.Build()), "Stream read error") << c.what;
            continue;
        }
        const TBitmap b = Decode(file.Build());
        EXPECT_EQ(b.Width(), c.width) << c.what;
        // Each row's last run is 8 pixels long; at 4 bits its byte 9 gives
        // 0 9 0 9 ..., so the row's last pixel is 9 at either depth.
        const bool coded = c.codes.size() > 2;
        EXPECT_EQ(b.PixelColor(c.width - 1, 0), GreyEntry(coded ? 9 : 0, 1 << c.bits)) << c.what;
    }
}
