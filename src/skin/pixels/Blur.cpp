#include "skin/pixels/Blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pp {
namespace {

// The float weights sum to 1 only approximately; without this a mask that is
// white everywhere would come out 254 after truncation. It is far below the
// half grey level the kernel's trimming allows.
constexpr double TruncationSlack = 1e-3;

// Convolves one line of `count` bytes, `step` bytes apart, through `scratch`.
void BlurLine(std::uint8_t* line, int count, std::ptrdiff_t step, const TGaussianKernel& k,
              std::vector<std::uint8_t>& scratch)
{
    scratch.resize(std::size_t(count));
    for (int x = 0; x < count; ++x) {
        double sum = 0;
        for (int o = -k.HalfWidth; o <= k.HalfWidth; ++o) {
            const int from = std::clamp(x - o, 0, count - 1);
            sum += double(k.Weight(o)) * line[from * step];
        }
        scratch[std::size_t(x)] = std::uint8_t(std::clamp(int(sum + TruncationSlack), 0, 255));
    }
    for (int x = 0; x < count; ++x)
        line[x * step] = scratch[std::size_t(x)];
}

} // namespace

TGaussianKernel MakeGaussianKernel(double radius)
{
    TGaussianKernel k;
    if (!(radius > 0)) {
        k.Weights[0] = 1.0f;
        return k;
    }
    constexpr int n = TGaussianKernel::MaxHalfWidth;
    std::array<float, 2 * n + 1> w{};
    double sum = 0;
    for (int i = -n; i <= n; ++i) {
        const double d = i / radius;
        w[std::size_t(i + n)] = float(std::exp(-d * d / 2));
        sum += w[std::size_t(i + n)];
    }
    for (float& v : w)
        v = float(v / sum);
    double tail = 0;
    int j = n;
    while (tail < 1.0 / 510 && j > 1) {
        tail += 2.0 * w[std::size_t(j + n)];
        --j;
    }
    k.HalfWidth = j;
    double kept = 0;
    for (int i = -j; i <= j; ++i)
        kept += w[std::size_t(i + n)];
    for (int i = -j; i <= j; ++i)
        k.Weights[std::size_t(i + j)] = float(w[std::size_t(i + n)] / kept);
    return k;
}

void BlurCoverageMask(TBitmap& mask, double radius)
{
    if (mask.Format() != TPixelFormat::pfMask8 || mask.Empty())
        return;
    const TGaussianKernel k = MakeGaussianKernel(radius);
    std::vector<std::uint8_t> scratch;
    for (int y = 0; y < mask.Height(); ++y)
        BlurLine(mask.ScanLine(y), mask.Width(), 1, k, scratch);
    const std::ptrdiff_t stride = std::ptrdiff_t(mask.Stride());
    for (int x = 0; x < mask.Width(); ++x)
        BlurLine(mask.ScanLine(0) + x, mask.Height(), stride, k, scratch);
}

} // namespace pp
