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

// The composite works on each pixel as two pairs of 16-bit lanes: blue and
// red (the low bytes) and green and alpha (the high bytes), so that no
// unpacking or packing is needed and the source alpha serves both pairs.
//   colour: (S * Sa + D * (256 - Sa)) >> 8, which is ((S - D) * Sa + D * 256)
//           >> 8 rearranged so that every term is non-negative and the sum
//           stays within 16 bits (at most 65280);
//   alpha:  Da + Sa * (255 - Da) div 255 = Q div 255 with
//           Q = 255 * Sa + Da * (255 - Sa) <= 65025, computed as the high
//           half of (Q + 1) * 257, which is exact in that range.
// The green/alpha pair does both at once: the source is 255 in the alpha
// lane, the complement taken of 256 or 255, the addend 0 or 1, and the high
// half of the product by 256 (a shift by 8) or by 257.
constexpr int LowBytes = 0x00FF;            // per 16-bit lane
constexpr int AlphaLaneSource = 0x00FF0000; // per green/alpha lane pair
constexpr int ComplementBase = 0x00FF0100;  // 256 for green, 255 for alpha
constexpr int AlphaLaneAddend = 0x00010000;
constexpr int Divider = 0x01010100; // 256 for green, 257 for alpha

inline __m128i Composite4(__m128i d, __m128i s)
{
    const __m128i sBR = _mm_and_si128(s, _mm_set1_epi16(LowBytes)), sGA = _mm_srli_epi16(s, 8);
    const __m128i dBR = _mm_and_si128(d, _mm_set1_epi16(LowBytes)), dGA = _mm_srli_epi16(d, 8);
    const __m128i sa = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sGA, _MM_SHUFFLE(3, 3, 1, 1)),
                                           _MM_SHUFFLE(3, 3, 1, 1));
    const __m128i br = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(sBR, sa), _mm_mullo_epi16(dBR, _mm_sub_epi16(_mm_set1_epi16(256), sa))),
        8);
    const __m128i gaSum = _mm_add_epi16(
        _mm_add_epi16(_mm_mullo_epi16(_mm_or_si128(sGA, _mm_set1_epi32(AlphaLaneSource)), sa),
                      _mm_mullo_epi16(dGA, _mm_sub_epi16(_mm_set1_epi32(ComplementBase), sa))),
        _mm_set1_epi32(AlphaLaneAddend));
    const __m128i ga = _mm_mulhi_epu16(gaSum, _mm_set1_epi32(Divider));
    return _mm_or_si128(br, _mm_slli_epi16(ga, 8));
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
// The same lanes as Composite4, eight pixels at a time; every step stays
// within its pixel, so the 128-bit halves need no crossing.
__attribute__((target("avx2"))) void CompositeRowAvx2Body(TBGRA* d, const TBGRA* s, int count)
{
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i sBR = _mm256_and_si256(sv, _mm256_set1_epi16(LowBytes)), sGA = _mm256_srli_epi16(sv, 8);
        const __m256i dBR = _mm256_and_si256(dv, _mm256_set1_epi16(LowBytes)), dGA = _mm256_srli_epi16(dv, 8);
        const __m256i sa = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sGA, _MM_SHUFFLE(3, 3, 1, 1)),
                                                  _MM_SHUFFLE(3, 3, 1, 1));
        const __m256i br = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_mullo_epi16(sBR, sa),
                             _mm256_mullo_epi16(dBR, _mm256_sub_epi16(_mm256_set1_epi16(256), sa))),
            8);
        const __m256i gaSum = _mm256_add_epi16(
            _mm256_add_epi16(
                _mm256_mullo_epi16(_mm256_or_si256(sGA, _mm256_set1_epi32(AlphaLaneSource)), sa),
                _mm256_mullo_epi16(dGA, _mm256_sub_epi16(_mm256_set1_epi32(ComplementBase), sa))),
            _mm256_set1_epi32(AlphaLaneAddend));
        const __m256i ga = _mm256_mulhi_epu16(gaSum, _mm256_set1_epi32(Divider));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_or_si256(br, _mm256_slli_epi16(ga, 8)));
    }
    CompositeRowSse2(d + i, s + i, count - i);
}

bool HaveAvx2Rows()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

namespace {
TCompositeRowFunction WidestCompositeRow()
{
    return HaveAvx2Rows() ? &CompositeRowAvx2Body : &CompositeRowSse2;
}
} // namespace

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

namespace {
TCompositeRowFunction WidestCompositeRow() { return &CompositeRowSse2; }
} // namespace

#endif

void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowSse2(d, s, count, weight); }

namespace {
bool rowsLimitedToSse2 = false;
} // namespace

void LimitRowsToSse2(bool limit) { rowsLimitedToSse2 = limit; }

TCompositeRowFunction ChosenCompositeRow()
{
    return rowsLimitedToSse2 ? &CompositeRowSse2 : WidestCompositeRow();
}

void CompositeRow(TBGRA* d, const TBGRA* s, int count) { ChosenCompositeRow()(d, s, count); }

#else

bool HaveSse2Rows() { return false; }
bool HaveAvx2Rows() { return false; }
void CompositeRowAvx2(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }
void BlendRowSse2(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowPortable(d, s, count, weight); }
void CompositeRowSse2(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }
void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowPortable(d, s, count, weight); }
void CompositeRow(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }
TCompositeRowFunction ChosenCompositeRow() { return &CompositeRowPortable; }
void LimitRowsToSse2(bool) { }

#endif

} // namespace pp
