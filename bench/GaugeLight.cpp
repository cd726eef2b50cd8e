// One tick of the gauge's running light on the main window's 25 x 25 gauge
// under the default skin: the whole composition that a paint does (gauge
// item, text passes, bar from its kept copy, light) against the light-only
// repaint the tick uses, which lays the kept bar and the light over the
// cache of the last paint. The light ticks every 22 ms while it runs. Text
// is the platform's and is left out here on both sides.
#include "core/Stream.h"
#include "skin/controls/GaugeSkinPaint.h"
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinPathLoader.h"
#include "skin/paint/BackdropRequest.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace pp;

struct TNoText : TGaugePlatformDrawing {
    void DrawGaugeText(TBitmap&, const TRect&) override { }
    void DrawProgressText(TBitmap&, int, const TRect&) override { }
    void DrawPie(TBitmap&, const TRect&) override { }
    void DrawNeedle(TBitmap&, const TRect&) override { }
};

struct TGaugeScene {
    TSkinFromPath Loaded = LoadSkinFromPath(std::string(PP_SOURCE_DIR) + "/skins/Beijing");
    TBitmap Picture = LoadPicture();
    TBitmap Parent{25, 25};
    TsItemBinding Gauge = BindingForSection(Loaded.Skin, Loaded.Skin.GetSkinIndex("GAUGE"));
    TGaugeSkinPainter Painter;
    TBitmap Cache{25, 25};
    TNoText Drawing;
    TGaugeSkinLook Look;

    TGaugeScene()
    {
        Parent.Fill(PixelFromColor(0xE0D0C0));
        Painter.SetLightPicture(&Picture);
        Look.PercentDone = 72;
        Look.LightPosition = -150;
        Compose();
    }
    static TBitmap LoadPicture()
    {
        TFileStream file(std::string(PP_SOURCE_DIR) + "/src/app/ACGL.png", TFileMode::OpenRead);
        TBitmap picture = LoadPngFromStream(file);
        picture.SetFormat(TPixelFormat::pf32bit);
        return picture;
    }
    void Compose() { Painter.Compose(Cache, Gauge, BackdropFromBitmap(&Parent, 0, 0), Look, Drawing); }
    void NextPosition() { Look.LightPosition = Look.LightPosition >= 10 ? -300 : Look.LightPosition + 15; }
};

void LightTickByWholeComposition(benchmark::State& state)
{
    TGaugeScene scene;
    for (auto _ : state) {
        scene.NextPosition();
        scene.Compose();
        benchmark::DoNotOptimize(scene.Cache.ScanLine(0));
    }
}
BENCHMARK(LightTickByWholeComposition)->Unit(benchmark::kMicrosecond);

void LightTickFromTheKeptBar(benchmark::State& state)
{
    TGaugeScene scene;
    for (auto _ : state) {
        scene.NextPosition();
        const bool done = scene.Painter.RecomposeLight(scene.Cache, scene.Gauge, scene.Look, scene.Drawing);
        benchmark::DoNotOptimize(done);
    }
}
BENCHMARK(LightTickFromTheKeptBar)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
