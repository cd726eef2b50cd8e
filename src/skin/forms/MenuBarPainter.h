#pragma once
// The items of a skinned form's menu bar, owner-drawn: measured in the
// system menu font and painted over the form's menu line with the
// "MENUITEM" look and the "MENULINE" text colours, both when the form
// composes its frame image and when the platform redraws one item (the
// bar's hot and pressed items).
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "toolkit/Menu.h"

#include <windows.h>

namespace pp {

// The item is painted into the form's frame image, not onto the window.
inline constexpr UINT odsMenuLinePaint = 0x400;

// What a menu-bar item is painted over: the painted menu line and where its
// top-left pixel lies in window coordinates.
struct TMenuBarBackdrop {
    const TsLoadedSkin* Skin = nullptr;
    const TBitmap* MenuLineImage = nullptr;
    TPoint LineOrigin;
};

// On: every top-level item of the bar becomes owner-drawn, carrying its
// TMenuItem; off: they are drawn by the platform again.
void PrepareMenuBar(TMainMenu& menu, bool on);

// Height SM_CYMENU - 1; width the caption's, without its "&" marks, in the
// system menu font.
TSize MeasureMenuBarItem(const TMenuItem& item);

// Paints `item` into `r` of `dc` (window or frame image coordinates, the
// same for both) in owner-draw state `state` (the ODS_ flags). Nothing is
// painted without a skin or a menu line.
void DrawMenuBarItem(const TMenuBarBackdrop& backdrop, const TMenuItem& item, HDC dc, const TRect& r,
                     UINT state);

} // namespace pp
