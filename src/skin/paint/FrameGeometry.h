#pragma once
// Where the parts of a skinned form's frame lie in its frame image (the
// picture of the whole window): caption band, icon, caption text, title
// buttons, menu line and the strips copied onto the window's non-client
// area. Pure arithmetic on the window's measures, so that it can be
// checked without a window.
#include "core/Geometry.h"

#include <array>
#include <vector>

namespace pp {

// The window's non-client measures, in pixels.
struct TFrameMeasures {
    int Width = 0; // the window's outer size
    int Height = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
    int Frame = 0;     // F: thickness of the side frames
    int Caption = 0;   // C: caption height, 0 without a caption
    int MenuLine = 0;  // M: one menu line's height, 0 without a menu line
    int MenuLines = 0; // L: menu lines the bar wraps to
    bool Maximized = false;
};

// Side of the caption icon for a caption height: 1 up to 8, 8 up to 16,
// 16 above.
int CaptionIconSize(int captionHeight);

// How many lines a menu bar takes: `firstItemBottom` is the screen bottom of
// its first item, `menuBottom` the screen row where the client area starts,
// `systemMenuHeight` the platform's menu bar height (SM_CYMENU).
int MenuLineCount(int firstItemBottom, int menuBottom, int systemMenuHeight);

// Rows of the menu line in the frame image: L x M + 1, none without a line.
int MenuLineRows(const TFrameMeasures& m);

// The top non-client band: everything above the client area.
int TitleHeight(const TFrameMeasures& m);

// The vertical middle of the caption band.
int CaptionCenterY(const TFrameMeasures& m);

// The caption band's bottom row (exclusive).
int HeaderBottom(const TFrameMeasures& m);

// The icon's rectangle; empty at its left edge when no icon is shown.
// `leftOffset` is the skin's BILEFT.
TRect CaptionIconRect(const TFrameMeasures& m, int leftOffset, bool iconShown);

// The caption text's rectangle: after the icon, ending 12 pixels before the
// title button block. `captionSection` tells that the skin has a "CAPTION"
// section (2 more pixels of room at the left).
TRect CaptionTextRect(const TFrameMeasures& m, const TRect& iconRect, int leftOffset, int buttonBlockWidth,
                      bool captionSection);

// The menu line's rectangle in the frame image.
TRect MenuLineRect(const TFrameMeasures& m);

// Title buttons placed from the right edge, in the order given (close
// first), each `widths[i]` wide and `buttonHeight` high, vertically centred
// on the caption; `rightOffset` is the skin's BIRIGHT and `spacing` its
// BISPACE.
std::vector<TRect> PlaceTitleButtons(const TFrameMeasures& m, const std::vector<int>& widths,
                                     int buttonHeight, int rightOffset, int spacing);

// The width the title buttons take with their offsets: BIRIGHT, every
// button and a spacing after each.
int ButtonBlockWidth(const std::vector<int>& widths, int rightOffset, int spacing);

// The four parts of the frame image copied onto the window, in window
// coordinates: top band, left, bottom and right strips.
std::array<TRect, 4> NonClientStrips(const TFrameMeasures& m);

// The window region of a maximized form: the window shrunk by F at the
// sides and at top and bottom, so that nothing shows outside the work area.
TRect MaximizedRegionRect(const TFrameMeasures& m);

// The frame image of a minimized form that is not the application's main
// form: 160 wide, the caption band plus 2 rows high.
TSize MinimizedFrameImageSize(const TFrameMeasures& m);

} // namespace pp
