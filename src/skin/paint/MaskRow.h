#pragma once
// The row kernel of masked pieces: out = image + (D - image) * m / 256 per
// colour channel, computed as (m * (D - S) + S * 256) >> 8, and the pixel
// made opaque. The portable loop is the reference; with SSE2 four pixels
// go at a time with the same bytes as the result.
#include "core/Color.h"

namespace pp {

void ComposeRowThroughMaskPortable(TBGRA* d, const TBGRA* s, const TBGRA* m, int count);
// The fastest of the two on this machine.
void ComposeRowThroughMask(TBGRA* d, const TBGRA* s, const TBGRA* m, int count);

} // namespace pp
