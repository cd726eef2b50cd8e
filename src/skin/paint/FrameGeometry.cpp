#include "skin/paint/FrameGeometry.h"

#include <algorithm>

namespace pp {
namespace {

// Room between the caption text and the title buttons.
constexpr int TextToButtonsGap = 12;
constexpr int IconToTextGap = 4;
constexpr int CaptionSectionIndent = 2;
constexpr int MinimizedImageWidth = 160;

} // namespace

int CaptionIconSize(int captionHeight)
{
    if (captionHeight <= 8)
        return 1;
    return captionHeight <= 16 ? 8 : 16;
}

int MenuLineCount(int firstItemBottom, int menuBottom, int systemMenuHeight)
{
    // A wrapped bar puts its first item on the first of several lines; each
    // further line is SM_CYMENU - 2 below it (the lines share a row).
    const int lineStep = std::max(1, systemMenuHeight - 2);
    if (firstItemBottom >= menuBottom)
        return 1;
    return (menuBottom - firstItemBottom) / lineStep + 1;
}

int MenuLineRows(const TFrameMeasures& m)
{
    return m.MenuLine > 0 && m.MenuLines > 0 ? m.MenuLines * m.MenuLine + 1 : 0;
}

int TitleHeight(const TFrameMeasures& m) { return std::max(0, m.Height - m.ClientHeight - m.Frame); }

int CaptionCenterY(const TFrameMeasures& m) { return m.Caption / 2 + m.Frame / 2 + (m.Maximized ? 2 : 0); }

int HeaderBottom(const TFrameMeasures& m) { return m.Frame + m.Caption; }

TRect CaptionIconRect(const TFrameMeasures& m, int leftOffset, bool iconShown)
{
    const int left = m.Frame + leftOffset;
    const int centre = CaptionCenterY(m);
    if (!iconShown)
        return {left, centre, left, centre};
    const int side = CaptionIconSize(m.Caption);
    const int top = centre - side / 2;
    return {left, top, left + side, top + side};
}

TRect CaptionTextRect(const TFrameMeasures& m, const TRect& iconRect, int leftOffset, int buttonBlockWidth,
                      bool captionSection)
{
    const int left = m.Frame + iconRect.Width() + leftOffset + IconToTextGap +
                     (captionSection ? CaptionSectionIndent : 0);
    const int right = m.Width - buttonBlockWidth - TextToButtonsGap;
    return {left, m.Frame, std::max(left, right), HeaderBottom(m)};
}

TRect MenuLineRect(const TFrameMeasures& m)
{
    const int top = HeaderBottom(m);
    return {0, top, m.Width, top + MenuLineRows(m)};
}

std::vector<TRect> PlaceTitleButtons(const TFrameMeasures& m, const std::vector<int>& widths,
                                     int buttonHeight, int rightOffset, int spacing)
{
    std::vector<TRect> placed;
    int x = m.Width - rightOffset - m.Frame;
    const int top = CaptionCenterY(m) - buttonHeight / 2;
    for (const int width : widths) {
        placed.push_back({x - width, top, x, top + buttonHeight});
        x -= width + spacing;
    }
    return placed;
}

int ButtonBlockWidth(const std::vector<int>& widths, int rightOffset, int spacing)
{
    int width = rightOffset;
    for (const int button : widths)
        width += button + spacing;
    return width;
}

std::array<TRect, 4> NonClientStrips(const TFrameMeasures& m)
{
    const int top = TitleHeight(m);
    const int side = m.Frame;
    return {TRect{0, 0, m.Width, top}, TRect{0, top, side, m.Height},
            TRect{side, m.Height - side, m.Width, m.Height},
            TRect{m.Width - side, top, m.Width, m.Height - side}};
}

TRect MaximizedRegionRect(const TFrameMeasures& m)
{
    return {m.Frame, m.Frame, m.Width - m.Frame, m.Height - m.Frame};
}

TSize MinimizedFrameImageSize(const TFrameMeasures& m)
{
    return {MinimizedImageWidth, m.Frame + m.Caption + 2};
}

} // namespace pp
