#include "skin/paint/MaskRow.h"

#include "skin/pixels/PixelMath.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pp {

void ComposeRowThroughMaskPortable(TBGRA* d, const TBGRA* s, const TBGRA* m, int count)
{
    for (int i = 0; i < count; ++i)
        d[i] = TBGRA{MixChannel(d[i].B, s[i].B, m[i].B), MixChannel(d[i].G, s[i].G, m[i].G),
                     MixChannel(d[i].R, s[i].R, m[i].R), 0xFF};
}

#if defined(__SSE2__)

namespace {

// (m * (d - s) + (s << 8)) >> 8 on eight 16-bit lanes; the true sum lies in
// 0..65280, so the products may wrap and the low 16 bits stay exact.
inline __m128i Mix16(__m128i d, __m128i s, __m128i m)
{
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(m, _mm_sub_epi16(d, s)), _mm_slli_epi16(s, 8)), 8);
}

} // namespace

void ComposeRowThroughMask(TBGRA* d, const TBGRA* s, const TBGRA* m, int count)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i mv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m + i));
        const __m128i lo = Mix16(_mm_unpacklo_epi8(dv, zero), _mm_unpacklo_epi8(sv, zero),
                                 _mm_unpacklo_epi8(mv, zero));
        const __m128i hi = Mix16(_mm_unpackhi_epi8(dv, zero), _mm_unpackhi_epi8(sv, zero),
                                 _mm_unpackhi_epi8(mv, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
    }
    ComposeRowThroughMaskPortable(d + i, s + i, m + i, count - i);
}

#else

void ComposeRowThroughMask(TBGRA* d, const TBGRA* s, const TBGRA* m, int count)
{
    ComposeRowThroughMaskPortable(d, s, m, count);
}

#endif

} // namespace pp
