#pragma once
// A disabled menu item shows only a faint trace of its look over the menu's
// background.
#include "core/Bitmap.h"
#include "core/Geometry.h"

namespace pp {

// Every pixel of `item` that is not key-coloured becomes 40 percent of
// itself and 60 percent of the `background` pixel behind it; `at` is where
// item pixel (0, 0) lies in the background. Pixels with no background
// behind them are left.
void BlendDisabledItem(TBitmap& item, const TBitmap& background, TPoint at);

} // namespace pp
