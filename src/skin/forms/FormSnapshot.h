#pragma once
// A picture of a whole form, frame and client with their child windows, as
// the screen shows it, opaque: what the form animations move and fade.
#include "core/Bitmap.h"

namespace pp {

class TCustomForm;

// The window's size; empty when the form has no window.
TBitmap FormSnapshot(TCustomForm& form);

} // namespace pp
