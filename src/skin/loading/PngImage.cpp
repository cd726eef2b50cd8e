#include "skin/loading/PngImage.h"

#include "skin/loading/PngImageData.h"
#include "skin/loading/PngMessages.h"
#include "skin/loading/PngRowWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace pp {
namespace {

constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Chunk lengths above this are not valid PNG.
constexpr std::uint32_t MaxChunkLength = 0x7FFFFFFF;

std::uint32_t BigEndian32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
unsigned BigEndian16(const std::uint8_t* p) { return (unsigned(p[0]) << 8) | p[1]; }

struct TChunk {
    std::uint32_t Length = 0;
    char Type[5] = {};
    std::vector<std::uint8_t> Data;

    bool Is(const char* type) const { return std::memcmp(Type, type, 4) == 0; }
    // Bit 5 of the first letter clear: a decoder must understand the chunk.
    bool IsCritical() const { return (static_cast<std::uint8_t>(Type[0]) & 0x20) == 0; }
};

// Reads chunks from the stream; a chunk's data is only read (and its CRC
// checked) when asked for, so skipped chunks are never checked.
class TChunkReader {
public:
    explicit TChunkReader(TStream& stream) : stream_(stream) {}

    // False at the end of the stream.
    bool Next(TChunk& chunk)
    {
        std::uint8_t head[8];
        if (stream_.Read(head, sizeof head) != sizeof head)
            return false;
        chunk.Length = BigEndian32(head);
        std::memcpy(chunk.Type, head + 4, 4);
        chunk.Data.clear();
        if (chunk.Length > MaxChunkLength)
            throw EInvalidGraphic(PngMessage::InvalidFormat);
        return true;
    }

    void ReadData(TChunk& chunk)
    {
        // Check the length against what is there before allocating for it.
        if (chunk.Length + std::int64_t(4) > stream_.Size() - stream_.Position())
            throw EReadError();
        chunk.Data.resize(chunk.Length);
        stream_.ReadBuffer(chunk.Data.data(), chunk.Data.size());
        std::uint8_t stored[4];
        stream_.ReadBuffer(stored, sizeof stored);
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(chunk.Type), 4);
        // zlib answers 0 for a null buffer, so empty data must not be passed.
        if (!chunk.Data.empty())
            crc = crc32(crc, chunk.Data.data(), static_cast<uInt>(chunk.Data.size()));
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
        // (Fuzzing builds skip the check so that mutated chunks reach the
        // code behind it.)
        if (crc != BigEndian32(stored))
            throw EInvalidGraphic(PngMessage::CrcError);
#else
        (void)crc;
#endif
    }

    void Skip(const TChunk& chunk) { stream_.Seek(std::int64_t(chunk.Length) + 4, TSeekOrigin::Current); }

private:
    TStream& stream_;
};

bool ValidColorAndDepth(int colorType, int depth)
{
    switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    default: return false;
    }
}

int SamplesOf(int colorType)
{
    switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

TPngHeader ParseHeader(const TChunk& ihdr)
{
    if (ihdr.Data.size() != 13)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    const std::uint8_t* d = ihdr.Data.data();
    const std::uint32_t width = BigEndian32(d), height = BigEndian32(d + 4);
    if (width == 0 || height == 0 || width > MaxChunkLength || height > MaxChunkLength)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    TPngHeader h;
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    h.BitsPerSample = d[8];
    h.Compression = d[10];
    h.FilterMethod = d[11];
    if (h.Compression != 0)
        throw EInvalidGraphic(PngMessage::CompressionScheme);
    if (!ValidColorAndDepth(d[9], d[8]))
        throw EInvalidGraphic(PngMessage::InvalidColorFormat);
    if (d[12] > 1)
        throw EInvalidGraphic(PngMessage::InvalidFormat);
    h.ColorScheme = static_cast<TPngColorType>(d[9]);
    h.SamplesPerPixel = SamplesOf(d[9]);
    h.BitsPerPixel = h.SamplesPerPixel * h.BitsPerSample;
    h.Interlaced = d[12] == 1;
    h.HasAlpha = d[9] == 4 || d[9] == 6;
    return h;
}

// One colour given in the file's sample depth (bKGD, tRNS): a grey level,
// a palette index or red, green, blue.
struct TFileColor {
    unsigned Values[3] = {};
    int Count = 0;
};

std::optional<TFileColor> ParseFileColor(const TChunk& chunk, TPngColorType type)
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
        c.Values[i] = BigEndian16(d.data() + 2 * i);
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
        TChunk chunk;
        if (!reader_.Next(chunk) || !chunk.Is("IHDR"))
            throw EInvalidGraphic(PngMessage::InvalidFormat);
        reader_.ReadData(chunk);
        header_ = ParseHeader(chunk);
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
    bool HandleChunk(TChunk& chunk)
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

    void ReadPalette(TChunk& chunk)
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

    void ReadGamma(TChunk& chunk)
    {
        reader_.ReadData(chunk);
        if (chunk.Data.size() != 4)
            return;
        const auto value = static_cast<std::int32_t>(BigEndian32(chunk.Data.data()));
        header_.FileGamma = value > 0 ? value / 100000.0 : 1.0;
        gamma_ = MakeGammaTable(header_.FileGamma);
        gammaEnabled_ = true;
    }

    void ReadColorChunk(TChunk& chunk, std::optional<TFileColor>& into)
    {
        reader_.ReadData(chunk);
        into = ParseFileColor(chunk, header_.ColorScheme);
    }

    // All consecutive IDAT chunks form one zlib stream.
    bool ReadImageData(TChunk& chunk)
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
        CheckBitmapSize(header_.Width, header_.Height, format);
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

    TChunkReader reader_;
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
