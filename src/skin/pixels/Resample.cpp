#include "skin/pixels/Resample.h"

#include "core/Error.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pp {
namespace {

constexpr double Supports[] = {0.51, 1.0, 1.0, 1.5, 2.0, 3.0, 2.0};

int KnownFilter(int filter) { return filter >= rfBox && filter <= rfMitchell ? filter : rfMitchell; }

double Cubic(double h, double a3, double a2, double a0) { return h * h * (a3 * h + a2) + a0; }

int MirrorIndex(int j, int count)
{
    if (j < 0)
        j = -j;
    else if (j >= count)
        j = 2 * count - j - 1;
    // A kernel wider than the source would mirror past the far end.
    return std::clamp(j, 0, count - 1);
}

std::uint8_t WeightedSumToByte(int sum)
{
    if (sum < 0)
        return 0;
    return sum <= 0xFF0000 ? std::uint8_t(sum >> 16) : std::uint8_t(255);
}

using TContributionTable = std::vector<std::vector<TContribution>>;

// Pass 1: every row scaled to the new width.
void ScaleRows(const TBitmap& source, TBitmap& work, const TContributionTable& table, int channels)
{
    for (int y = 0; y < source.Height(); ++y) {
        const std::uint8_t* in = source.ScanLine(y);
        std::uint8_t* out = work.ScanLine(y);
        for (std::size_t x = 0; x < table.size(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (const TContribution& c : table[x]) {
                const std::uint8_t* p = in + std::size_t(c.Source) * channels;
                for (int ch = 0; ch < channels; ++ch)
                    sum[ch] += c.Weight * p[ch];
            }
            for (int ch = 0; ch < channels; ++ch)
                out[x * channels + ch] = WeightedSumToByte(sum[ch]);
        }
    }
}

// Pass 2: every column scaled to the new height, a whole row at a time so
// the inner loop runs along memory.
void ScaleColumns(const TBitmap& work, TBitmap& dest, const TContributionTable& table, int channels)
{
    const std::size_t length = std::size_t(work.Width()) * channels;
    std::vector<int> sum(length);
    for (std::size_t y = 0; y < table.size(); ++y) {
        std::fill(sum.begin(), sum.end(), 0);
        for (const TContribution& c : table[y]) {
            const std::uint8_t* in = work.ScanLine(c.Source);
            const int w = c.Weight;
            for (std::size_t i = 0; i < length; ++i)
                sum[i] += w * in[i];
        }
        std::uint8_t* out = dest.ScanLine(int(y));
        for (std::size_t i = 0; i < length; ++i)
            out[i] = WeightedSumToByte(sum[i]);
    }
}

} // namespace

double FilterSupport(int filter) { return Supports[KnownFilter(filter)]; }

double FilterKernel(int filter, double x)
{
    const double h = std::fabs(x);
    switch (KnownFilter(filter)) {
    case rfBox: return (h <= 0.5 && x != -0.5) ? 1.0 : 0.0;
    case rfTriangle: return h < 1.0 ? 1.0 - h : 0.0;
    case rfHermite: return h < 1.0 ? Cubic(h, 2.0, -3.0, 1.0) : 0.0;
    case rfBell:
        if (h < 0.5)
            return 0.75 - h * h;
        return h < 1.5 ? 0.5 * (h - 1.5) * (h - 1.5) : 0.0;
    case rfBSpline:
        if (h < 1.0)
            return Cubic(h, 0.5, -1.0, 2.0 / 3.0);
        return h < 2.0 ? (2.0 - h) * (2.0 - h) * (2.0 - h) / 6.0 : 0.0;
    case rfWindowedSine: {
        if (h == 0.0)
            return 1.0;
        if (h >= 3.0)
            return 0.0;
        const double px = std::numbers::pi * h;
        return std::sin(px) * std::sin(h) / (px * h);
    }
    default:
        if (h < 1.0)
            return Cubic(h, 7.0 / 6.0, -2.0, 8.0 / 9.0);
        return h < 2.0 ? h * h * (2.0 - 7.0 * h / 18.0) - 10.0 * h / 3.0 + 16.0 / 9.0 : 0.0;
    }
}

std::vector<std::vector<TContribution>> ResampleContributions(int oldCount, int newCount, int filter)
{
    const double support = FilterSupport(filter);
    const double scale = newCount < oldCount ? double(newCount) / oldCount : 1.0;
    const double width = support / scale;
    TContributionTable table(std::size_t(std::max(0, newCount)));
    for (int i = 0; i < newCount; ++i) {
        const double centre = double(i) * oldCount / newCount;
        const int first = int(std::floor(centre - width));
        const int last = int(std::ceil(centre + width));
        for (int j = first; j <= last; ++j) {
            const double x = (centre - j) * scale;
            if (std::fabs(x) >= support)
                continue;
            const double k = FilterKernel(filter, x);
            if (k != 0.0)
                table[std::size_t(i)].push_back(
                    {MirrorIndex(j, oldCount), RoundHalfEven(k * scale * 65536.0)});
        }
    }
    return table;
}

void ResampleBitmap(const TBitmap& source, TBitmap& dest, int newWidth, int filter, int newHeight)
{
    if (newHeight == 0)
        return;
    if (source.Width() <= 1 || source.Height() <= 1)
        throw Exception("Source bitmap is too small");
    if (newWidth < 0 || newHeight < 0)
        return;
    CheckBitmapSize(newWidth, newHeight, TPixelFormat::pf32bit);
    const bool fourChannels = source.Format() == TPixelFormat::pf32bit;
    const TPixelFormat format = fourChannels ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    // Palette and mask images are read as 24 bits, and the result is 24 bits
    // in every case, the same size and in place included.
    TBitmap converted;
    const TBitmap* src = &source;
    if (source.Format() != format) {
        converted = source;
        converted.SetFormat(format);
        src = &converted;
    }
    if (newWidth == src->Width() && newHeight == src->Height()) {
        if (src != &dest)
            dest = *src;
        return;
    }
    TBitmap result(newWidth, newHeight, format);
    // Zero columns leave nothing to filter: the result is an empty bitmap.
    if (!result.Empty()) {
        const int channels = fourChannels ? 4 : 3;
        TBitmap work(newWidth, src->Height(), format);
        ScaleRows(*src, work, ResampleContributions(src->Width(), newWidth, filter), channels);
        ScaleColumns(work, result, ResampleContributions(src->Height(), newHeight, filter), channels);
    }
    dest = std::move(result);
}

} // namespace pp
