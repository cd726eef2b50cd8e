#include "skin/forms/NonClientHitTest.h"

#include <windows.h>

#include <algorithm>

namespace pp {
namespace {

int SizingCode(const TFrameHitInput& input, TPoint p)
{
    const TFrameMeasures& m = input.Measures;
    const int b = m.Frame;
    int code = HTNOWHERE;
    if (p.Y > m.Height - b)
        code = HTBOTTOM;
    else if (p.Y < m.Frame)
        code = HTTOP;
    if (p.X < b)
        return code == HTBOTTOM ? HTBOTTOMLEFT : code == HTTOP ? HTTOPLEFT : HTLEFT;
    if (p.X > m.Width - b)
        return code == HTBOTTOM ? HTBOTTOMRIGHT : code == HTTOP ? HTTOPRIGHT : HTRIGHT;
    return code;
}

} // namespace

int FrameHitTest(const TFrameHitInput& input, TPoint p)
{
    const TFrameMeasures& m = input.Measures;
    if (input.Sizeable)
        if (const int code = SizingCode(input, p); code != HTNOWHERE)
            return code;
    const int bandBottom = m.Frame + input.SystemCaption;
    if (p.Y >= 0 && p.Y <= bandBottom) {
        // The band's last row touches the menu line.
        const int menuTop = m.Frame + m.Caption + m.MenuLine;
        if (p.Y >= std::min(bandBottom, menuTop) && p.Y <= std::max(bandBottom, menuTop))
            return HTMENU;
        return input.IconRect.Contains(p) ? HTSYSMENU : HTCAPTION;
    }
    if (p.Y >= TitleHeight(m))
        return HTCLIENT;
    return HTMENU;
}

} // namespace pp
