#pragma once
// What the text painters' tests draw on and compare with: bitmaps on one
// background, a font whose glyphs have solid pixels, a small skin made in
// code, and the same text drawn by the platform alone, which tells for
// every pixel whether the text covers it fully, in part, or not at all.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "toolkit/Canvas.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace pp::test {

// Unlike any system colour the plain look draws with.
inline constexpr TColor Background = 0x887870;
inline constexpr int BitmapWidth = 96, BitmapHeight = 40;
inline constexpr TRect TextRect{8, 6, 88, 34};
inline constexpr UINT TextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
inline const std::string SampleText = "HOW";

// A bitmap filled with the background, alpha 255 (or the alpha given).
TBitmap BlankBitmap(std::uint8_t alpha = 0xFF);
// Bold and large enough for glyph strokes of whole pixels.
void UseTestFont(TFont& font);

// Runs `paint` on a canvas (the test font, black) over `bitmap`.
void PaintOn(TBitmap& bitmap, const std::function<void(TCanvas&)>& paint);
TBitmap PaintedOnBlank(const std::function<void(TCanvas&)>& paint);

// The sample text drawn in `color` by the toolkit's canvas alone, as the
// reference for where a painter's text lands.
TBitmap PlainDrawing(TColor color, const TRect& r = TextRect);

enum class TCoverage { None, Part, Full };
// How `plain` (drawn in `color` on the background) covers (x, y); outside
// the bitmap nothing is covered.
TCoverage CoverageAt(const TBitmap& plain, int x, int y, TColor color);
// The colour of a pixel, red in the low byte.
TColor ColorAt(const TBitmap& bitmap, int x, int y);

// A copy of the text moved by (DX, DY) in its own colour, drawn under the
// text: a contour, or an embossed highlight.
struct TShiftedInk {
    int DX = 0, DY = 0;
    TColor Color = 0;
};
// Compares a drawing of the sample text with the plain text in `ink` drawn
// into `r`. Pixels the plain text covers fully show `ink` (drawn over any
// shifted copy). A pixel it leaves empty shows the shifted colour when the
// plain text fully covers the pixel one shift back, and the background when
// that one is empty too (or there is no shifted copy). Partly covered
// pixels are not judged. Answers the number of shifted-copy pixels seen.
int ExpectDrawnAsPlainText(const TBitmap& drawing, TColor ink, const std::optional<TShiftedInk>& shifted,
                           const std::string& what, const TRect& r = TextRect);

// A section named "LABEL" with every colour given (font colours
// main, left, top, right, bottom; -1 for no contour).
struct TLook {
    TColor Color = 0;
    TsFontColors FontColor{};
    TColor GlowColor = 0;
    int GlowSize = 0;
};
TsGeneralData LabelSection(const TLook& normal, const TLook& hot);
// A skin holding that one section (index 0) with the given global colour.
TsLoadedSkin SkinWith(const TsGeneralData& section, TColor globalColor = 0x0000FF);

} // namespace pp::test
