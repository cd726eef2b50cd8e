#include "skin/loading/ImageFormat.h"
#include "core/Error.h"
#include "support/Bytes.h"
#include "support/ErrorText.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

using namespace pp;

TEST(ImageFormat, ChosenFromTheNameInCapitalsBmpFirst)
{
    const struct {
        const char* name;
        std::optional<TImageFormat> format;
    } cases[] = {
        {"BTN.BMP", TImageFormat::Bmp},
        {"SKIN\\BTN.PNG", TImageFormat::Png},
        {"SKY.JPG", TImageFormat::Jpeg},
        {"SKY.JPEG", TImageFormat::Jpeg},
        {"A.PNG.BMP", TImageFormat::Bmp}, // BMP wins wherever it stands
        {"A.JPG.PNG", TImageFormat::Png},
        {"btn.png", std::nullopt}, // the extension test is exact
        {"BTN.Png", std::nullopt},
        {"BTN.GIF", std::nullopt},
        {"BMP", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageFormatOfName(c.name), c.format) << c.name;
    // Textures look for their own extension, whatever else the name holds.
    EXPECT_TRUE(NameHasExtension("A.BMP.JPG", TImageFormat::Jpeg));
    EXPECT_FALSE(NameHasExtension("A.JPEG", TImageFormat::Png));
}

TEST(ImageFormat, DecodesWithTheFormatsDecoderAndSkinAlphaOnlyWhenAsked)
{
    // Red 200 at alpha 128: a version-8 skin premultiplies it to 200 * 128 / 256 = 100.
    const auto png = pptest::EncodeRgbaPng(1, 1, {200, 0, 0, 128});
    TMemoryStream plain(png);
    EXPECT_EQ(DecodeImage(plain, TImageFormat::Png).Pixel32(0, 0).R, 200);
    TMemoryStream skin(png);
    EXPECT_EQ(DecodeImage(skin, TImageFormat::Png, 8.0).Pixel32(0, 0).R, 100);
    // The name decides, not the content: PNG bytes read as BMP fail as a BMP.
    TMemoryStream misnamed(png);
    EXPECT_EQ(pptest::ErrorText([&] { DecodeImage(misnamed, TImageFormat::Bmp); }),
              "Cannot load image. Invalid or unexpected BMP image format.");
}
