#pragma once
// The background of one open drop-down menu window, painted once and copied
// from by every item: the "MAINMENU" section with its border and, when the
// skin has one, the icon column strip.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/pixels/KeyRegion.h"

#include <string>

namespace pp {

struct TPopupBackgroundLook {
    // Section of the icon column strip; none when empty or missing.
    std::string IconColumnSection;
    int IconColumnWidth = 0;
    // Width of the vertical extra line on the left; 0 for none.
    int ExtraLine = 0;
    std::string ExtraLineSection = "EXTRALINE";
};

// Where the extra line lies in a background of `size`: a strip of its width
// inside the skin's menu border.
TRect ExtraLineStrip(TSize size, int extraLine, int skinBorderWidth);

// The border width of the skin's "MAINMENU" border image: 3 when that
// image gives 0 or less, 0 without the image.
int MenuSkinBorderWidth(const TsLoadedSkin& skin);

// The key-coloured corners of the "MAINMENU" border image, in a menu
// window of `size`: its top band at row 0, its bottom band at the bottom.
TAOR PopupCutouts(const TsLoadedSkin& skin, TSize size);

// A `size` image of the whole menu window, key-coloured where the skin
// paints nothing (a skin without "MAINMENU"); the extra line strip is
// painted with its section (over the menu's look when the skin lacks it).
TBitmap BuildPopupBackground(const TsLoadedSkin& skin, TSize size, const TPopupBackgroundLook& look);

} // namespace pp
