// The arithmetic of moving, maximizing and minimizing a skinned form, each
// rule against values worked out by hand.
#include "skin/forms/FormGeometry.h"
#include "skin/forms/OutlineDrag.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(FormGeometry, SnapsToTheWorkAreaEdgesWithinTheBuffer)
{
    const TRect area{0, 0, 1000, 700};
    struct TCase {
        const char* what;
        TPoint position;
        TSize size;
        TPoint expected;
    };
    const TCase cases[] = {
        {"9 px from the right edge lands flush", {591, 300}, {400, 200}, {600, 300}},
        {"10 px from the right edge stays", {590, 300}, {400, 200}, {590, 300}},
        {"past the right edge by 9 px comes back", {609, 300}, {400, 200}, {600, 300}},
        {"9 px from the bottom lands flush", {300, 491}, {400, 200}, {300, 500}},
        {"9 px from the left and top land flush", {9, -9}, {400, 200}, {0, 0}},
        {"both sides within reach: the left wins", {5, 300}, {1004, 200}, {0, 300}},
        {"both within reach vertically: the top wins", {300, 4}, {400, 703}, {300, 0}},
        {"in the middle nothing moves", {300, 300}, {400, 200}, {300, 300}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TPoint snapped = SnapToEdges(c.position, c.size, area, 10);
        EXPECT_EQ(snapped.X, c.expected.X);
        EXPECT_EQ(snapped.Y, c.expected.Y);
    }
}

TEST(FormGeometry, MaximizedFramePutsTheFrameOutsideTheWorkArea)
{
    // Work area at the monitor's origin: (-F, -F), work size + 2F.
    TMaximizedPlacement p = MaximizedPlacement({0, 0, 1024, 768}, {0, 0, 1024, 740}, 4, 0);
    EXPECT_EQ(p.Position.X, -4);
    EXPECT_EQ(p.Position.Y, -4);
    EXPECT_EQ(p.Size.Width, 1032);
    EXPECT_EQ(p.Size.Height, 748);
    // A taskbar along the top: the position is the work area's, relative to the monitor.
    p = MaximizedPlacement({0, 0, 1024, 768}, {0, 30, 1024, 768}, 4, 0);
    EXPECT_EQ(p.Position.Y, 26);
    EXPECT_EQ(p.Size.Height, 746);
    // A second monitor to the right: still relative to its own corner.
    p = MaximizedPlacement({1024, 0, 2048, 768}, {1024, 0, 2048, 768}, 3, 0);
    EXPECT_EQ(p.Position.X, -3);
}

TEST(FormGeometry, MinimizeStepsAreTimeDivFifteenAtLeastOne)
{
    const std::pair<int, int> cases[] = {{200, 13}, {15, 1}, {14, 1}, {0, 1}, {-5, 1}, {30, 2}};
    for (const auto& [time, steps] : cases)
        EXPECT_EQ(MinimizeStepCount(time), steps) << "time " << time;
}

TEST(FormGeometry, MinimizePathShrinksTheWindowOntoItsTarget)
{
    // 260 x 130 window centred at (230, 165); target a 0 x 0 point at (490, 685).
    const TRect source{100, 100, 360, 230};
    const TRect target{490, 685, 490, 685};
    const TMinimizePath path = PlanMinimize(source, target, 200, 255);
    ASSERT_EQ(path.Steps, 13);
    EXPECT_DOUBLE_EQ(path.CentreDx, 20);
    EXPECT_DOUBLE_EQ(path.CentreDy, 40);
    EXPECT_DOUBLE_EQ(path.SideDx, 10);
    EXPECT_DOUBLE_EQ(path.SideDy, 5);
    const TRect start = MinimizeFrameRect(path, 0);
    EXPECT_EQ(start.Left, 100);
    EXPECT_EQ(start.Bottom, 230);
    // After one step: centre (250, 205), 240 x 120.
    const TRect first = MinimizeFrameRect(path, 1);
    EXPECT_EQ(first.Left, 130);
    EXPECT_EQ(first.Top, 145);
    EXPECT_EQ(first.Right, 370);
    EXPECT_EQ(first.Bottom, 265);
    const TRect end = MinimizeFrameRect(path, 13);
    EXPECT_EQ(end.Left, 490);
    EXPECT_EQ(end.Top, 685);
    EXPECT_EQ(end.Width(), 0);
}

TEST(FormGeometry, MinimizeOpacityFallsToZeroAndRisesBackInStepsMinusOneTicks)
{
    // 255 / (13 - 1) = 21.25 per tick.
    const TMinimizePath path = PlanMinimize({0, 0, 100, 100}, {0, 0, 0, 0}, 200, 255);
    EXPECT_EQ(MinimizeOpacity(path, 1, false), 234);
    EXPECT_GT(MinimizeOpacity(path, 11, false), 0);
    EXPECT_EQ(MinimizeOpacity(path, 12, false), 0);
    EXPECT_EQ(MinimizeOpacity(path, 20, false), 0);
    EXPECT_EQ(MinimizeOpacity(path, 1, true), 21);
    EXPECT_LT(MinimizeOpacity(path, 11, true), 255);
    EXPECT_EQ(MinimizeOpacity(path, 12, true), 255);
    // One step: everything happens at the first tick.
    const TMinimizePath quick = PlanMinimize({0, 0, 100, 100}, {0, 0, 0, 0}, 10, 255);
    EXPECT_EQ(quick.Steps, 1);
    EXPECT_EQ(MinimizeOpacity(quick, 1, false), 0);
    EXPECT_EQ(MinimizeOpacity(quick, 1, true), 255);
}

TEST(FormGeometry, TaskbarEdgeTargetLiesOnTheInnerEdgeInLineWithTheWindow)
{
    const TPoint centre{300, 200};
    struct TCase {
        TTaskbarEdge edge;
        TRect bar;
        TPoint expected;
    };
    const TCase cases[] = {
        {TTaskbarEdge::Bottom, {0, 738, 1024, 768}, {300, 738}},
        {TTaskbarEdge::Top, {0, 0, 1024, 30}, {300, 30}},
        {TTaskbarEdge::Left, {0, 0, 60, 768}, {60, 200}},
        {TTaskbarEdge::Right, {964, 0, 1024, 768}, {964, 200}},
    };
    for (const TCase& c : cases) {
        const TRect target = TaskbarEdgeTarget({c.edge, c.bar}, centre);
        EXPECT_EQ(target.Left, c.expected.X);
        EXPECT_EQ(target.Top, c.expected.Y);
        EXPECT_EQ(target.Width(), 0);
        EXPECT_EQ(target.Height(), 0);
    }
}

TEST(FormGeometry, TaskbarSideFollowsTheBarOrTheWorkArea)
{
    const TRect monitor{0, 0, 1024, 768};
    EXPECT_EQ(TaskbarFromBar(monitor, {0, 738, 1024, 768}).Edge, TTaskbarEdge::Bottom);
    EXPECT_EQ(TaskbarFromBar(monitor, {0, 0, 1024, 30}).Edge, TTaskbarEdge::Top);
    EXPECT_EQ(TaskbarFromBar(monitor, {0, 0, 60, 768}).Edge, TTaskbarEdge::Left);
    EXPECT_EQ(TaskbarFromBar(monitor, {964, 0, 1024, 768}).Edge, TTaskbarEdge::Right);
    const TTaskbarPlace left = TaskbarFromWorkArea(monitor, {60, 0, 1024, 768});
    EXPECT_EQ(left.Edge, TTaskbarEdge::Left);
    EXPECT_EQ(left.Bounds.Right, 60);
    // No taskbar at all: a bar of no height along the bottom.
    const TTaskbarPlace none = TaskbarFromWorkArea(monitor, monitor);
    EXPECT_EQ(none.Edge, TTaskbarEdge::Bottom);
    EXPECT_EQ(none.Bounds.Top, 768);
}

TEST(FormGeometry, OutlineMovesOrSizesTheHeldEdgesNeverBelowTheMinimum)
{
    const TRect start{100, 100, 400, 300};
    const TSize minimum{120, 40};
    TRect r = DraggedOutline(start, 0, 25, -10, minimum);
    EXPECT_EQ(r.Left, 125);
    EXPECT_EQ(r.Top, 90);
    EXPECT_EQ(r.Width(), 300);
    r = DraggedOutline(start, WMSZ_BOTTOMRIGHT, 30, 20, minimum);
    EXPECT_EQ(r.Left, 100);
    EXPECT_EQ(r.Right, 430);
    EXPECT_EQ(r.Bottom, 320);
    r = DraggedOutline(start, WMSZ_BOTTOMRIGHT, -500, -500, minimum);
    EXPECT_EQ(r.Width(), 120);
    EXPECT_EQ(r.Height(), 40);
    r = DraggedOutline(start, WMSZ_TOPLEFT, 500, 500, minimum);
    EXPECT_EQ(r.Left, 280);
    EXPECT_EQ(r.Top, 260);
    EXPECT_EQ(r.Right, 400);
}

TEST(FormGeometry, BlendOnMovingFadesToTheBlendValue)
{
    // 1000 ms: 83 ticks, (255 - 170) / 83 = 1 a tick.
    EXPECT_EQ(NextMovingOpacity(255, 255, 170, 1000), 254);
    EXPECT_EQ(NextMovingOpacity(170, 255, 170, 1000), 170);
    // 120 ms: 10 ticks of 8.
    EXPECT_EQ(NextMovingOpacity(255, 255, 170, 120), 247);
    // Below 13 ms one tick does it all.
    EXPECT_EQ(NextMovingOpacity(255, 255, 170, 12), 170);
}

} // namespace
} // namespace pp::test
