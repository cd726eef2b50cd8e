#include "skin/paint/PopupItemGeometry.h"

#include <algorithm>

namespace pp {

TMenuItemKind MenuItemKind(std::string_view caption)
{
    if (caption == "-")
        return mkDivider;
    if (caption.size() > 1 && caption.front() == '-' && caption.back() == '-')
        return mkCaption;
    return mkNormal;
}

TSize PopupItemSize(TMenuItemKind kind, TSize text, TSize glyph, const TPopupMetrics& metrics)
{
    const int width = text.Width + 2 * glyph.Width + 3 * metrics.Margin + metrics.Spacing + metrics.ExtraLine;
    switch (kind) {
    case mkDivider: return {width, 2};
    case mkCaption: return {width, text.Height + 2 * metrics.Margin + 3};
    case mkNormal: break;
    }
    return {width, std::max(text.Height, glyph.Height) + 2 * metrics.Margin + 2};
}

std::string MeasuredItemText(TMenuItemKind kind, const std::string& caption, const std::string& shortcut)
{
    switch (kind) {
    case mkDivider: return {};
    case mkCaption: return "-" + caption + "-";
    case mkNormal: break;
    }
    return shortcut.empty() ? caption : caption + "\t" + shortcut;
}

std::string CaptionItemHeading(const std::string& caption)
{
    const std::size_t first = caption.find_first_not_of('-');
    if (first == std::string::npos)
        return {};
    const std::size_t last = caption.find_last_not_of('-');
    return caption.substr(first, last - first + 1);
}

TTabbedCaption SplitAtTab(const std::string& caption)
{
    const std::size_t tab = caption.find('\t');
    if (tab == std::string::npos)
        return {caption, {}};
    return {caption.substr(0, tab), caption.substr(tab + 1)};
}

TRect PopupTextRect(TSize size, TSize glyph, const TPopupMetrics& metrics)
{
    const int iconColumn = glyph.Width + 2 * metrics.Margin + metrics.Spacing;
    return {iconColumn, 1 + metrics.Margin, size.Width, size.Height - metrics.Margin};
}

TRect RightTextRect(const TRect& textRect, int itemWidth)
{
    return {textRect.Left, textRect.Top, itemWidth - RightTextInset, textRect.Bottom};
}

TDividerSpan DividerSpan(int width, int iconColumn, bool paintsIconColumn, const TPopupMetrics& metrics)
{
    int left = metrics.ExtraLine + metrics.Margin;
    int inset = metrics.ExtraLine + 2 * metrics.Margin;
    if (paintsIconColumn) {
        left = std::max(left + metrics.Spacing, metrics.ExtraLine + iconColumn);
        inset += metrics.Spacing;
    }
    return {left, width - inset};
}

} // namespace pp
