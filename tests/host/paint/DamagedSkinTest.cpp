// Image records and sections as damaged skins give them (negative or huge
// widths and counts, any draw mode, rectangles anywhere) must not make a
// painter read or write outside a bitmap; the sanitizers of this build
// report any that does.
#include "PaintFixture.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/CornerPieces.h"
#include "skin/paint/DrawTexture.h"
#include "skin/paint/MaskImage.h"
#include "skin/paint/RenderItem.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace pp::test {
namespace {

int Pick(std::mt19937& rng, std::initializer_list<int> values)
{
    return *(values.begin() + rng() % values.size());
}

class TNoParent : public TBackdropParent {
public:
    void AskForBackdrop(BackdropRequest& request) override
    {
        request.Kind = bkImage;
        request.Image = &behind;
    }
    void PaintIntoTarget(const BackdropRequest&) override { }
    TColor FallbackColor() override { return 0; }
    TBitmap behind = PixelsBy(7, 5, [](int x, int y) { return std::uint32_t(x * 31 + y); });
};

TEST(DamagedSkin, PaintersStayInsideTheirBitmaps)
{
    std::mt19937 rng(2024);
    const TBitmap behind = PixelsBy(9, 9,
                                    [](int x, int y) { return 0xFF000000u | std::uint32_t(x * 9 + y); });
    TNoParent parent;
    for (int round = 0; round < 400; ++round) {
        TFixtureSkin fixture;
        const int width = 1 + int(rng() % 12), height = 1 + int(rng() % 12);
        const auto wild = [&] { return Pick(rng, {-5, 0, 1, 2, 3, 7, 40, INT_MAX, INT_MIN}); };
        const int image = fixture.AddImage(
            PixelsBy(width, height, [&](int, int) { return rng() % 4 ? std::uint32_t(rng()) : 0x00FF00FFu; }),
            {.Frames = Pick(rng, {0, 1, 2, 3, 5, 100, INT_MAX}),
             .MaskBands = Pick(rng, {-1, 0, 1, 2, INT_MAX}),
             .Left = wild(),
             .Top = wild(),
             .Right = wild(),
             .Bottom = wild(),
             .DrawMode = Pick(rng, {0, 1, 2, 3, 4, 5, 6, 7, 10, 99, -1}),
             .CornerKey = int(rng() % 2)});
        TsGeneralData& section = fixture.AddSection("ANY", std::uint32_t(rng()), std::uint32_t(rng()),
                                                    Pick(rng, {-3, 0, 1, 3, INT_MAX}));
        for (TsGenState& props : section.Props) {
            props.Transparency = Pick(rng, {-10, 0, 30, 100, 300});
            props.GradientPercent = Pick(rng, {-10, 0, 30, 100, 300});
            props.ImagePercent = Pick(rng, {-10, 0, 50, 100});
            props.GradientArray = {{std::uint32_t(rng()), std::uint32_t(rng()), 50, Pick(rng, {0, 1, 2, 7})}};
            props.TextureIndex = Pick(rng, {-1, image, 5});
        }
        section.BorderMaskIndex = section.ImgTL = section.ImgBR = image;
        TsItemBinding binding = BindingForSection(fixture.Skin(), 0);
        binding.PatternIndex = Pick(rng, {-1, image});
        binding.HueOffset = Pick(rng, {0, 45});

        const BackdropInfo backdrop = rng() % 2 ? BackdropFromBitmap(&behind, Pick(rng, {-3, 0, 4}),
                                                                     Pick(rng, {-3, 0, 4}))
                                                : BackdropInfo{};
        const int state = Pick(rng, {-2, 0, 1, 2, 9});
        const TRect r{Pick(rng, {-2, 0, 1}), Pick(rng, {-2, 0, 1}), Pick(rng, {0, 3, 10, 14}),
                      Pick(rng, {0, 3, 10, 14})};
        TBitmap target(10, 10);
        RenderItem(binding, backdrop, rng() % 2, target, {Pick(rng, {-4, 0, 3}), 0}, r, state);
        if (const std::optional<TSkinImage> view = SkinImageAt(fixture.Skin(), image)) {
            DrawBorderMask(target, r, true, state, *view, backdrop);
            DrawBorderMaskKeepingAlpha(target, r, true, state, *view, backdrop);
            DrawTexture(target, r, *view, backdrop);
            DrawMaskImage(target, {r.Left, r.Top}, state, backdrop, *view, Pick(rng, {1, 2}));
        }
        RefreshCornerPieces(target, fixture.Skin(), image, state, ccAllCorners, parent,
                            {Pick(rng, {-3, 2}), 1});
    }
}

} // namespace
} // namespace pp::test
