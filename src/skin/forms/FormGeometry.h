#pragma once
// The arithmetic of moving, maximizing and minimizing a skinned form: where
// a maximized form goes, how a dragged form snaps to the work area's edges,
// and the path its picture takes to the taskbar and back. Plain values, no
// windows, so that each rule can be checked by itself.
#include "core/Geometry.h"

namespace pp {

struct TMaximizedPlacement {
    TPoint Position; // relative to the monitor's top-left corner, as the platform wants it
    TSize Size;
};

// A maximized form's frame lies just outside the work area: `frame` pixels
// on every side, less `captionShift` at the top (the extended-border
// window's caption shift, 0 without it).
TMaximizedPlacement MaximizedPlacement(const TRect& monitor, const TRect& workArea, int frame,
                                       int captionShift);

// A dragged form closer than `buffer` pixels to an edge of `area` lands
// flush with it. Right and bottom are tried first, so that the left and
// top edges win when both edges of a direction are within reach.
TPoint SnapToEdges(TPoint position, TSize size, const TRect& area, int buffer);

// The minimize animation's frame interval, and its steps for a time.
inline constexpr int MinimizeStepMs = 15;
// Time div 15, at least one step.
int MinimizeStepCount(int timeMs);

enum class TTaskbarEdge { Left, Top, Right, Bottom };

struct TTaskbarPlace {
    TTaskbarEdge Edge = TTaskbarEdge::Bottom;
    TRect Bounds;
};

// Where the taskbar is when only the work area tells: on the side where the
// work area leaves the monitor; a monitor without taskbar gives a bar of no
// height along its bottom.
TTaskbarPlace TaskbarFromWorkArea(const TRect& monitor, const TRect& workArea);

// Where the taskbar is, from its window's rectangle on its monitor: a wide
// bar lies along the top or bottom, a tall one along the left or right.
TTaskbarPlace TaskbarFromBar(const TRect& monitor, const TRect& bar);

// A point on the taskbar's inner edge in line with the window's centre
// (an empty rectangle there): the target when no taskbar button is known.
TRect TaskbarEdgeTarget(const TTaskbarPlace& taskbar, TPoint windowCentre);

struct TFloatRect {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The way a window's picture shrinks to its target and grows back.
struct TMinimizePath {
    int Steps = 1;
    TFloatRect Source;
    double CentreDx = 0, CentreDy = 0; // the centre's move per step
    double SideDx = 0, SideDy = 0;     // each side's move inwards per step
    int StartOpacity = 255;
    double OpacityStep = 255;
};

TMinimizePath PlanMinimize(const TRect& source, const TRect& target, int timeMs, int startOpacity);
// The picture's rectangle `moved` steps from the window towards the target.
TRect MinimizeFrameRect(const TMinimizePath& path, int moved);
// The opacity after `tick` ticks: falling from the start when minimizing
// (not below 0), rising from 0 when restoring (not above the start).
int MinimizeOpacity(const TMinimizePath& path, int tick, bool restoring);

// Blend on moving: the opacity falls from `start` to `target` in Time / 12
// ticks (one tick below 13 ms); the opacity after one more tick.
int NextMovingOpacity(int opacity, int start, int target, int timeMs);

} // namespace pp
