#include "skin/loading/PngRowWriter.h"

#include <cmath>

namespace pp {
namespace {

// The sample at `index` of a row of `depth`-bit samples, most significant first.
inline unsigned SampleAt(const std::uint8_t* raw, int index, int depth)
{
    switch (depth) {
    case 1: return (raw[index >> 3] >> (7 - (index & 7))) & 1u;
    case 2: return (raw[index >> 2] >> (6 - 2 * (index & 3))) & 3u;
    case 4: return (raw[index >> 1] >> (4 - 4 * (index & 1))) & 15u;
    case 8: return raw[index];
    default: return (unsigned(raw[2 * index]) << 8) | raw[2 * index + 1];
    }
}

inline void SetIndex(std::uint8_t* row, int x, unsigned index, TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit: {
        const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
        row[x >> 3] = static_cast<std::uint8_t>(index ? row[x >> 3] | bit : row[x >> 3] & ~bit);
        break;
    }
    case TPixelFormat::pf4bit: {
        std::uint8_t& cell = row[x >> 1];
        cell = (x & 1) ? static_cast<std::uint8_t>((cell & 0xF0) | index)
                       : static_cast<std::uint8_t>((cell & 0x0F) | (index << 4));
        break;
    }
    default: row[x] = static_cast<std::uint8_t>(index); break;
    }
}

} // namespace

TGammaTable IdentityGamma()
{
    TGammaTable table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(i);
    return table;
}

TGammaTable MakeGammaTable(double fileGamma)
{
    if (!(fileGamma > 0))
        fileGamma = 1.0;
    const double exponent = 1.0 / (fileGamma * 2.2);
    TGammaTable table{};
    for (int i = 0; i < 256; ++i) {
        const double value = std::round(255.0 * std::pow(i / 255.0, exponent));
        table[i] = static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    }
    return table;
}

std::uint8_t ScaleSample(unsigned value, int depth)
{
    switch (depth) {
    case 1: return value ? 255 : 0;
    case 2: return static_cast<std::uint8_t>(value * 85);
    case 4: return static_cast<std::uint8_t>(value * 17);
    case 8: return static_cast<std::uint8_t>(value);
    default: return Reduce16(value);
    }
}

TPixelFormat PngResultFormat(const TPngHeader& header)
{
    switch (header.ColorScheme) {
    case TPngColorType::TrueColor: return TPixelFormat::pf24bit;
    case TPngColorType::TrueColorAlpha: return TPixelFormat::pf32bit;
    case TPngColorType::GreyAlpha: return TPixelFormat::pf8bit;
    default: break;
    }
    switch (header.BitsPerSample) {
    case 1: return TPixelFormat::pf1bit;
    case 2:
    case 4: return TPixelFormat::pf4bit;
    default: return TPixelFormat::pf8bit;
    }
}

void TPngRowWriter::Store(const std::uint8_t* raw, int count, int y, int x0, int dx)
{
    if (header_.ColorScheme == TPngColorType::TrueColor ||
        header_.ColorScheme == TPngColorType::TrueColorAlpha)
        StoreTrueColor(raw, count, y, x0, dx);
    else
        StoreIndexes(raw, count, y, x0, dx);
}

// Grey and indexed images keep their samples as palette indexes; the grey
// palette carries the scaling and the gamma.
void TPngRowWriter::StoreIndexes(const std::uint8_t* raw, int count, int y, int x0, int dx)
{
    const int depth = header_.BitsPerSample;
    // Grey with alpha: every other sample is the dropped alpha.
    const int stride = header_.ColorScheme == TPngColorType::GreyAlpha ? 2 : 1;
    const bool reduce = depth == 16;
    const TPixelFormat format = target_.Format();
    std::uint8_t* row = target_.ScanLine(y);
    for (int i = 0, x = x0; i < count; ++i, x += dx) {
        unsigned sample = SampleAt(raw, i * stride, depth);
        if (reduce)
            sample = Reduce16(sample);
        SetIndex(row, x, sample, format);
    }
}

// The common case, 8-bit samples without gamma, is kept free of table lookups.
template <bool Alpha>
void TPngRowWriter::StoreTrueColor8(const std::uint8_t* raw, int count, std::uint8_t* out, std::size_t step)
{
    constexpr int channels = Alpha ? 4 : 3;
    if (!gamma_) {
        for (int i = 0; i < count; ++i, raw += channels, out += step) {
            out[0] = raw[2];
            out[1] = raw[1];
            out[2] = raw[0];
            if constexpr (Alpha)
                out[3] = raw[3];
        }
        return;
    }
    const TGammaTable& g = *gamma_;
    for (int i = 0; i < count; ++i, raw += channels, out += step) {
        out[0] = g[raw[2]];
        out[1] = g[raw[1]];
        out[2] = g[raw[0]];
        if constexpr (Alpha)
            out[3] = raw[3];
    }
}

void TPngRowWriter::StoreTrueColor(const std::uint8_t* raw, int count, int y, int x0, int dx)
{
    const bool alpha = header_.ColorScheme == TPngColorType::TrueColorAlpha;
    const int channels = alpha ? 4 : 3;
    const int outBytes = alpha ? 4 : 3;
    std::uint8_t* out = target_.ScanLine(y) + static_cast<std::size_t>(x0) * outBytes;
    const std::size_t step = static_cast<std::size_t>(dx) * outBytes;
    if (header_.BitsPerSample == 8) {
        if (alpha)
            StoreTrueColor8<true>(raw, count, out, step);
        else
            StoreTrueColor8<false>(raw, count, out, step);
        return;
    }
    static const TGammaTable identity = IdentityGamma();
    const TGammaTable& g = gamma_ ? *gamma_ : identity;
    for (int i = 0; i < count; ++i, raw += 2 * channels, out += step) {
        out[0] = g[Reduce16((unsigned(raw[4]) << 8) | raw[5])];
        out[1] = g[Reduce16((unsigned(raw[2]) << 8) | raw[3])];
        out[2] = g[Reduce16((unsigned(raw[0]) << 8) | raw[1])];
        if (alpha)
            out[3] = Reduce16((unsigned(raw[6]) << 8) | raw[7]);
    }
}

} // namespace pp
