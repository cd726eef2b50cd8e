#include "skin/pixels/BlendRows.h"

#include "skin/pixels/PixelMath.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace pp {
namespace {

std::uint8_t Over(int s, int d, int sa) { return MixChannel(s, d, sa); }

std::uint8_t AddAlpha(int da, int sa) { return std::uint8_t(da + sa * (255 - da) / 255); }

} // namespace

void BlendRowPortable(TBGRA* d, const TBGRA* s, int count, int weight)
{
    for (int i = 0; i < count; ++i) {
        d[i].B = MixChannel(d[i].B, s[i].B, weight);
        d[i].G = MixChannel(d[i].G, s[i].G, weight);
        d[i].R = MixChannel(d[i].R, s[i].R, weight);
    }
}

void CompositeRowPortable(TBGRA* d, const TBGRA* s, int count)
{
    for (int i = 0; i < count; ++i) {
        const int sa = s[i].A;
        d[i] = TBGRA{Over(s[i].B, d[i].B, sa), Over(s[i].G, d[i].G, sa), Over(s[i].R, d[i].R, sa),
                     AddAlpha(d[i].A, sa)};
    }
}

#if defined(__SSE2__)

bool HaveSse2Rows() { return true; }

namespace {

const __m128i AlphaMask = _mm_set1_epi32(int(0xFF000000u));

// (w * (a - b) + b * 256) >> 8 on eight 16-bit lanes. The product may wrap,
// but the true sum lies in 0..65280, so the low 16 bits are exact.
inline __m128i Mix16(__m128i a, __m128i b, __m128i w)
{
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(a, b), w), _mm_slli_epi16(b, 8)), 8);
}

// Each pixel's alpha copied to its four 16-bit lanes.
inline __m128i BroadcastAlpha16(__m128i pixels16)
{
    const __m128i lo = _mm_shufflelo_epi16(pixels16, _MM_SHUFFLE(3, 3, 3, 3));
    return _mm_shufflehi_epi16(lo, _MM_SHUFFLE(3, 3, 3, 3));
}

// Four pixels composited in 16-bit lanes. With X = S - D in the colour
// lanes and 255 - Da in the alpha lane, one product P = X * Sa serves both:
//   colour: (P + D * 256) >> 8, exact in 16 bits modulo 2^16 because the
//           true sum lies in 0..65280 even when P is negative;
//   alpha:  Da + P div 255 = (P + 1 + (P >> 8) + Da * 256) >> 8, exact for
//           0 <= P <= 65025, and the sum stays below 65536.
inline __m128i Composite4(__m128i d, __m128i s)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaLanes = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
    const __m128i alphaOne = _mm_set_epi16(1, 0, 0, 0, 1, 0, 0, 0);
    __m128i halves[2];
    for (int h = 0; h < 2; ++h) {
        const __m128i s16 = h ? _mm_unpackhi_epi8(s, zero) : _mm_unpacklo_epi8(s, zero);
        const __m128i d16 = h ? _mm_unpackhi_epi8(d, zero) : _mm_unpacklo_epi8(d, zero);
        const __m128i sa = BroadcastAlpha16(s16);
        const __m128i product = _mm_mullo_epi16(_mm_sub_epi16(_mm_or_si128(s16, alphaLanes), d16), sa);
        const __m128i alphaRounding =
            _mm_and_si128(_mm_add_epi16(_mm_srli_epi16(product, 8), alphaOne), alphaLanes);
        const __m128i sum = _mm_add_epi16(_mm_add_epi16(product, _mm_slli_epi16(d16, 8)), alphaRounding);
        halves[h] = _mm_srli_epi16(sum, 8);
    }
    return _mm_packus_epi16(halves[0], halves[1]);
}

} // namespace

void BlendRowSse2(TBGRA* d, const TBGRA* s, int count, int weight)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i w = _mm_set1_epi16(short(weight));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i lo = Mix16(_mm_unpacklo_epi8(dv, zero), _mm_unpacklo_epi8(sv, zero), w);
        const __m128i hi = Mix16(_mm_unpackhi_epi8(dv, zero), _mm_unpackhi_epi8(sv, zero), w);
        const __m128i mixed = _mm_packus_epi16(lo, hi);
        const __m128i out = _mm_or_si128(_mm_and_si128(dv, AlphaMask), _mm_andnot_si128(AlphaMask, mixed));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), out);
    }
    BlendRowPortable(d + i, s + i, count - i, weight);
}

void CompositeRowSse2(TBGRA* d, const TBGRA* s, int count)
{
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), Composite4(dv, sv));
    }
    CompositeRowPortable(d + i, s + i, count - i);
}

#if defined(__GNUC__)
// The same lanes as Composite4, eight pixels at a time. Unpacking and
// packing work within each 128-bit half, so pixels come back in order.
__attribute__((target("avx2"))) void CompositeRowAvx2Body(TBGRA* d, const TBGRA* s, int count)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alphaLanes = _mm256_set_epi16(255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0);
    const __m256i alphaOne = _mm256_set_epi16(1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        __m256i halves[2];
        for (int h = 0; h < 2; ++h) {
            const __m256i s16 = h ? _mm256_unpackhi_epi8(sv, zero) : _mm256_unpacklo_epi8(sv, zero);
            const __m256i d16 = h ? _mm256_unpackhi_epi8(dv, zero) : _mm256_unpacklo_epi8(dv, zero);
            const __m256i sa = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s16, _MM_SHUFFLE(3, 3, 3, 3)),
                                                      _MM_SHUFFLE(3, 3, 3, 3));
            const __m256i product =
                _mm256_mullo_epi16(_mm256_sub_epi16(_mm256_or_si256(s16, alphaLanes), d16), sa);
            const __m256i alphaRounding =
                _mm256_and_si256(_mm256_add_epi16(_mm256_srli_epi16(product, 8), alphaOne), alphaLanes);
            const __m256i sum =
                _mm256_add_epi16(_mm256_add_epi16(product, _mm256_slli_epi16(d16, 8)), alphaRounding);
            halves[h] = _mm256_srli_epi16(sum, 8);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(halves[0], halves[1]));
    }
    CompositeRowSse2(d + i, s + i, count - i);
}

bool HaveAvx2Rows()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

void CompositeRowAvx2(TBGRA* d, const TBGRA* s, int count)
{
    if (HaveAvx2Rows())
        CompositeRowAvx2Body(d, s, count);
    else
        CompositeRowSse2(d, s, count);
}

#else

bool HaveAvx2Rows() { return false; }
void CompositeRowAvx2(TBGRA* d, const TBGRA* s, int count) { CompositeRowSse2(d, s, count); }

#endif

void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowSse2(d, s, count, weight); }

void CompositeRow(TBGRA* d, const TBGRA* s, int count) { CompositeRowAvx2(d, s, count); }

#else

bool HaveSse2Rows() { return false; }
bool HaveAvx2Rows() { return false; }
void CompositeRowAvx2(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }
void BlendRowSse2(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowPortable(d, s, count, weight); }
void CompositeRowSse2(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }
void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowPortable(d, s, count, weight); }
void CompositeRow(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }

#endif

} // namespace pp
