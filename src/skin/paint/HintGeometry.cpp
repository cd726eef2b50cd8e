#include "skin/paint/HintGeometry.h"

#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cmath>

namespace pp {

bool IsTopTail(THintTail tail) { return tail == THintTail::TopLeft || tail == THintTail::TopRight; }

namespace {

bool IsLeftTail(THintTail tail) { return tail == THintTail::TopLeft || tail == THintTail::BottomLeft; }

THintTail TailAt(bool top, bool left)
{
    if (top)
        return left ? THintTail::TopLeft : THintTail::TopRight;
    return left ? THintTail::BottomLeft : THintTail::BottomRight;
}

THintExtraSize EllipticExtra(TSize size)
{
    if (size.Width <= 0 || size.Height <= 0)
        return {};
    const double w = size.Width;
    const double h = size.Height;
    const double d = std::sqrt(w * w + h * h) - w;
    return {RoundHalfEven(w * d / h), RoundHalfEven(d * h / w)};
}

} // namespace

THintSize HintWindowSize(TSize text, const THintLook& look)
{
    const bool elliptic = IsEllipticHintStyle(look.Style);
    TSize size = text;
    if (elliptic)
        size.Width = std::max(size.Width, 50);
    size.Width += 2 * (look.MarginH + look.BevelWidth) + HintShadowSize(look);
    size.Height += 2 * (look.MarginV + look.BevelWidth) + HintShadowSize(look);
    if (IsShapedHintStyle(look.Style))
        size.Height += look.ExOffset;
    THintExtraSize extra;
    if (elliptic) {
        extra = EllipticExtra(size);
        size.Width += extra.Width;
        size.Height += extra.Height;
    }
    return {size, extra};
}

TSize SkinnedHintWindowSize(TSize text, const THintBorders& borders)
{
    return {text.Width + borders.Left + borders.Right + 2 * SkinnedHintAir,
            text.Height + borders.Top + borders.Bottom + 2 * SkinnedHintAir};
}

THintPlacement PlaceHint(TSize size, TPoint anchor, const TRect& monitor, THintStyle style,
                         THintMousePos corner)
{
    bool top = corner == THintMousePos::mpLeftTop || corner == THintMousePos::mpRightTop;
    bool left = corner == THintMousePos::mpLeftTop || corner == THintMousePos::mpLeftBottom;
    TRect r = TRect::FromBounds(anchor.X, anchor.Y, size.Width, size.Height);
    r = r.Offset(left ? 0 : -size.Width, top ? 0 : -size.Height);
    const bool shaped = IsShapedHintStyle(style);
    if (r.Bottom > monitor.Bottom) {
        const int newTop = shaped ? anchor.Y - size.Height : monitor.Bottom - size.Height;
        r = r.Offset(0, newTop - r.Top);
        top = false;
    }
    if (r.Top < monitor.Top) {
        r = r.Offset(0, monitor.Top - r.Top);
        top = true;
    }
    if (r.Right > monitor.Right) {
        const bool turnsLeft = shaped && top && left;
        const int newRight = turnsLeft ? anchor.X : monitor.Right;
        r = r.Offset(newRight - r.Right, 0);
        left = false;
    }
    if (r.Left < monitor.Left) {
        r = r.Offset(monitor.Left - r.Left, 0);
        left = true;
    }
    return {r, TailAt(top, left)};
}

TRect HintBodyRect(TSize window, const THintLook& look, THintTail tail)
{
    const int s = HintShadowSize(look);
    TRect body{0, 0, window.Width - s, window.Height - s};
    if (!IsShapedHintStyle(look.Style))
        return body;
    if (IsTopTail(tail))
        body.Top = look.ExOffset;
    else
        body.Bottom -= look.ExOffset;
    if (IsEllipticHintStyle(look.Style)) {
        body.Top = std::max(body.Top, 0);
        body.Bottom = std::min(body.Bottom, window.Height);
    }
    return body;
}

TPoint HintTailTip(TSize window, THintTail tail)
{
    return {IsLeftTail(tail) ? 3 : window.Width - 3, IsTopTail(tail) ? 3 : window.Height - 3};
}

int HintOpacity(int transparency) { return RoundHalfEven((100 - std::clamp(transparency, 0, 100)) * 2.55); }

int HintFadeOpacity(int frame, int opacity)
{
    return RoundHalfEven(std::clamp(frame, 0, HintFadeFrames) * double(opacity) / HintFadeFrames);
}

} // namespace pp
