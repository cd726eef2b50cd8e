#pragma once
// Text on a 32-bit bitmap whose alpha channel must stay valid (the bitmaps
// of translucent windows: captions, menus, dialogs). The platform's text
// output would leave alpha 0 where it draws.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "toolkit/GraphicsObjects.h"

#include <windows.h>

#include <string>

namespace pp {

// Draws `text` (UTF-8) into `r` of the 32-bit target with `font` and
// `format` (the platform's DT_ flags). With a skin and a valid section the
// colours are its hot look's (when `hot` is set and the section has states)
// or its normal look's: with `contour`, the contour passes first, then the
// font colour. Without them the text is drawn once in the font's colour.
// Pixels the text touches become opaque; all others keep colour and alpha.
void DrawTextOn32(TBitmap& target, const TFont& font, const std::string& text, bool contour,
                  const TsLoadedSkin* skin, bool hot, int sectionIndex, UINT format, const TRect& r);

} // namespace pp
