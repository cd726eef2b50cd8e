// Decoding skin files: our PNG decoder against libpng on the same files, and
// the packed skin reader against plain zlib inflate of the same entries.
// Each pair prints its ratio (ours / reference) after the run.
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinPackageWriter.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

// A picture with smooth areas, edges and some noise, as skin images have.
TBytes SkinLikePixels(int width, int height, int channels, unsigned seed)
{
    TBytes pixels(std::size_t(width) * height * channels);
    unsigned noise = seed;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) {
                noise = noise * 1103515245u + 12345u;
                const int base = (x * (c + 1) + y * (3 - c % 3)) & 0xFF;
                const int edge = ((x / 16 + y / 16) & 1) ? 40 : 0;
                pixels[(std::size_t(y) * width + x) * channels + c] = static_cast<std::uint8_t>(
                    base + edge + ((noise >> 16) & 7));
            }
    return pixels;
}

TBytes EncodeWithLibpng(int width, int height, int colorType, const TBytes& pixels)
{
    TBytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<TBytes*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = pixels.size() / height;
    for (int y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(pixels.data() + stride * y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// libpng decoding to 8-bit samples with the row handling its callers need.
void DecodeWithLibpng(const TBytes& file, TBytes& rows)
{
    struct TReader {
        const TBytes* bytes;
        std::size_t at;
    } reader{&file, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &reader, [](png_structp p, png_bytep out, png_size_t n) {
        auto* r = static_cast<TReader*>(png_get_io_ptr(p));
        std::memcpy(out, r->bytes->data() + r->at, n);
        r->at += n;
    });
    png_read_info(png, info);
    png_set_bgr(png); // the same channel order as ours
    png_read_update_info(png, info);
    const std::size_t stride = png_get_rowbytes(png, info);
    const int height = static_cast<int>(png_get_image_height(png, info));
    rows.resize(stride * height);
    for (int y = 0; y < height; ++y)
        png_read_row(png, rows.data() + stride * y, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
}

const std::vector<TBytes>& LargeImage()
{
    static const std::vector<TBytes> files = {
        EncodeWithLibpng(1024, 1024, PNG_COLOR_TYPE_RGBA, SkinLikePixels(1024, 1024, 4, 1))};
    return files;
}

// Small images of the sizes skins hold: borders, glyphs, button strips.
const std::vector<TBytes>& SmallImages()
{
    static const std::vector<TBytes> files = [] {
        std::vector<TBytes> out;
        const int sizes[][2] = {{16, 16},  {48, 22}, {120, 25}, {9, 9},
                                {300, 30}, {64, 64}, {13, 200}, {90, 24}};
        unsigned seed = 1;
        for (const auto& s : sizes) {
            out.push_back(
                EncodeWithLibpng(s[0], s[1], PNG_COLOR_TYPE_RGBA, SkinLikePixels(s[0], s[1], 4, ++seed)));
            out.push_back(
                EncodeWithLibpng(s[0], s[1], PNG_COLOR_TYPE_RGB, SkinLikePixels(s[0], s[1], 3, ++seed)));
        }
        return out;
    }();
    return files;
}

void OursOn(benchmark::State& state, const std::vector<TBytes>& files)
{
    for (auto _ : state)
        for (const TBytes& file : files) {
            pp::TSpanStream stream(file.data(), file.size());
            pp::TPNGGraphic png;
            png.LoadFromStream(stream);
            benchmark::DoNotOptimize(png.Bitmap().ScanLine(0));
        }
}

void LibpngOn(benchmark::State& state, const std::vector<TBytes>& files)
{
    TBytes rows;
    for (auto _ : state)
        for (const TBytes& file : files) {
            DecodeWithLibpng(file, rows);
            benchmark::DoNotOptimize(rows.data());
        }
}

void BM_Png1024_Ours(benchmark::State& state) { OursOn(state, LargeImage()); }
void BM_Png1024_Libpng(benchmark::State& state) { LibpngOn(state, LargeImage()); }
void BM_PngSmall_Ours(benchmark::State& state) { OursOn(state, SmallImages()); }
void BM_PngSmall_Libpng(benchmark::State& state) { LibpngOn(state, SmallImages()); }

// A package of the small images (several times over) and an options text.
struct TPackage {
    TBytes bytes;
    std::vector<std::pair<TBytes, std::size_t>> entries; // compressed, unpacked size
};

const TPackage& Package()
{
    static const TPackage package = [] {
        TPackage p;
        std::vector<std::pair<std::string, TBytes>> files;
        const std::string options(20000, 'k');
        files.push_back({"Options.dat", TBytes(options.begin(), options.end())});
        for (int copy = 0; copy < 6; ++copy)
            for (std::size_t i = 0; i < SmallImages().size(); ++i)
                files.push_back(
                    {"img" + std::to_string(copy) + "_" + std::to_string(i) + ".png", SmallImages()[i]});
        files.push_back({"master.bmp", SkinLikePixels(400, 300, 3, 99)});
        pp::TSkinPackageWriter writer;
        for (const auto& [name, data] : files) {
            pp::TRawPackageEntry entry = writer.SoundEntry(name, data);
            p.entries.push_back({entry.Stream, data.size()});
            writer.AddRaw(std::move(entry));
        }
        p.bytes = writer.Bytes();
        return p;
    }();
    return package;
}

void BM_Package_Ours(benchmark::State& state)
{
    for (auto _ : state) {
        pp::TSpanStream stream(Package().bytes.data(), Package().bytes.size());
        std::unique_ptr<pp::TacSkinConvertor> reader;
        pp::ReadStoredSkin(reader, stream);
        benchmark::DoNotOptimize(reader->ItemCount);
    }
}

void BM_Package_Zlib(benchmark::State& state)
{
    for (auto _ : state)
        for (const auto& [compressed, size] : Package().entries) {
            TBytes out(size);
            uLongf length = size;
            uncompress(out.data(), &length, compressed.data(), static_cast<uLong>(compressed.size()));
            benchmark::DoNotOptimize(out.data());
        }
}

// Each benchmark repeats and its median counts, so that a burst of load
// elsewhere on the machine does not decide a ratio.
constexpr int Repetitions = 7;
BENCHMARK(BM_Png1024_Ours)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Png1024_Libpng)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PngSmall_Ours)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PngSmall_Libpng)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Package_Ours)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Package_Zlib)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios, ours / reference:\n");
    reporter.PrintRatio("PNG 1024 x 1024 RGBA vs libpng", "BM_Png1024_Ours", "BM_Png1024_Libpng", 1.2);
    reporter.PrintRatio("PNG small skin images vs libpng", "BM_PngSmall_Ours", "BM_PngSmall_Libpng", 1.2);
    reporter.PrintRatio("packed skin vs zlib inflate", "BM_Package_Ours", "BM_Package_Zlib", 1.1);
    benchmark::Shutdown();
    return 0;
}
