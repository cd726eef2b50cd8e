#include "skin/loading/PngImage.h"

#include "core/ByteReader.h"
#include "skin/loading/PngChunks.h"
#include "skin/loading/PngImageData.h"
#include "skin/loading/PngMessages.h"
#include "skin/loading/PngRowWriter.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace pp {
namespace {

constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// One colour given in the file's sample depth (bKGD, tRNS): a grey level,
// a palette index or red, green, blue.
struct TFileColor {
    unsigned Values[3] = {};
    int Count = 0;
};

std::optional<TFileColor> ParseFileColor(const TPngChunk& chunk, TPngColorType type)
{
    TFileColor c;
    const std::vector<std::uint8_t>& d = chunk.Data;
    if (type == TPngColorType::Indexed) {
        if (d.size() != 1)
            return std::nullopt;
        c.Values[0] = d[0];
        c.Count = 1;
        return c;
    }
    c.Count = (type == TPngColorType::Grey || type == TPngColorType::GreyAlpha) ? 1 : 3;
    if (d.size() != static_cast<std::size_t>(2 * c.Count))
        return std::nullopt;
    for (int i = 0; i < c.Count; ++i)
        c.Values[i] = LoadBigEndian16(d.data() + 2 * i);
    return c;
}

// The state of one decoding, chunk by chunk.
class TPngDecoder {
public:
    using TProgress = std::function<void(const std::string&)>;

    TPngDecoder(TStream& stream, TBitmap& bitmap, TPngHeader& header, const TProgress& progress)
        : reader_(stream), bitmap_(bitmap), header_(header), progress_(progress)
    {
    }

    void Run()
    {
        TPngChunk chunk;
        if (!reader_.Next(chunk) || !chunk.Is("IHDR"))
            throw EInvalidGraphic(PngMessage::InvalidFormat);
        reader_.ReadData(chunk);
        header_ = ParsePngHeader(chunk);
        // An absurd size is refused before anything else is read.
        CheckBitmapSize(header_.Width, header_.Height, PngResultFormat(header_));
        Notify("Preparing...");
        bool more = reader_.Next(chunk);
        while (more && !chunk.Is("IEND"))
            more = HandleChunk(chunk);
        if (!imageDone_)
            throw EInvalidGraphic(PngMessage::InvalidFormat);
        ApplyTransparency();
    }

private:
    // Handles `chunk` and reads the next header into it; false at the end.
    bool HandleChunk(TPngChunk& chunk)
    {
        if (chunk.Is("IDAT"))
            return ReadImageData(chunk);
        if (chunk.Is("PLTE"))
            ReadPalette(chunk);
        else if (chunk.Is("gAMA"))
            ReadGamma(chunk);
        else if (chunk.Is("bKGD"))
            ReadColorChunk(chunk, background_);
        else if (chunk.Is("tRNS"))
            ReadColorChunk(chunk, transparent_);
        else if (chunk.IsCritical())
            throw EInvalidGraphic(chunk.Is("IHDR") ? PngMessage::InvalidFormat : PngMessage::CriticalChunk);
        else
            reader_.Skip(chunk);
        return reader_.Next(chunk);
    }

    void ReadPalette(TPngChunk& chunk)
    {
        reader_.ReadData(chunk);
        if (chunk.Data.size() % 3 != 0)
            throw EInvalidGraphic(PngMessage::InvalidPalette);
        palette_.clear();
        const std::size_t entries = std::min<std::size_t>(chunk.Data.size() / 3, 256);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* rgb = chunk.Data.data() + 3 * i;
            palette_.push_back(MakeColor(rgb[0], rgb[1], rgb[2]));
        }
        havePalette_ = true;
    }

    void ReadGamma(TPngChunk& chunk)
    {
        reader_.ReadData(chunk);
        if (chunk.Data.size() != 4)
            return;
        const auto value = static_cast<std::int32_t>(LoadBigEndian32(chunk.Data.data()));
        header_.FileGamma = value > 0 ? value / 100000.0 : 1.0;
        gamma_ = MakeGammaTable(header_.FileGamma);
        gammaEnabled_ = true;
    }

    void ReadColorChunk(TPngChunk& chunk, std::optional<TFileColor>& into)
    {
        reader_.ReadData(chunk);
        into = ParseFileColor(chunk, header_.ColorScheme);
    }

    // All consecutive IDAT chunks form one zlib stream.
    bool ReadImageData(TPngChunk& chunk)
    {
        if (imageDone_)
            throw EInvalidGraphic(PngMessage::ExtraData);
        std::vector<std::uint8_t> compressed;
        bool more = true;
        while (more && chunk.Is("IDAT")) {
            reader_.ReadData(chunk);
            compressed.insert(compressed.end(), chunk.Data.begin(), chunk.Data.end());
            more = reader_.Next(chunk);
        }
        if (!PngImageDataFits(header_, compressed.size()))
            throw EGraphicCompression(PngMessage::CompressionError);
        PrepareBitmap();
        Notify("Transfering...");
        TPngRowWriter writer(header_, bitmap_, gammaEnabled_ ? &gamma_ : nullptr);
        DecodePngImageData(compressed, header_, writer);
        imageDone_ = true;
        return more;
    }

    void PrepareBitmap()
    {
        const TPixelFormat format = PngResultFormat(header_);
        bitmap_ = TBitmap(header_.Width, header_.Height, format);
        if (HasPalette(format))
            bitmap_.Palette = ResultPalette();
    }

    std::vector<TColor> ResultPalette() const
    {
        if (header_.ColorScheme == TPngColorType::Indexed) {
            if (!havePalette_)
                throw EInvalidGraphic(PngMessage::InvalidPalette);
            std::vector<TColor> result;
            for (TColor c : palette_)
                result.push_back(MakeColor(gamma_[RedOf(c)], gamma_[GreenOf(c)], gamma_[BlueOf(c)]));
            return result;
        }
        // Grey: one entry per level of the result's depth.
        const int depth = std::min(header_.BitsPerSample, 8);
        std::vector<TColor> grey(std::size_t(1) << depth);
        for (unsigned i = 0; i < grey.size(); ++i) {
            const std::uint8_t g = gamma_[ScaleSample(i, depth)];
            grey[i] = MakeColor(g, g, g);
        }
        return grey;
    }

    // A file colour as the decoded pixels show it.
    TColor ToResultColor(const TFileColor& c) const
    {
        const int depth = header_.BitsPerSample;
        if (c.Count == 1) {
            const std::uint8_t g = gamma_[ScaleSample(c.Values[0], depth)];
            return MakeColor(g, g, g);
        }
        return MakeColor(gamma_[ScaleSample(c.Values[0], depth)], gamma_[ScaleSample(c.Values[1], depth)],
                         gamma_[ScaleSample(c.Values[2], depth)]);
    }

    // tRNS of grey and truecolour images names the transparent colour;
    // indexed images ignore it.
    void ApplyTransparency()
    {
        if (background_ && header_.ColorScheme != TPngColorType::Indexed)
            header_.Background = ToResultColor(*background_);
        if (!transparent_ || header_.ColorScheme == TPngColorType::Indexed || header_.HasAlpha)
            return;
        bitmap_.Transparent = true;
        bitmap_.TransparentColor = ToResultColor(*transparent_);
    }

    void Notify(const char* stage)
    {
        if (progress_)
            progress_(stage);
    }

    TPngChunkReader reader_;
    TBitmap& bitmap_;
    TPngHeader& header_;
    const TProgress& progress_;
    TGammaTable gamma_ = IdentityGamma();
    bool gammaEnabled_ = false;
    std::vector<TColor> palette_;
    bool havePalette_ = false;
    std::optional<TFileColor> background_;
    std::optional<TFileColor> transparent_;
    bool imageDone_ = false;
};

} // namespace

void TPNGGraphic::LoadFromStream(TStream& stream)
{
    std::uint8_t signature[8];
    if (stream.Read(signature, sizeof signature) != sizeof signature ||
        std::memcmp(signature, Signature, sizeof signature) != 0)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    TBitmap bitmap;
    TPngHeader header;
    TPngDecoder(stream, bitmap, header, OnProgress).Run();
    bitmap_ = std::move(bitmap);
    header_ = header;
}

void TPNGGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, TFileMode::OpenRead);
    LoadFromStream(file);
}

TBitmap TPNGGraphic::TakeBitmap()
{
    TBitmap result = std::move(bitmap_);
    bitmap_ = TBitmap();
    return result;
}

TBitmap LoadPngFromStream(TStream& stream)
{
    TPNGGraphic png;
    png.LoadFromStream(stream);
    return png.TakeBitmap();
}

} // namespace pp
