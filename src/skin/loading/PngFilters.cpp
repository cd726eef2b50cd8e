#include "skin/loading/PngFilters.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pp {
namespace {

void UndoSub(std::uint8_t* row, std::size_t n, std::size_t bpp)
{
    for (std::size_t i = bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - bpp]);
}

void UndoUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
}

void UndoAverage(std::uint8_t* row, const std::uint8_t* previous, std::size_t n, std::size_t bpp)
{
    const std::size_t first = bpp < n ? bpp : n;
    for (std::size_t i = 0; i < first; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + (previous[i] >> 1));
    for (std::size_t i = bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - bpp] + previous[i]) >> 1));
}

inline int Paeth(int left, int above, int upperLeft)
{
    const int pa = std::abs(above - upperLeft);
    const int pb = std::abs(left - upperLeft);
    const int pc = std::abs(left + above - 2 * upperLeft);
    if (pa <= pb && pa <= pc)
        return left;
    return pb <= pc ? above : upperLeft;
}

#if defined(__SSE2__)
// Paeth for 3- and 4-byte pixels, one pixel at a time in 16-bit lanes: the
// predictor's three distances and its choice are computed for all channels
// at once, which is most of the decoder's filtering time.
template <std::size_t Bpp> __m128i LoadPixel(const std::uint8_t* p)
{
    std::int32_t v = 0;
    std::memcpy(&v, p, Bpp);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(v), _mm_setzero_si128());
}

template <std::size_t Bpp> void StorePixel(std::uint8_t* p, __m128i v)
{
    const std::int32_t packed = _mm_cvtsi128_si32(_mm_packus_epi16(v, v));
    std::memcpy(p, &packed, Bpp);
}

inline __m128i Abs16(__m128i x) { return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x)); }
inline __m128i Select(__m128i mask, __m128i yes, __m128i no)
{
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

template <std::size_t Bpp>
void UndoPaethPixels(std::uint8_t* row, const std::uint8_t* previous, std::size_t n)
{
    __m128i left = _mm_setzero_si128(), upperLeft = _mm_setzero_si128();
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp) {
        const __m128i above = LoadPixel<Bpp>(previous + i);
        __m128i value = LoadPixel<Bpp>(row + i);
        const __m128i towardsAbove = _mm_sub_epi16(above, upperLeft);
        const __m128i towardsLeft = _mm_sub_epi16(left, upperLeft);
        const __m128i pa = Abs16(towardsAbove);
        const __m128i pb = Abs16(towardsLeft);
        const __m128i pc = Abs16(_mm_add_epi16(towardsAbove, towardsLeft));
        const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
        const __m128i predicted = Select(_mm_cmpeq_epi16(smallest, pa), left,
                                         Select(_mm_cmpeq_epi16(smallest, pb), above, upperLeft));
        value = _mm_add_epi8(value, predicted); // high bytes stay 0, low bytes wrap
        StorePixel<Bpp>(row + i, value);
        left = value;
        upperLeft = above;
    }
}
#endif

void UndoPaeth(std::uint8_t* row, const std::uint8_t* previous, std::size_t n, std::size_t bpp)
{
#if defined(__SSE2__)
    if (bpp == 3 || bpp == 4) {
        if (bpp == 3)
            UndoPaethPixels<3>(row, previous, n);
        else
            UndoPaethPixels<4>(row, previous, n);
        return;
    }
#endif
    const std::size_t first = bpp < n ? bpp : n;
    // With nothing to the left, Paeth picks the byte above.
    for (std::size_t i = 0; i < first; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
    for (std::size_t i = bpp; i < n; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + Paeth(row[i - bpp], previous[i], previous[i - bpp]));
}

} // namespace

bool UnfilterPngRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t n,
                    std::size_t bpp)
{
    switch (filter) {
    case 0: return true;
    case 1: UndoSub(row, n, bpp); return true;
    case 2: UndoUp(row, previous, n); return true;
    case 3: UndoAverage(row, previous, n, bpp); return true;
    case 4: UndoPaeth(row, previous, n, bpp); return true;
    default: return false;
    }
}

} // namespace pp
