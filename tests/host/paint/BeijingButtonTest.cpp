// The default skin's push button as a control paints it, over a checkered
// parent: the transparent corners show the checker, the rest of the border
// is the border image of that state composed through its mask.
#include "PaintFixture.h"

#include "skin/loading/SkinPathLoader.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/RenderItem.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr int Width = 75, Height = 25;

std::uint32_t Checker(int x, int y) { return ((x / 4 + y / 4) % 2) ? 0xFF203040u : 0xFFE0D0C0u; }

// (m * (D - S) + S * 256) >> 8 per channel, opaque.
std::uint32_t ThroughMask(std::uint32_t s, std::uint32_t m, std::uint32_t d)
{
    std::uint32_t out = 0xFF000000u;
    for (int shift : {0, 8, 16}) {
        const int sc = int(s >> shift & 0xFF), mc = int(m >> shift & 0xFF), dc = int(d >> shift & 0xFF);
        out |= std::uint32_t((mc * (dc - sc) + sc * 256) >> 8) << shift;
    }
    return out;
}

class BeijingButton : public testing::TestWithParam<int> {
protected:
    BeijingButton() : loaded_(LoadSkinFromPath(std::string(PP_SOURCE_DIR) + "/skins/Beijing")) { }

    TSkinFromPath loaded_;
};

TEST_P(BeijingButton, CornersShowTheCheckerAndTheBorderIsTheImagesState)
{
    const int state = GetParam();
    const TsLoadedSkin& skin = loaded_.Skin;
    const int sectionIndex = skin.GetSkinIndex("BUTTON");
    ASSERT_GE(sectionIndex, 0);
    const TsItemBinding binding = BindingForSection(skin, sectionIndex);
    const std::optional<TSkinImage> border = SkinImageAt(skin, binding.BorderImageIndex);
    ASSERT_TRUE(border && border->HasMask() && border->CornerKey != 0);
    ASSERT_EQ(border->Left, 6);
    ASSERT_EQ(border->StateWidth(), 36);

    const TBitmap checker = PixelsBy(Width, Height, Checker);
    TBitmap button(Width, Height);
    RenderItem(binding, BackdropFromBitmap(&checker, 0, 0), true, button, {0, 0}, button.Bounds(), state);

    // Under the border lies the section's own colour for this state.
    const TColor fill = skin.Sections()[std::size_t(sectionIndex)].Props[state > 0 ? 1 : 0].Color;
    const std::uint32_t under = 0xFF000000u | std::uint32_t(RedOf(fill)) << 16 | GreenOf(fill) << 8 |
                                BlueOf(fill);
    const TPoint origin = border->StateOrigin(state);
    const int w = border->StateWidth(), h = border->StateHeight();
    for (const bool right : {false, true})
        for (const bool bottom : {false, true}) {
            int keyPixels = 0;
            for (int j = 0; j < 6; ++j)
                for (int i = 0; i < 6; ++i) {
                    const int sx = origin.X + (right ? w - 6 : 0) + i,
                              sy = origin.Y + (bottom ? h - 6 : 0) + j;
                    const int x = (right ? Width - 6 : 0) + i, y = (bottom ? Height - 6 : 0) + j;
                    const std::uint32_t s = At(*border->Source, sx, sy), m = At(*border->Source, sx, sy + h);
                    if ((s & 0xFFFFFF) == 0xFF00FF) {
                        ++keyPixels;
                        EXPECT_EQ(At(button, x, y), Checker(x, y)) << x << "," << y;
                    } else {
                        EXPECT_EQ(At(button, x, y), ThroughMask(s, m, under)) << x << "," << y;
                    }
                }
            EXPECT_GT(keyPixels, 0) << "no transparent pixel in a corner";
        }

    // The rim along the top: solid (mask black), stretched 24 -> 63 columns;
    // its first column shows source column 6, its last (62 * 24 + 11) div
    // 63 = 23, source column 29.
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(At(button, 6, y), At(*border->Source, origin.X + 6, origin.Y + y));
        EXPECT_EQ(At(button, 68, y), At(*border->Source, origin.X + 29, origin.Y + y));
    }
}

INSTANTIATE_TEST_SUITE_P(States, BeijingButton, testing::Values(0, 1, 2));

} // namespace
} // namespace pp::test
