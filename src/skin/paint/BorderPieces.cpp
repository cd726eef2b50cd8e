#include "skin/paint/BorderPieces.h"

#include <algorithm>

namespace pp {
namespace {

void FitPair(int& first, int& second, int length)
{
    if (length >= first + second)
        return;
    const int excess = first + second - length;
    const int half = excess / 2;
    first = std::max(0, first - half);
    second = std::max(0, second - half - excess % 2);
}

} // namespace

TBorderWidths ImageBorders(int left, int top, int right, int bottom)
{
    const auto cut = [](int width) { return std::clamp(width, 0, MaxBorderWidth); };
    return {cut(left), cut(top), cut(right), cut(bottom)};
}

TBorderWidths FitBorders(TBorderWidths widths, int width, int height)
{
    FitPair(widths.Left, widths.Right, width);
    FitPair(widths.Top, widths.Bottom, height);
    return widths;
}

TBorderPieces BorderPieces(const TRect& r, TPoint origin, TSize stateSize, const TBorderWidths& widths,
                           bool withCentre)
{
    const int l = widths.Left, t = widths.Top, rw = widths.Right, b = widths.Bottom;
    // Source columns and rows: the left border, the middle, the right border.
    const int sx0 = origin.X, sx1 = origin.X + l, sx2 = origin.X + stateSize.Width - rw,
              sx3 = origin.X + stateSize.Width;
    const int sy0 = origin.Y, sy1 = origin.Y + t, sy2 = origin.Y + stateSize.Height - b,
              sy3 = origin.Y + stateSize.Height;
    // The same lines in the target.
    const int dx0 = r.Left, dx1 = r.Left + l, dx2 = r.Right - rw, dx3 = r.Right;
    const int dy0 = r.Top, dy1 = r.Top + t, dy2 = r.Bottom - b, dy3 = r.Bottom;

    TBorderPieces pieces;
    const auto add = [&pieces](TRect dest, TRect source, TPieceKind kind, bool bottom = false) {
        pieces.Items[pieces.Count++] = {dest, source, kind, bottom};
    };
    add({dx0, dy0, dx1, dy1}, {sx0, sy0, sx1, sy1}, TPieceKind::Corner);
    add({dx0, dy1, dx1, dy2}, {sx0, sy1, sx1, sy2}, TPieceKind::Side);
    add({dx1, dy0, dx2, dy1}, {sx1, sy0, sx2, sy1}, TPieceKind::Side);
    add({dx0, dy2, dx1, dy3}, {sx0, sy2, sx1, sy3}, TPieceKind::Corner);
    add({dx1, dy2, dx2, dy3}, {sx1, sy2, sx2, sy3}, TPieceKind::Side, true);
    add({dx2, dy2, dx3, dy3}, {sx2, sy2, sx3, sy3}, TPieceKind::Corner);
    add({dx2, dy0, dx3, dy1}, {sx2, sy0, sx3, sy1}, TPieceKind::Corner);
    add({dx2, dy1, dx3, dy2}, {sx2, sy1, sx3, sy2}, TPieceKind::Side);
    if (withCentre)
        add({dx1, dy1, dx2, dy2}, {sx1, sy1, sx2, sy2}, TPieceKind::Centre);
    return pieces;
}

} // namespace pp
