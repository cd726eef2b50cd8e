#pragma once
// Where a hint window goes and how its parts lie inside it: the window's
// size for a measured text, the placement against the monitor with the
// tail's corner, the body rectangle, the tail's tip and the window's
// opacity.
#include "core/Geometry.h"
#include "skin/paint/HintLook.h"

namespace pp {

// The window corner next to the mouse point, where the tail points.
enum class THintTail { TopLeft = 0, BottomLeft = 1, TopRight = 2, BottomRight = 3 };
bool IsTopTail(THintTail tail);

// The room the elliptic styles add around their text (half on each side).
struct THintExtraSize {
    int Width = 0;
    int Height = 0;
};

struct THintSize {
    TSize Size;
    THintExtraSize Extra;
};
// The window's size for a text of `text` pixels in the look's own style:
// margins and outline, the shadow, the tail band and the elliptic extra.
THintSize HintWindowSize(TSize text, const THintLook& look);

// The widths of a skin section's border image on each side.
struct THintBorders {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// The skinned window's size: the text inside the borders and 4 pixels of air
// on every side; no shadow, no tail band.
inline constexpr int SkinnedHintAir = 4;
TSize SkinnedHintWindowSize(TSize text, const THintBorders& borders);

struct THintPlacement {
    TRect Rect;
    THintTail Tail = THintTail::TopLeft;
};
// Puts a hint of `size` at `anchor` with the `corner` corner there, then
// keeps it on `monitor`: the shaped styles turn above or to the left of the
// anchor, the others slide against the edge; the tail follows.
THintPlacement PlaceHint(TSize size, TPoint anchor, const TRect& monitor, THintStyle style,
                         THintMousePos corner);

// The body inside a window of `window` pixels: the shadow's room off the
// right and bottom, the tail band off the side of the tail.
TRect HintBodyRect(TSize window, const THintLook& look, THintTail tail);

// The tail's tip, 3 pixels inside the tail's corner.
TPoint HintTailTip(TSize window, THintTail tail);

// The window's constant opacity for a transparency in percent.
int HintOpacity(int transparency);
// The fade-in's frames: frame 1 to HintFadeFrames, the last one at `opacity`.
inline constexpr int HintFadeFrames = 31;
int HintFadeOpacity(int frame, int opacity);

} // namespace pp
