#include "skin/loading/JpegImage.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <cstdlib>

using namespace pp;

namespace {

std::vector<std::uint8_t> SolidJpeg(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < width * height; ++i)
        rgb.insert(rgb.end(), {r, g, b});
    std::vector<std::uint8_t> out;
    stbi_write_jpg_to_func(
        [](void* context, void* data, int size) {
            auto* o = static_cast<std::vector<std::uint8_t>*>(context);
            o->insert(o->end(), static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
        },
        &out, width, height, 3, rgb.data(), 95);
    return out;
}

// Offset of the first segment with `marker` (its 0xFF byte).
std::size_t FindSegment(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker)
{
    for (std::size_t i = 2; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker)
            return i;
    return 0;
}

std::string ErrorOf(std::vector<std::uint8_t> bytes)
{
    TMemoryStream stream(std::move(bytes));
    return pptest::ErrorText([&] { LoadJpegFromStream(stream); });
}

} // namespace

TEST(JpegDecoder, HuffmanTablesTheDecoderWouldOverrunAreRefused)
{
    const auto good = SolidJpeg(16, 16, 9, 99, 199);
    ASSERT_EQ(ErrorOf(good), "no error");
    const std::string refused =
        "Cannot load image. Invalid or unexpected JPEG image format. (bad Huffman table)";

    // A table declaring 16 x 255 codes; the decoder's arrays hold 256.
    auto tooMany = good;
    const std::size_t dht = FindSegment(tooMany, 0xC4);
    ASSERT_NE(dht, 0u);
    for (int i = 0; i < 16; ++i)
        tooMany[dht + 5 + i] = 0xFF;
    EXPECT_EQ(ErrorOf(tooMany), refused);

    // A scan whose first component uses AC table 3, which no segment defines.
    auto undefined = good;
    const std::size_t sos = FindSegment(undefined, 0xDA);
    ASSERT_NE(sos, 0u);
    undefined[sos + 6] = static_cast<std::uint8_t>((undefined[sos + 6] & 0xF0) | 3);
    EXPECT_EQ(ErrorOf(undefined), refused);
}

TEST(JpegDecoder, DecodesFromTheStartWhateverThePosition)
{
    TMemoryStream stream(SolidJpeg(17, 9, 200, 40, 90));
    stream.SetPosition(stream.Size());
    const TBitmap b = LoadJpegFromStream(stream);
    ASSERT_EQ(b.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(b.Width(), 17);
    EXPECT_EQ(b.Height(), 9);
    const TColor c = b.PixelColor(8, 4);
    EXPECT_NEAR(RedOf(c), 200, 4);
    EXPECT_NEAR(GreenOf(c), 40, 4);
    EXPECT_NEAR(BlueOf(c), 90, 4);
}

TEST(JpegDecoder, DamagedDataFailsWithAMessage)
{
    const auto good = SolidJpeg(8, 8, 1, 2, 3);
    for (const auto& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF},
                              std::vector<std::uint8_t>(good.begin(), good.begin() + 40),
                              // A table segment whose code counts lie past the end of the file.
                              std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xC4,
                                                        0xFF, 0xFF, 0xFF, 0x84}}) {
        TMemoryStream stream(bytes);
        try {
            LoadJpegFromStream(stream);
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(
                std::string(e.what()).rfind("Cannot load image. Invalid or unexpected JPEG image format.", 0),
                0u)
                << e.what();
        }
    }
}

TEST(JpegDecoder, AFrameTooLargeForItsDataIsRefusedBeforeDecoding)
{
    // A coded block costs at least one bit and covers at most 32 x 32
    // pixels, so a byte describes at most 8192 pixels; the library would
    // otherwise decode every block of a short file from zeros. Images up to
    // 1024 x 1024 are decoded whatever their data.
    const auto small = SolidJpeg(16, 16, 10, 20, 30);
    const std::size_t sof = FindSegment(small, 0xC0);
    ASSERT_NE(sof, 0u);
    auto withFrame = [&](int width, int height) {
        auto bytes = small;
        bytes[sof + 5] = static_cast<std::uint8_t>(height >> 8);
        bytes[sof + 6] = static_cast<std::uint8_t>(height);
        bytes[sof + 7] = static_cast<std::uint8_t>(width >> 8);
        bytes[sof + 8] = static_cast<std::uint8_t>(width);
        return bytes;
    };
    const std::string refused =
        "Cannot load image. Invalid or unexpected JPEG image format. (too little data for its size)";
    // 4096 pixels wide, two rows are 8192 pixels: one byte's worth.
    const int heightTheDataCovers = static_cast<int>(2 * small.size());
    const struct {
        int width, height;
        std::string error;
    } cases[] = {
        {9000, 9000, refused},
        {4096, heightTheDataCovers + 1, refused},
        {4096, heightTheDataCovers, "no error"},
        {1024, 1024, "no error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(withFrame(c.width, c.height)), c.error) << c.width << " x " << c.height;

    // A large image coded in full is well inside the bound.
    TMemoryStream stream(SolidJpeg(1100, 1000, 200, 40, 90));
    const TBitmap b = LoadJpegFromStream(stream);
    EXPECT_EQ(b.Width(), 1100);
    EXPECT_NEAR(RedOf(b.PixelColor(1099, 999)), 200, 4);
}
