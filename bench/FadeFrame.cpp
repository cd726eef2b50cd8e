// One frame of a button's fade at the program's button size, 75 x 25: the
// copy of the look the fade started from and the blend of the new look
// over it (MakeFadeFrame), the whole per-tick pixel work of a fade. A fade
// ticks every 10 ms; a frame should cost well below 2 % of that (200 µs).
#include "skin/paint/FadeFrame.h"
#include "skin/pixels/Blend.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using pp::TBitmap;

constexpr int ButtonWidth = 75, ButtonHeight = 25;

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

void FadeFrameOfAButton(benchmark::State& state)
{
    const TBitmap oldLook = RandomBitmap(ButtonWidth, ButtonHeight, 1);
    const TBitmap newLook = RandomBitmap(ButtonWidth, ButtonHeight, 2);
    int level = 1;
    for (auto _ : state) {
        TBitmap frame = pp::MakeFadeFrame(oldLook, newLook, level, 5);
        benchmark::DoNotOptimize(frame.ScanLine(0));
        level = level % 5 + 1;
    }
}
BENCHMARK(FadeFrameOfAButton)->Unit(benchmark::kMicrosecond);

// The blend alone, into a frame made once.
void BlendWholeBitmapsOfAButton(benchmark::State& state)
{
    TBitmap frame = RandomBitmap(ButtonWidth, ButtonHeight, 1);
    const TBitmap newLook = RandomBitmap(ButtonWidth, ButtonHeight, 2);
    for (auto _ : state) {
        pp::BlendWholeBitmaps(frame, newLook, 204);
        benchmark::DoNotOptimize(frame.ScanLine(0));
    }
}
BENCHMARK(BlendWholeBitmapsOfAButton)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
