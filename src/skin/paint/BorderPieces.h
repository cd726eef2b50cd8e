#pragma once
// The nine pieces of a bordered skin image: four corners, four sides and
// the centre, where each lies in the target and where it comes from in the
// state image.
#include "core/Geometry.h"

#include <array>
#include <cstddef>

namespace pp {

struct TBorderWidths {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Border widths as skin files give them may be negative or absurd: painters
// take them between 0 and this.
inline constexpr int MaxBorderWidth = 1 << 16;

// An image's border widths, each cut to 0 .. MaxBorderWidth.
TBorderWidths ImageBorders(int left, int top, int right, int bottom);

// Borders that do not fit: the excess is taken half from each side, the
// odd pixel from the right (or bottom), neither going below 0.
TBorderWidths FitBorders(TBorderWidths widths, int width, int height);

enum class TPieceKind { Corner, Side, Centre };

struct TBorderPiece {
    TRect Dest;
    TRect Source;
    TPieceKind Kind = TPieceKind::Corner;
    bool BottomSide = false;
};

struct TBorderPieces {
    std::array<TBorderPiece, 9> Items{};
    std::size_t Count = 0;
    const TBorderPiece* begin() const { return Items.data(); }
    const TBorderPiece* end() const { return Items.data() + Count; }
};

// The pieces of a state image at `origin`, `stateSize` large, cut at
// `widths`, for the target rectangle `r`, in painting order: top-left
// corner, left side, top side, bottom-left corner, bottom side,
// bottom-right corner, top-right corner, right side, and the centre when
// asked for.
TBorderPieces BorderPieces(const TRect& r, TPoint origin, TSize stateSize, const TBorderWidths& widths,
                           bool withCentre);

} // namespace pp
