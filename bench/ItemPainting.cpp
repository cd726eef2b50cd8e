// Item painting timings against pixman compositing the same area once
// through an 8-bit mask, the least work any skinned paint of that area can
// do: the default skin's push button (a masked nine-piece border with three
// states) at 75 x 25, and a window-sized section of gradient and texture
// at 393 x 192.
#include "RatioReporter.h"

#include "skin/loading/SkinPathLoader.h"
#include "skin/paint/RenderItem.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <random>

namespace {

using pp::TBitmap;

constexpr int ButtonWidth = 75, ButtonHeight = 25;
constexpr int WindowWidth = 393, WindowHeight = 192;

TBitmap RandomBitmap(int w, int h, unsigned seed)
{
    TBitmap b(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = rng();
            b.Pixel32(x, y) = pp::TBGRA{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), 0xFF};
        }
    return b;
}

const pp::TsLoadedSkin& Beijing()
{
    static const pp::TSkinFromPath loaded = pp::LoadSkinFromPath(PP_SOURCE_DIR "/skins/Beijing");
    return loaded.Skin;
}

// A window section: a two-run vertical gradient and a 128 x 128 tiled
// texture sharing the fill half and half.
struct TWindowSkin {
    pp::TsLoadedSkin Skin;
    TWindowSkin()
    {
        pp::TsMaskData texture;
        texture.OwnBitmap = std::make_unique<TBitmap>(RandomBitmap(128, 128, 3));
        texture.SourceRect = texture.OwnBitmap->Bounds();
        texture.FrameCount = 1;
        texture.ImageKind = pp::ikTexture;
        texture.SectionName = "FORM";
        texture.KeyName = "PATTERN";
        Skin.AddMask(std::move(texture));
        pp::TsGeneralData form;
        form.SectionName = "FORM";
        form.States = 2;
        for (pp::TsGenState& props : form.Props) {
            props.GradientPercent = 50;
            props.ImagePercent = 50;
            props.GradientArray = pp::ParseGradientSpec("16753188;16777215;60;0;0;16777215;14211288;40;0;0");
        }
        Skin.SetSections({form});
    }
};

// A control keeps its scaled border pieces, as the binding does; without
// that store every paint scales them anew (what a control's first paint of
// a state costs).
void RenderButton(benchmark::State& state, bool keepScaledPieces)
{
    pp::TScaledPieceCache scaledPieces;
    pp::TsItemBinding binding = pp::BindingForSection(Beijing(), Beijing().GetSkinIndex("BUTTON"));
    binding.ScaledPieces = keepScaledPieces ? &scaledPieces : nullptr;
    pp::BackdropInfo backdrop;
    backdrop.BackColor = 0xE4F4FA;
    TBitmap cache(ButtonWidth, ButtonHeight);
    int buttonState = 0;
    for (auto _ : state) {
        pp::RenderItem(binding, backdrop, true, cache, {0, 0}, cache.Bounds(), buttonState);
        buttonState = (buttonState + 1) % 3;
        benchmark::ClobberMemory();
    }
}

void RenderWindow(benchmark::State& state)
{
    static const TWindowSkin window;
    const pp::TsItemBinding binding = pp::BindingForSection(window.Skin, 0);
    TBitmap cache(WindowWidth, WindowHeight);
    for (auto _ : state) {
        pp::RenderItem(binding, pp::BackdropInfo{}, true, cache, {0, 0}, cache.Bounds(), 0);
        benchmark::ClobberMemory();
    }
}

// OVER of a random a8r8g8b8 source through a random a8 mask.
void PixmanThroughMask(benchmark::State& state, int width, int height)
{
    TBitmap source = RandomBitmap(width, height, 1);
    TBitmap dest = RandomBitmap(width, height, 2);
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>((width + 3) & ~3) * height);
    std::mt19937 rng(5);
    for (std::uint8_t& m : maskBits)
        m = std::uint8_t(rng());
    const auto image = [](TBitmap& b) {
        return pixman_image_create_bits(PIXMAN_a8r8g8b8, b.Width(), b.Height(),
                                        reinterpret_cast<std::uint32_t*>(b.ScanLine(0)), int(b.Stride()));
    };
    pixman_image_t* src = image(source);
    pixman_image_t* dst = image(dest);
    pixman_image_t* mask = pixman_image_create_bits(
        PIXMAN_a8, width, height, reinterpret_cast<std::uint32_t*>(maskBits.data()), (width + 3) & ~3);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src, mask, dst, 0, 0, 0, 0, 0, 0, width, height);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(mask);
    pixman_image_unref(dst);
    pixman_image_unref(src);
}

void RenderButtonKept(benchmark::State& state) { RenderButton(state, true); }
void RenderButtonScaledEachTime(benchmark::State& state) { RenderButton(state, false); }
void PixmanButton(benchmark::State& state) { PixmanThroughMask(state, ButtonWidth, ButtonHeight); }
void PixmanWindow(benchmark::State& state) { PixmanThroughMask(state, WindowWidth, WindowHeight); }

constexpr int Repetitions = 7;
BENCHMARK(RenderButtonKept)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(RenderButtonScaledEachTime)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(PixmanButton)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(RenderWindow)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(PixmanWindow)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios, ours / pixman through an 8-bit mask (CPU time):\n");
    reporter.PrintRatio("RenderItem button 75 x 25", "RenderButtonKept", "PixmanButton", 2.0);
    reporter.PrintRatio("RenderItem window 393 x 192", "RenderWindow", "PixmanWindow", 1.5);
    benchmark::Shutdown();
    return 0;
}
