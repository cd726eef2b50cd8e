// Pixel toolbox timings against pixman, the library behind cairo and X, on
// the same pixels in the same run. Each pair prints ours / pixman at the end.
#include "skin/pixels/Blend.h"
#include "skin/pixels/Composite.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/Gradient.h"
#include "skin/pixels/Resample.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using pp::TBitmap;

struct TSizeCase {
    int Width, Height;
    std::string Name() const { return std::to_string(Width) + "x" + std::to_string(Height); }
};
const TSizeCase Sizes[] = {{1024, 1024}, {64, 25}};

TBitmap RandomBitmap(int w, int h, unsigned seed, bool opaque)
{
    TBitmap b(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = rng();
            pp::TBGRA p{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
            if (opaque)
                p.A = 255;
            b.Pixel32(x, y) = p;
        }
    return b;
}

// Alpha-premultiplied copy, as pixman expects its a8r8g8b8 pixels.
TBitmap Premultiplied(TBitmap b)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            pp::TBGRA& p = b.Pixel32(x, y);
            p.B = std::uint8_t(p.B * p.A / 255);
            p.G = std::uint8_t(p.G * p.A / 255);
            p.R = std::uint8_t(p.R * p.A / 255);
        }
    return b;
}

// A pixman image over a bitmap's own pixels.
struct TPixmanImage {
    pixman_image_t* Image;
    explicit TPixmanImage(TBitmap& b)
        : Image(pixman_image_create_bits(PIXMAN_a8r8g8b8, b.Width(), b.Height(),
                                         reinterpret_cast<std::uint32_t*>(b.ScanLine(0)), int(b.Stride())))
    {
    }
    ~TPixmanImage() { pixman_image_unref(Image); }
    TPixmanImage(const TPixmanImage&) = delete;
    TPixmanImage& operator=(const TPixmanImage&) = delete;
};

void SetPixels(benchmark::State& state, const TSizeCase& s)
{
    state.SetItemsProcessed(state.iterations() * std::int64_t(s.Width) * s.Height);
}

void FillOurs(benchmark::State& state, TSizeCase s)
{
    TBitmap d(s.Width, s.Height);
    for (auto _ : state) {
        pp::FillPixels32(d, d.Bounds(), 0x336699, 0xCC);
        benchmark::ClobberMemory();
    }
    SetPixels(state, s);
}

void FillPixman(benchmark::State& state, TSizeCase s)
{
    TBitmap d(s.Width, s.Height);
    for (auto _ : state) {
        pixman_fill(reinterpret_cast<std::uint32_t*>(d.ScanLine(0)), int(d.Stride() / 4), 32, 0, 0, s.Width,
                    s.Height, 0xCC996633u);
        benchmark::ClobberMemory();
    }
    SetPixels(state, s);
}

constexpr int BlendWeight = 128;

void BlendOurs(benchmark::State& state, TSizeCase s)
{
    const TBitmap src = RandomBitmap(s.Width, s.Height, 1, true);
    TBitmap d = RandomBitmap(s.Width, s.Height, 2, true);
    for (auto _ : state) {
        pp::BlendRectangle(d, src, BlendWeight, {0, 0}, src.Bounds());
        benchmark::ClobberMemory();
    }
    SetPixels(state, s);
}

void BlendPixman(benchmark::State& state, TSizeCase s)
{
    TBitmap src = RandomBitmap(s.Width, s.Height, 1, true);
    TBitmap d = RandomBitmap(s.Width, s.Height, 2, true);
    TPixmanImage srcImage(src), destImage(d);
    // The new pixel's share: the mask alpha is 255 minus the weight of the old one.
    const pixman_color_t maskColor{0, 0, 0, std::uint16_t((255 - BlendWeight) << 8)};
    pixman_image_t* mask = pixman_image_create_solid_fill(&maskColor);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, srcImage.Image, mask, destImage.Image, 0, 0, 0, 0, 0, 0,
                                 s.Width, s.Height);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(mask);
    SetPixels(state, s);
}

void CompositeOurs(benchmark::State& state, TSizeCase s)
{
    const TBitmap src = RandomBitmap(s.Width, s.Height, 3, false);
    TBitmap d = RandomBitmap(s.Width, s.Height, 4, true);
    const pp::BackdropInfo none;
    for (auto _ : state) {
        pp::CompositeAlpha(d.Bounds(), d, src.Bounds(), src, none, false);
        benchmark::ClobberMemory();
    }
    SetPixels(state, s);
}

void CompositePixman(benchmark::State& state, TSizeCase s)
{
    TBitmap src = Premultiplied(RandomBitmap(s.Width, s.Height, 3, false));
    TBitmap d = RandomBitmap(s.Width, s.Height, 4, true);
    TPixmanImage srcImage(src), destImage(d);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, srcImage.Image, nullptr, destImage.Image, 0, 0, 0, 0, 0, 0,
                                 s.Width, s.Height);
        benchmark::ClobberMemory();
    }
    SetPixels(state, s);
}

// Stretching a skin image: the source is three quarters of the target size.
TSizeCase ResampleSource(TSizeCase s) { return {s.Width * 3 / 4, s.Height * 3 / 4}; }

void ResampleOurs(benchmark::State& state, TSizeCase s)
{
    const TSizeCase from = ResampleSource(s);
    const TBitmap src = RandomBitmap(from.Width, from.Height, 5, false);
    TBitmap d;
    for (auto _ : state) {
        pp::ResampleBitmap(src, d, s.Width, pp::rfMitchell, s.Height);
        benchmark::DoNotOptimize(d.ScanLine(0));
    }
    SetPixels(state, s);
}

void ResamplePixman(benchmark::State& state, TSizeCase s)
{
    const TSizeCase from = ResampleSource(s);
    TBitmap src = RandomBitmap(from.Width, from.Height, 5, false);
    TBitmap d(s.Width, s.Height);
    TPixmanImage srcImage(src), destImage(d);
    const double sx = double(from.Width) / s.Width, sy = double(from.Height) / s.Height;
    pixman_transform_t t;
    pixman_transform_init_scale(&t, pixman_double_to_fixed(sx), pixman_double_to_fixed(sy));
    pixman_image_set_transform(srcImage.Image, &t);
    pixman_image_set_repeat(srcImage.Image, PIXMAN_REPEAT_PAD);
    int count = 0;
    // PIXMAN_KERNEL_CUBIC is the Mitchell-Netravali cubic with B = C = 1/3.
    pixman_fixed_t* params = pixman_filter_create_separable_convolution(
        &count, pixman_double_to_fixed(sx), pixman_double_to_fixed(sy), PIXMAN_KERNEL_CUBIC, PIXMAN_KERNEL_CUBIC,
        PIXMAN_KERNEL_IMPULSE, PIXMAN_KERNEL_IMPULSE, 4, 4);
    pixman_image_set_filter(srcImage.Image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
    free(params);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, srcImage.Image, nullptr, destImage.Image, 0, 0, 0, 0, 0, 0,
                                 s.Width, s.Height);
        benchmark::ClobberMemory();
    }
    SetPixels(state, s);
}

// A caption band as skins describe it: two vertical runs.
const char* const CaptionGradient = "16753188;16777215;60;0;0;16777215;14211288;40;0;0";

void ParseGradient(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pp::ParseGradientSpec(CaptionGradient));
}

void DrawGradient(benchmark::State& state, int mode)
{
    TBitmap band(400, 30);
    pp::TsGradArray g = pp::ParseGradientSpec(CaptionGradient);
    g[0].Mode = mode;
    for (auto _ : state) {
        pp::DrawGradientFill(band, band.Bounds(), g);
        benchmark::ClobberMemory();
    }
}

// Prints the ratio of each "ours" timing to its "pixman" partner at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // CPU time: the machine is shared, and wall time counts the waits.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nours / pixman, CPU time (below 1.0: ours is faster)\n");
        for (const auto& [name, ours] : times_) {
            const std::size_t at = name.find("/ours");
            if (at == std::string::npos)
                continue;
            const auto pixman = times_.find(name.substr(0, at) + "/pixman" + name.substr(at + 5));
            if (pixman != times_.end() && pixman->second > 0)
                std::printf("  %-28s %6.2f\n", (name.substr(0, at) + name.substr(at + 5)).c_str(),
                            ours / pixman->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

void Register(const std::string& op, void (*ours)(benchmark::State&, TSizeCase),
              void (*pixman)(benchmark::State&, TSizeCase))
{
    for (const TSizeCase& s : Sizes) {
        benchmark::RegisterBenchmark((op + "/ours/" + s.Name()).c_str(), ours, s);
        benchmark::RegisterBenchmark((op + "/pixman/" + s.Name()).c_str(), pixman, s);
    }
}

} // namespace

int main(int argc, char** argv)
{
    Register("FillPixels32", FillOurs, FillPixman);
    Register("BlendRectangle", BlendOurs, BlendPixman);
    Register("CompositeAlpha", CompositeOurs, CompositePixman);
    Register("ResampleBitmap6", ResampleOurs, ResamplePixman);
    benchmark::RegisterBenchmark("ParseGradientSpec/caption", ParseGradient);
    benchmark::RegisterBenchmark("DrawGradientFill/400x30/vertical", DrawGradient, 0);
    benchmark::RegisterBenchmark("DrawGradientFill/400x30/horizontal", DrawGradient, 1);
    benchmark::RegisterBenchmark("DrawGradientFill/400x30/triangles", DrawGradient, 2);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
