#pragma once
// The glow around a text: the text is drawn into a coverage mask with the
// platform's text output, then the mask is blurred and laid on the target.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

#include <windows.h>

#include <string>

namespace pp {

// Paints the glow of `text` in `textRect` (format flags as DrawText takes
// them, `font` or the default GUI font when null) onto the target. `holder`
// keeps the mask between calls: a mask of the right size is reused as it is.
// The text itself is not drawn.
void DrawTextGlow(TBitmap& target, const std::wstring& text, const TRect& textRect, TBitmap& holder,
                  TColor color, int size, int sides, UINT format, HFONT font);

// One drawing of the text into a glow mask (pfMask8) at `at`: plain black
// text, never smoothed whatever quality the font asks for, so every mask
// byte stays 0 or what it was.
void DrawGlowMaskText(TBitmap& mask, const TRect& at, const std::wstring& text, UINT format, HFONT font);

} // namespace pp
