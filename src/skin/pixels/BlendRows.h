#pragma once
// Row kernels of the constant-weight blend and the alpha composite. The
// portable loops are the reference; on x86 the SSE2 and AVX2 versions do the
// same arithmetic sixteen or thirty-two bytes at a time and must give
// identical bytes.
#include "core/Color.h"

namespace pp {

// d = (w * (d - s) + s * 256) >> 8 per colour channel; the alpha byte of d stays.
void BlendRowPortable(TBGRA* d, const TBGRA* s, int count, int weight);
// d = ((s - d) * Sa + d * 256) >> 8 per colour channel and
// Da += Sa * (255 - Da) div 255.
void CompositeRowPortable(TBGRA* d, const TBGRA* s, int count);

bool HaveSse2Rows();
// AVX2 is chosen at run time on processors that have it.
bool HaveAvx2Rows();
void CompositeRowAvx2(TBGRA* d, const TBGRA* s, int count);
void BlendRowSse2(TBGRA* d, const TBGRA* s, int count, int weight);
void CompositeRowSse2(TBGRA* d, const TBGRA* s, int count);

// The fastest of the above on this machine.
void BlendRow(TBGRA* d, const TBGRA* s, int count, int weight);
void CompositeRow(TBGRA* d, const TBGRA* s, int count);
// The function CompositeRow runs, for callers that composite many short rows
// and choose once.
using TCompositeRowFunction = void (*)(TBGRA* d, const TBGRA* s, int count);
TCompositeRowFunction ChosenCompositeRow();

// Keeps CompositeRow, and with it CompositeAlpha, on the SSE2 rows even where
// AVX2 is there, so that benchmarks can set them against libraries that
// have nothing wider. Off by default.
void LimitRowsToSse2(bool limit);

} // namespace pp
