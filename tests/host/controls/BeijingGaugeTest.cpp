// The main window's gauge as the default skin paints it, with the light
// picture the program embeds: the picture has the shape the gauge expects,
// and the composed 25 x 25 gauge shows the skin over a checkered parent.
// The composition is written next to the build (gauge-beijing.png) so that
// it can be looked at.
#include "controls/RecordedGaugeDrawing.h"
#include "support/PaintFixture.h"
#include "support/PngWriter.h"

#include "core/Stream.h"
#include "skin/controls/GaugeSkinPaint.h"
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinPathLoader.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/CornerPieces.h"
#include "skin/paint/SkinImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace pp::test {
namespace {

TBitmap LightPicture()
{
    TFileStream file(std::string(PP_SOURCE_DIR) + "/src/app/ACGL.png", TFileMode::OpenRead);
    TBitmap picture = LoadPngFromStream(file);
    picture.SetFormat(TPixelFormat::pf32bit);
    return picture;
}

int Alpha(const TBitmap& b, int x, int y) { return b.Pixel32(x, y).A; }

TEST(BeijingGauge, TheLightPictureIsAWhiteGlowWidestAtTheEdgeRows)
{
    const TBitmap picture = LightPicture();
    ASSERT_EQ(picture.Width(), 60);
    ASSERT_EQ(picture.Height(), 20);
    int largest = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const TBGRA p = picture.Pixel32(x, y);
            ASSERT_TRUE(p.R == 255 && p.G == 255 && p.B == 255) << x << ", " << y;
            largest = std::max(largest, int(p.A));
        }
    EXPECT_EQ(largest, 140);
    for (int edge : {0, 19}) {
        EXPECT_EQ(Alpha(picture, 0, edge), 0);
        EXPECT_EQ(Alpha(picture, 59, edge), 0);
        EXPECT_EQ(Alpha(picture, 30, edge), 134);
        EXPECT_EQ(Alpha(picture, 15, edge), 134); // a wide plateau
    }
    for (int middle : {9, 10}) {
        EXPECT_NEAR(Alpha(picture, 29, middle), 97, 3);
        EXPECT_EQ(Alpha(picture, 15, middle), 0); // narrow
    }
}

std::uint32_t Checker(int x, int y) { return ((x / 4 + y / 4) % 2) ? 0xFF203040u : 0xFFE0D0C0u; }

void WritePng(const TBitmap& image, const std::string& name)
{
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const TBGRA p = image.Pixel32(x, y);
            rgba.insert(rgba.end(), {p.R, p.G, p.B, 255});
        }
    const std::vector<std::uint8_t> png = pptest::EncodeRgbaPng(image.Width(), image.Height(), rgba);
    std::ofstream(std::string(PP_BINARY_DIR) + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
}

TEST(BeijingGauge, TheMainWindowsGaugeShowsTheSkinsBarAndLightOverItsParent)
{
    const TSkinFromPath loaded = LoadSkinFromPath(std::string(PP_SOURCE_DIR) + "/skins/Beijing");
    const TsLoadedSkin& skin = loaded.Skin;
    const int gaugeSection = skin.GetSkinIndex("GAUGE");
    const int barSection = skin.GetSkinIndex("PROGRESSH");
    ASSERT_GE(gaugeSection, 0);
    ASSERT_GE(barSection, 0);
    const TBitmap picture = LightPicture();
    const TBitmap checker = PixelsBy(25, 25, Checker);

    TGaugeSkinPainter painter;
    painter.SetLightPicture(&picture);
    TRecordedDrawing drawing;
    TGaugeSkinLook look;
    look.PercentDone = 60;     // 15 of 25 columns
    look.LightPosition = -150; // the light's bright middle over the bar
    TBitmap gauge(25, 25);
    const TsItemBinding binding = BindingForSection(skin, gaugeSection);
    painter.Compose(gauge, binding, BackdropFromBitmap(&checker, 0, 0), look, drawing);
    // As the paint does before the copy to the screen: the border's
    // transparent corners show the parent again, also where the bar lies.
    TAnsweringParent parent;
    parent.Answer.Image = &checker;
    parent.Answer.Kind = bkImage;
    RefreshCornerPieces(gauge, skin, binding.BorderImageIndex, 0, ccAllCorners, parent, {0, 0});
    WritePng(gauge, "gauge-beijing.png");

    // A corner of the gauge's border that is key-coloured shows the checker.
    const std::optional<TSkinImage> border = SkinImageAt(
        skin, skin.Sections()[std::size_t(gaugeSection)].BorderMaskIndex);
    ASSERT_TRUE(border);
    const TPoint corner = border->StateOrigin(0);
    if ((border->Source->PixelColor(corner.X, corner.Y) & 0xFFFFFF) == clKeyColor)
        EXPECT_EQ(At(gauge, 0, 0), Checker(0, 0));
    // Past the filled part: not lit, not the bar's colour.
    const TColor barColor = skin.Sections()[std::size_t(barSection)].Props[0].Color;
    EXPECT_NE(At(gauge, 20, 12), Opaque(barColor));
    // Inside the filled part the light brightens every channel of the bar.
    const TBGRA lit = gauge.Pixel32(7, 12);
    EXPECT_GT(lit.R, RedOf(barColor));
    EXPECT_GT(lit.G, GreenOf(barColor));
    EXPECT_GT(lit.B, BlueOf(barColor));
}

} // namespace
} // namespace pp::test
