#include "skin/forms/FormGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pp {

TMaximizedPlacement MaximizedPlacement(const TRect& monitor, const TRect& workArea, int frame,
                                       int captionShift)
{
    TMaximizedPlacement placement;
    placement.Position = {workArea.Left - monitor.Left - frame,
                          workArea.Top - monitor.Top + captionShift - frame};
    placement.Size = {workArea.Width() + 2 * frame, workArea.Height() + 2 * frame - captionShift};
    return placement;
}

TPoint SnapToEdges(TPoint position, TSize size, const TRect& area, int buffer)
{
    if (std::abs(position.X + size.Width - area.Right) < buffer)
        position.X = area.Right - size.Width;
    if (std::abs(position.Y + size.Height - area.Bottom) < buffer)
        position.Y = area.Bottom - size.Height;
    if (std::abs(position.X - area.Left) < buffer)
        position.X = area.Left;
    if (std::abs(position.Y - area.Top) < buffer)
        position.Y = area.Top;
    return position;
}

int MinimizeStepCount(int timeMs) { return std::max(timeMs / MinimizeStepMs, 1); }

TTaskbarPlace TaskbarFromWorkArea(const TRect& monitor, const TRect& workArea)
{
    if (workArea.Top > monitor.Top)
        return {TTaskbarEdge::Top, {monitor.Left, monitor.Top, monitor.Right, workArea.Top}};
    if (workArea.Left > monitor.Left)
        return {TTaskbarEdge::Left, {monitor.Left, monitor.Top, workArea.Left, monitor.Bottom}};
    if (workArea.Right < monitor.Right)
        return {TTaskbarEdge::Right, {workArea.Right, monitor.Top, monitor.Right, monitor.Bottom}};
    return {TTaskbarEdge::Bottom, {monitor.Left, workArea.Bottom, monitor.Right, monitor.Bottom}};
}

TTaskbarPlace TaskbarFromBar(const TRect& monitor, const TRect& bar)
{
    if (bar.Width() >= bar.Height())
        return {bar.Top <= monitor.Top ? TTaskbarEdge::Top : TTaskbarEdge::Bottom, bar};
    return {bar.Left <= monitor.Left ? TTaskbarEdge::Left : TTaskbarEdge::Right, bar};
}

TRect TaskbarEdgeTarget(const TTaskbarPlace& taskbar, TPoint windowCentre)
{
    TPoint p = windowCentre;
    switch (taskbar.Edge) {
    case TTaskbarEdge::Top: p.Y = taskbar.Bounds.Bottom; break;
    case TTaskbarEdge::Bottom: p.Y = taskbar.Bounds.Top; break;
    case TTaskbarEdge::Left: p.X = taskbar.Bounds.Right; break;
    case TTaskbarEdge::Right: p.X = taskbar.Bounds.Left; break;
    }
    return {p.X, p.Y, p.X, p.Y};
}

TMinimizePath PlanMinimize(const TRect& source, const TRect& target, int timeMs, int startOpacity)
{
    TMinimizePath path;
    path.Steps = MinimizeStepCount(timeMs);
    const double n = path.Steps;
    path.Source = {double(source.Left), double(source.Top), double(source.Right), double(source.Bottom)};
    path.CentreDx = ((target.Left + target.Right) - (source.Left + source.Right)) / 2.0 / n;
    path.CentreDy = ((target.Top + target.Bottom) - (source.Top + source.Bottom)) / 2.0 / n;
    path.SideDx = (source.Width() - target.Width()) / (2.0 * n);
    path.SideDy = (source.Height() - target.Height()) / (2.0 * n);
    path.StartOpacity = startOpacity;
    path.OpacityStep = startOpacity / double(std::max(1, path.Steps - 1));
    return path;
}

TRect MinimizeFrameRect(const TMinimizePath& path, int moved)
{
    const TFloatRect& s = path.Source;
    const double cx = (s.Left + s.Right) / 2 + moved * path.CentreDx;
    const double cy = (s.Top + s.Bottom) / 2 + moved * path.CentreDy;
    const double halfW = std::max(0.0, (s.Right - s.Left) / 2 - moved * path.SideDx);
    const double halfH = std::max(0.0, (s.Bottom - s.Top) / 2 - moved * path.SideDy);
    return {int(std::lround(cx - halfW)), int(std::lround(cy - halfH)), int(std::lround(cx + halfW)),
            int(std::lround(cy + halfH))};
}

int MinimizeOpacity(const TMinimizePath& path, int tick, bool restoring)
{
    const double change = tick * path.OpacityStep;
    if (restoring)
        return int(std::min<double>(path.StartOpacity, std::floor(change + 1e-9)));
    return int(std::max(0.0, std::ceil(path.StartOpacity - change - 1e-9)));
}

int NextMovingOpacity(int opacity, int start, int target, int timeMs)
{
    const int ticks = timeMs < 13 ? 1 : timeMs / 12;
    const int step = std::max(1, (start - target) / ticks);
    return std::max(target, opacity - step);
}

} // namespace pp
