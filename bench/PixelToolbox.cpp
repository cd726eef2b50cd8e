// Pixel toolbox timings against pixman, the library behind cairo and X, on
// the same pixels in the same run, repetitions of all benchmarks interleaved.
// At the end each comparison prints ours / pixman: first those that do the
// same work the same way (SSE2 against SSE2, two 1-D passes against two,
// set-up inside the timed loop on both sides), then the rest.
#include "skin/pixels/Blend.h"
#include "skin/pixels/BlendRows.h"
#include "skin/pixels/Composite.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/Gradient.h"
#include "skin/pixels/Resample.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// Our composite on the widest rows the processor has, or held to SSE2 (the
// widest pixman 0.42 has) for the like-for-like row.
void CompositeOurs(benchmark::State& state, TSizeCase s, bool sse2Only)
{
    const TBitmap src = RandomBitmap(s.Width, s.Height, 3, false);
    TBitmap d = RandomBitmap(s.Width, s.Height, 4, true);
    const pp::BackdropInfo none;
    pp::LimitRowsToSse2(sse2Only);
    for (auto _ : state) {
        pp::CompositeAlpha(d.Bounds(), d, src.Bounds(), src, none, false);
        benchmark::ClobberMemory();
    }
    pp::LimitRowsToSse2(false);
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

// Every call pays for its own work bitmap, result and weight tables, as the
// skin engine's calls do; the pixman side below does the same.
void ResampleOurs(benchmark::State& state, TSizeCase s)
{
    const TSizeCase from = ResampleSource(s);
    const TBitmap src = RandomBitmap(from.Width, from.Height, 5, false);
    for (auto _ : state) {
        TBitmap d;
        pp::ResampleBitmap(src, d, s.Width, pp::rfMitchell, s.Height);
        benchmark::DoNotOptimize(d.ScanLine(0));
    }
    SetPixels(state, s);
}

pixman_fixed_t Fixed(double v) { return pixman_double_to_fixed(v); }

// One 1-D pass of pixman's separable convolution, scaling `from` onto `to`
// along one axis: PIXMAN_KERNEL_CUBIC (Mitchell-Netravali, B = C = 1/3) along
// it with 4 subsample bits, a box of one pixel along the other, which is a
// single tap (an impulse there gives pixman a filter of width 0 and no
// pixels). The two passes give pixman's full 2-D filter within 1.
void PixmanPass(TBitmap& from, TBitmap& to)
{
    TPixmanImage in(from), out(to);
    const double sx = double(from.Width()) / to.Width(), sy = double(from.Height()) / to.Height();
    const bool alongX = from.Width() != to.Width();
    pixman_transform_t t;
    pixman_transform_init_scale(&t, Fixed(sx), Fixed(sy));
    pixman_image_set_transform(in.Image, &t);
    pixman_image_set_repeat(in.Image, PIXMAN_REPEAT_PAD);
    int count = 0;
    pixman_fixed_t* params = pixman_filter_create_separable_convolution(
        &count, Fixed(sx), Fixed(sy), alongX ? PIXMAN_KERNEL_CUBIC : PIXMAN_KERNEL_BOX,
        alongX ? PIXMAN_KERNEL_BOX : PIXMAN_KERNEL_CUBIC, PIXMAN_KERNEL_IMPULSE, PIXMAN_KERNEL_IMPULSE,
        alongX ? 4 : 0, alongX ? 0 : 4);
    pixman_image_set_filter(in.Image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
    free(params);
    pixman_image_composite32(PIXMAN_OP_SRC, in.Image, nullptr, out.Image, 0, 0, 0, 0, 0, 0, to.Width(),
                             to.Height());
}

// Rows first, then columns, as ours: the intermediate and the result, the
// images, transforms and filters are made inside the timed loop.
void ResamplePixman(benchmark::State& state, TSizeCase s)
{
    const TSizeCase from = ResampleSource(s);
    TBitmap src = RandomBitmap(from.Width, from.Height, 5, false);
    for (auto _ : state) {
        TBitmap rows(s.Width, from.Height), d(s.Width, s.Height);
        PixmanPass(src, rows);
        PixmanPass(rows, d);
        benchmark::DoNotOptimize(d.ScanLine(0));
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

// One line of the table printed at the end: ours / pixman.
struct TComparison {
    std::string Title, Ours, Pixman;
    bool LikeForLike;
};

// Prints each comparison's ratio of median CPU times at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    explicit TRatioReporter(std::vector<TComparison> comparisons) : comparisons_(std::move(comparisons)) { }

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
        std::printf("\nours / pixman, median CPU time (below 1.0: ours is faster)\n");
        PrintRatios(true, "like for like");
        PrintRatios(false, "not like for like: our AVX2 rows against pixman's SSE2");
    }

private:
    void PrintRatios(bool likeForLike, const char* heading) const
    {
        std::printf("  %s\n", heading);
        for (const TComparison& c : comparisons_) {
            const auto ours = times_.find(c.Ours), pixman = times_.find(c.Pixman);
            if (c.LikeForLike == likeForLike && ours != times_.end() && pixman != times_.end() &&
                pixman->second > 0)
                std::printf("    %-34s %6.2f\n", c.Title.c_str(), ours->second / pixman->second);
        }
    }

    std::vector<TComparison> comparisons_;
    std::map<std::string, double> times_;
};

std::vector<TComparison> comparisons;

// Registers ours and pixman's benchmark of one operation for every size;
// `oursLabel` tells apart our variants of one operation.
template <typename Ours, typename Pixman>
void Register(const std::string& op, const std::string& oursLabel, bool likeForLike, Ours ours, Pixman pixman)
{
    for (const TSizeCase& s : Sizes) {
        const std::string oursName = op + "/" + oursLabel + "/" + s.Name();
        const std::string pixmanName = op + "/pixman/" + s.Name();
        benchmark::RegisterBenchmark(oursName.c_str(), [=](benchmark::State& state) { ours(state, s); });
        const bool pixmanRegistered = std::any_of(
            comparisons.begin(), comparisons.end(),
            [&](const TComparison& c) { return c.Pixman == pixmanName; });
        if (!pixmanRegistered)
            benchmark::RegisterBenchmark(pixmanName.c_str(),
                                         [=](benchmark::State& state) { pixman(state, s); });
        comparisons.push_back({op + " " + oursLabel + " " + s.Name(), oursName, pixmanName, likeForLike});
    }
}

} // namespace

int main(int argc, char** argv)
{
    Register("FillPixels32", "ours", true, FillOurs, FillPixman);
    Register("BlendRectangle", "ours-sse2", true, BlendOurs, BlendPixman);
    Register(
        "CompositeAlpha", "ours-sse2", true,
        [](benchmark::State& state, TSizeCase s) { CompositeOurs(state, s, true); }, CompositePixman);
    Register(
        "CompositeAlpha", "ours-avx2", false,
        [](benchmark::State& state, TSizeCase s) { CompositeOurs(state, s, false); }, CompositePixman);
    Register("ResampleBitmap6", "ours", true, ResampleOurs, ResamplePixman);
    benchmark::RegisterBenchmark("ParseGradientSpec/caption", ParseGradient);
    benchmark::RegisterBenchmark("DrawGradientFill/400x30/vertical", DrawGradient, 0);
    benchmark::RegisterBenchmark("DrawGradientFill/400x30/horizontal", DrawGradient, 1);
    benchmark::RegisterBenchmark("DrawGradientFill/400x30/triangles", DrawGradient, 2);
    // Repetitions of all benchmarks run in a shuffled order, so that load from
    // elsewhere on a shared machine falls on both sides alike; arguments given
    // on the command line come later and win.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {interleave, repetitions, aggregates});
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    TRatioReporter reporter(comparisons);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
