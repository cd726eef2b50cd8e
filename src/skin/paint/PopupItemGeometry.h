#pragma once
// Sizes and places inside the items of a skinned drop-down menu: what kind
// an item is, how large it is measured, where its text, tab text and
// divider line go.
#include "core/Geometry.h"

#include <string>
#include <string_view>

namespace pp {

// The kind is told by the caption alone.
enum TMenuItemKind : int {
    mkCaption = 0, // "-word-": a heading drawn in the caption look
    mkDivider = 1, // exactly "-"
    mkNormal = 2,
};

TMenuItemKind MenuItemKind(std::string_view caption);

// The spaces the painter keeps inside a popup.
struct TPopupMetrics {
    int Margin = 2;
    int Spacing = 8;
    // The frame of a popup's background that items keep clear.
    int BorderWidth = 3;
    // Width of the vertical extra line; 0 when the popup shows none.
    int ExtraLine = 0;
};

// The item's size from its text's and its glyph's: the glyph column is
// counted twice (once for the check or glyph, once kept free on the right
// for the sub-menu arrow).
TSize PopupItemSize(TMenuItemKind kind, TSize text, TSize glyph, const TPopupMetrics& metrics);

// The text measured for an item: caption items keep their framing "-",
// dividers have none, normal items carry their shortcut after a tab.
std::string MeasuredItemText(TMenuItemKind kind, const std::string& caption, const std::string& shortcut);

// A caption item's heading: the caption without its leading and trailing "-".
std::string CaptionItemHeading(const std::string& caption);

// A caption split at its first tab: the item text and the right-aligned part.
struct TTabbedCaption {
    std::string Text;
    std::string RightText;
};
TTabbedCaption SplitAtTab(const std::string& caption);

// Where an item's text goes inside its work image of `size`: the icon
// column (glyph + 2 margins + spacing) cut off the left, one pixel off the
// top, the margin off top and bottom.
TRect PopupTextRect(TSize size, TSize glyph, const TPopupMetrics& metrics);

// The right-aligned text (after a tab, or a shortcut) keeps this many pixels
// from the item's right edge.
inline constexpr int RightTextInset = 8;
TRect RightTextRect(const TRect& textRect, int itemWidth);

// The divider's line across an item `width` wide: from past the extra line
// and the margin (and past the icon column when the popup paints one) to
// the same distance from the right.
struct TDividerSpan {
    int Left = 0;
    int Right = 0;
};
TDividerSpan DividerSpan(int width, int iconColumn, bool paintsIconColumn, const TPopupMetrics& metrics);

} // namespace pp
