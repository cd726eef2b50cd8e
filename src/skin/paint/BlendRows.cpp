#include "skin/paint/BlendRows.h"

#include "skin/paint/PixelMath.h"

#if defined(__SSE2__)
#include <emmintrin.h>
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

// (a * wa + b * wb) >> 8 on eight 16-bit lanes; the sums stay below 65536.
inline __m128i WeightedSum16(__m128i a, __m128i wa, __m128i b, __m128i wb)
{
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, wa), _mm_mullo_epi16(b, wb)), 8);
}

// Each pixel's alpha copied to its four 16-bit lanes.
inline __m128i BroadcastAlpha16(__m128i pixels16)
{
    const __m128i lo = _mm_shufflelo_epi16(pixels16, _MM_SHUFFLE(3, 3, 3, 3));
    return _mm_shufflehi_epi16(lo, _MM_SHUFFLE(3, 3, 3, 3));
}

// x div 255 for 0 <= x <= 65025, exact.
inline __m128i Div255(__m128i x)
{
    const __m128i one = _mm_set1_epi16(1);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, one), _mm_srli_epi16(x, 8)), 8);
}

inline __m128i Composite4(__m128i d, __m128i s)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(256);
    const __m128i c255 = _mm_set1_epi16(255);
    __m128i halves[2];
    for (int h = 0; h < 2; ++h) {
        const __m128i s16 = h ? _mm_unpackhi_epi8(s, zero) : _mm_unpacklo_epi8(s, zero);
        const __m128i d16 = h ? _mm_unpackhi_epi8(d, zero) : _mm_unpacklo_epi8(d, zero);
        const __m128i sa = BroadcastAlpha16(s16);
        const __m128i colour = WeightedSum16(s16, sa, d16, _mm_sub_epi16(full, sa));
        const __m128i alpha = _mm_add_epi16(d16, Div255(_mm_mullo_epi16(sa, _mm_sub_epi16(c255, d16))));
        // Lanes 3 and 7 are the alpha lanes.
        const __m128i alphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
        halves[h] = _mm_or_si128(_mm_and_si128(alphaLanes, alpha), _mm_andnot_si128(alphaLanes, colour));
    }
    return _mm_packus_epi16(halves[0], halves[1]);
}

} // namespace

void BlendRowSse2(TBGRA* d, const TBGRA* s, int count, int weight)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i wd = _mm_set1_epi16(short(weight));
    const __m128i ws = _mm_set1_epi16(short(256 - weight));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i lo = WeightedSum16(_mm_unpacklo_epi8(dv, zero), wd, _mm_unpacklo_epi8(sv, zero), ws);
        const __m128i hi = WeightedSum16(_mm_unpackhi_epi8(dv, zero), wd, _mm_unpackhi_epi8(sv, zero), ws);
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

void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowSse2(d, s, count, weight); }
void CompositeRow(TBGRA* d, const TBGRA* s, int count) { CompositeRowSse2(d, s, count); }

#else

bool HaveSse2Rows() { return false; }
void BlendRowSse2(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowPortable(d, s, count, weight); }
void CompositeRowSse2(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }
void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight) { BlendRowPortable(d, s, count, weight); }
void CompositeRow(TBGRA* d, const TBGRA* s, int count) { CompositeRowPortable(d, s, count); }

#endif

} // namespace pp
