#pragma once
// What the text painters share on the platform side: a device context made
// ready for text, one text pass drawn on it, and the glow a section's look
// puts around its text.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/SkinSections.h"
#include "skin/paint/TextPasses.h"
#include "win/SavedDC.h"

#include <windows.h>

#include <string>

namespace pp {

// For one scope: the context's state saved (and restored at the end, also
// when drawing throws), `font` selected, a transparent background, and,
// when `clip` is given, drawing clipped to it. The font must outlive the
// scope.
class TTextDrawingScope {
public:
    TTextDrawingScope(HDC dc, HFONT font, const TRect* clip = nullptr);

private:
    TSavedDC saved_;
};

// The text once, in the pass's colour, with `r` moved by the pass's offset.
// Flags that would make the platform write into the text are dropped.
void DrawTextPass(HDC dc, const std::wstring& text, const TRect& r, UINT format, const TTextPass& pass);

// The glow of a section's look (its glow colour and size) on all four sides
// of the text, drawn into `target` before the text itself; nothing when the
// look has no glow.
void DrawBlockGlow(TBitmap& target, const TsGenState& block, const std::wstring& text, const TRect& r,
                   UINT format, HFONT font);

} // namespace pp
