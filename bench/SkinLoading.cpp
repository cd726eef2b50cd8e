// Skin loading timings: the built-in default skin, and a generated large skin
// (200 sections, 500 image keys, packed) whole and in parts: inflate, image
// decoding, and options parsing with section and image record building. The
// summary at the end prints each part's share of the whole load.
#include "core/IniFile.h"
#include "core/StringList.h"
#include "skin/loading/DefaultSkinPackage.h"
#include "skin/loading/ImageFormat.h"
#include "skin/loading/SkinColors.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinImageAlpha.h"
#include "skin/loading/SkinPackageWriter.h"
#include "skin/loading/SkinSections.h"

#include <benchmark/benchmark.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

constexpr int SectionCount = 200;
constexpr int FileImages = 100; // half BMP, half PNG
constexpr int MasterImages = 400;

void AppendToBytes(void* context, void* data, int size)
{
    auto* out = static_cast<TBytes*>(context);
    const auto* p = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), p, p + size);
}

// A button-like strip: three frames, key-coloured outer corners.
std::vector<std::uint8_t> StripPixels(int width, int height, int seed)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            const bool corner = (x % (width / 3) == 0 || x % (width / 3) == width / 3 - 1) &&
                                (y == 0 || y == height - 1);
            p[0] = corner ? 0xFF : static_cast<std::uint8_t>(x * 3 + seed);
            p[1] = corner ? 0x00 : static_cast<std::uint8_t>(y * 5);
            p[2] = corner ? 0xFF : static_cast<std::uint8_t>(seed * 7);
        }
    return rgb;
}

TBytes Bmp(int width, int height, int seed)
{
    TBytes out;
    stbi_write_bmp_to_func(AppendToBytes, &out, width, height, 3, StripPixels(width, height, seed).data());
    return out;
}

TBytes Png(int width, int height, int seed)
{
    TBytes out;
    stbi_write_png_to_func(AppendToBytes, &out, width, height, 3, StripPixels(width, height, seed).data(), 0);
    return out;
}

struct TEntry {
    std::string Name;
    TBytes Data;
};

TBytes Package(const std::vector<TEntry>& entries)
{
    pp::TSkinPackageWriter writer(pp::ZlibDefaultLevel);
    for (const TEntry& e : entries)
        writer.Add(e.Name, e.Data);
    return writer.Bytes();
}

// The fixed columns of the master-bitmap forms, for a strip starting at x.
std::string MasterValue(int n)
{
    const int x = n % 400;
    char value[64];
    switch (n % 4) {
    case 0:
        std::snprintf(value, sizeof value, "^%04d 0000 %04d 0040 0000 0000 0000 0000 3 1 0 0", x, x + 90);
        break;
    case 1: std::snprintf(value, sizeof value, "#x (%d,40,%d,80) (3,1)", x, x + 60); break;
    case 2: std::snprintf(value, sizeof value, "@%04d 0080 %04d 0110 3 0", x, x + 30); break;
    default: std::snprintf(value, sizeof value, "~%04d 0120 %04d 0184 10", x, x + 64); break;
    }
    return value;
}

// The options of the large skin: parent chains through the sections, a
// gradient and colours in each, image keys spread over all of them.
std::string LargeOptions()
{
    std::string text = "[GLOBALINFO]\r\nVERSION=8.1\r\nAUTHOR=Bench\r\nMASTERBITMAP=MASTER.BMP\r\n";
    int imageKey = 0;
    for (int s = 0; s < SectionCount; ++s) {
        text += "[SECTION" + std::to_string(s) + "]\r\n";
        if (s % 10 != 0) // chains of ten sections, deeper than skins go
            text += "PARENTCLASS=SECTION" + std::to_string(s - 1) + "\r\n";
        text += "COLOR=$" + std::to_string(100000 + s) +
                "\r\nFONTCOLOR=$FF000008\r\nHOTCOLOR=$00FF00\r\n"
                "GRADIENTPERCENT=50\r\nGRADIENTDATA=16777215;12632256;50;0;0;12632256;8421504;50;0;0\r\n"
                "TRANSPARENCY=10\r\nGLOW=2\r\n";
        const int keysHere = (FileImages + MasterImages) / SectionCount +
                             (s < (FileImages + MasterImages) % SectionCount);
        for (int k = 0; k < keysHere; ++k, ++imageKey) {
            text += "IMAGE" + std::to_string(k) + "=";
            const int n = imageKey;
            if (n < FileImages / 2)
                text += "!IMG" + std::to_string(n) + ".PNG!3!1";
            else if (n < FileImages)
                text += "img" + std::to_string(n) + ".bmp";
            else
                text += MasterValue(n);
            text += "\r\n";
        }
    }
    return text;
}

struct TLargeSkin {
    std::string Options = LargeOptions();
    std::vector<TEntry> Entries;
    TBytes Packed;

    TLargeSkin()
    {
        Entries.push_back({"Options.dat", TBytes(Options.begin(), Options.end())});
        Entries.push_back({"MASTER.BMP", Bmp(512, 256, 1)});
        for (int n = 0; n < FileImages / 2; ++n)
            Entries.push_back({"IMG" + std::to_string(n) + ".PNG", Png(90, 60, n)});
        for (int n = FileImages / 2; n < FileImages; ++n)
            Entries.push_back({"IMG" + std::to_string(n) + ".BMP", Bmp(90, 60, n)});
        Packed = Package(Entries);
    }
};

const TLargeSkin& LargeSkin()
{
    static const TLargeSkin skin;
    return skin;
}

std::unique_ptr<pp::TacSkinConvertor> Inflate(const TBytes& packed = LargeSkin().Packed)
{
    pp::TMemoryStream data(packed);
    std::unique_ptr<pp::TacSkinConvertor> reader;
    pp::ReadStoredSkin(reader, data);
    return reader;
}

pp::TMemIniFile OptionsOf(pp::TacSkinConvertor& reader)
{
    reader.OptionsStream->SetPosition(0);
    pp::TStringList lines(true);
    lines.LoadFromStream(*reader.OptionsStream);
    return pp::TMemIniFile(lines);
}

void LoadPackage(benchmark::State& state, const TBytes& packed)
{
    for (auto _ : state) {
        auto reader = Inflate(packed);
        const pp::TMemIniFile options = OptionsOf(*reader);
        pp::TsLoadedSkin skin;
        pp::LoadSkinContent(options, pp::TSkinPackageSource(*reader), {}, skin);
        benchmark::DoNotOptimize(skin.Masks().size());
    }
}

void BM_DefaultSkin(benchmark::State& state)
{
    const std::span<const std::uint8_t> packed = pp::DefaultSkinPackage();
    LoadPackage(state, TBytes(packed.begin(), packed.end()));
}
BENCHMARK(BM_DefaultSkin)->Unit(benchmark::kMillisecond);

void BM_WholeLoad(benchmark::State& state) { LoadPackage(state, LargeSkin().Packed); }
BENCHMARK(BM_WholeLoad)->Unit(benchmark::kMillisecond);

void BM_Inflate(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Inflate());
}
BENCHMARK(BM_Inflate)->Unit(benchmark::kMillisecond);

void BM_DecodeImages(benchmark::State& state)
{
    const auto reader = Inflate();
    for (auto _ : state)
        for (const pp::TacImageItem& item : reader->Items) {
            pp::TSpanStream stream(item.Stream.Bytes().data(), item.Stream.Bytes().size());
            pp::TBitmap image = pp::DecodeImage(stream, *pp::ImageFormatOfName(item.FileName), 8.1);
            pp::ConvertToSkin32(image);
            benchmark::DoNotOptimize(image.ScanLine(0));
        }
}
// Decoding includes the 32-bit treatment every skin image gets.
BENCHMARK(BM_DecodeImages)->Unit(benchmark::kMillisecond);

// Options text to section records and colours: the parsing share.
void BM_ParseOptionsAndSections(benchmark::State& state)
{
    const auto reader = Inflate();
    for (auto _ : state) {
        const pp::TMemIniFile options = OptionsOf(*reader);
        pp::TsSkinData data;
        pp::ReadGlobalInfo(options, 4, data);
        const pp::TsGeneralDataArray sections = pp::ReadSectionRecords(options);
        benchmark::DoNotOptimize(pp::ReadSkinColors(options, sections));
    }
}
BENCHMARK(BM_ParseOptionsAndSections)->Unit(benchmark::kMillisecond);

// The lookups painting uses once a skin is loaded: by section and key.
void BM_MaskLookups(benchmark::State& state)
{
    auto reader = Inflate();
    const pp::TMemIniFile options = OptionsOf(*reader);
    pp::TsLoadedSkin skin;
    pp::LoadSkinContent(options, pp::TSkinPackageSource(*reader), {}, skin);
    const std::string last = "SECTION" + std::to_string(SectionCount - 1);
    const int lastIndex = skin.GetSkinIndex(last);
    for (auto _ : state) {
        benchmark::DoNotOptimize(skin.GetMaskIndex(lastIndex, last, "IMAGE0"));
        benchmark::DoNotOptimize(skin.GetMaskIndexExact("SECTION0", "IMAGE1"));
    }
}
BENCHMARK(BM_MaskLookups);

// Keeps each benchmark's time per iteration for the summary.
class TShareReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            Milliseconds[run.benchmark_name()] = run.GetAdjustedCPUTime() *
                                                 (run.time_unit == benchmark::kMillisecond ? 1.0 : 1e-6);
    }
    std::map<std::string, double> Milliseconds;
};

void PrintShares(const std::map<std::string, double>& ms)
{
    const double whole = ms.at("BM_WholeLoad");
    const double inflate = ms.at("BM_Inflate");
    const double decode = ms.at("BM_DecodeImages");
    const double parse = ms.at("BM_ParseOptionsAndSections");
    const double records = whole - inflate - decode;
    if (ms.count("BM_DefaultSkin"))
        std::printf("\ndefault skin load: %.2f ms of processor time\n", ms.at("BM_DefaultSkin"));
    std::printf("large skin load: %.2f ms of processor time\n", whole);
    std::printf("  inflate                         %6.2f ms  %5.1f %%\n", inflate, 100 * inflate / whole);
    std::printf("  image decoding                  %6.2f ms  %5.1f %%\n", decode, 100 * decode / whole);
    std::printf(
        "  parsing and record building     %6.2f ms  %5.1f %%  (options and sections alone %.2f ms)\n",
        records, 100 * records / whole, parse);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TShareReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& ms = reporter.Milliseconds;
    if (ms.count("BM_WholeLoad") && ms.count("BM_Inflate") && ms.count("BM_DecodeImages") &&
        ms.count("BM_ParseOptionsAndSections"))
        PrintShares(ms);
    benchmark::Shutdown();
    return 0;
}
