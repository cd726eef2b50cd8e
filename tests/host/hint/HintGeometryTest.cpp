#include "skin/paint/HintGeometry.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

THintLook PresetLook(THintPredefinitions preset)
{
    THintLook look;
    ApplyHintPreset(look, preset);
    return look;
}

TEST(HintWindowSize, ComicsOneLineAddsMarginsShadowAndTailBand)
{
    // 2 * (15 + 1) margins and outline, 7 of shadow; 2 * (7 + 1), 24 of tail band, 7.
    const THintSize size = HintWindowSize({50, 13}, PresetLook(THintPredefinitions::shComicsGradient));
    EXPECT_EQ(size.Size.Width, 50 + 32 + 7);
    EXPECT_EQ(size.Size.Height, 13 + 16 + 24 + 7);
    EXPECT_EQ(size.Extra.Width, 0);
    EXPECT_EQ(HintTailTip(size.Size, THintTail::TopLeft).X, 3);
    EXPECT_EQ(HintTailTip(size.Size, THintTail::TopLeft).Y, 3);
}

TEST(HintWindowSize, EllipseWidensNarrowTextAndAddsRoomAroundTheEllipse)
{
    // Width max(30, 50) + 2 * (6 + 1) + 16 = 80, height 13 + 2 * (12 + 1) + 16 + 16 = 71;
    // d = sqrt(80² + 71²) - 80 = 26.96: extra 80 * d / 71 = 30.4 and d * 71 / 80 = 23.9.
    const THintSize size = HintWindowSize({30, 13}, PresetLook(THintPredefinitions::shEllipse));
    EXPECT_EQ(size.Extra.Width, 30);
    EXPECT_EQ(size.Extra.Height, 24);
    EXPECT_EQ(size.Size.Width, 110);
    EXPECT_EQ(size.Size.Height, 95);
}

TEST(HintWindowSize, WithoutShadowNoShadowRoom)
{
    THintLook look = PresetLook(THintPredefinitions::shSimply);
    look.ShadowEnabled = false;
    const THintSize size = HintWindowSize({40, 13}, look);
    EXPECT_EQ(size.Size.Width, 40 + 2 * (4 + 1));
    EXPECT_EQ(size.Size.Height, 13 + 2 * (2 + 1));
}

TEST(PlaceHint, KeepsTheHintOnTheMonitorAndTurnsTheTail)
{
    const TRect monitor{0, 0, 1024, 768};
    const TSize size{89, 60};
    struct Case {
        const char* What;
        TPoint Anchor;
        THintStyle Style;
        THintMousePos Corner;
        TRect Expected;
        THintTail Tail;
    } cases[] = {
        {"room everywhere",
         {100, 100},
         THintStyle::hsComics,
         THintMousePos::mpLeftTop,
         {100, 100, 189, 160},
         THintTail::TopLeft},
        {"bottom edge, shaped: above the anchor",
         {100, 740},
         THintStyle::hsComics,
         THintMousePos::mpLeftTop,
         {100, 680, 189, 740},
         THintTail::BottomLeft},
        {"bottom edge, plain: against the edge",
         {100, 740},
         THintStyle::hsSimply,
         THintMousePos::mpLeftTop,
         {100, 708, 189, 768},
         THintTail::BottomLeft},
        {"right edge, shaped: left of the anchor",
         {1000, 100},
         THintStyle::hsComics,
         THintMousePos::mpLeftTop,
         {911, 100, 1000, 160},
         THintTail::TopRight},
        {"right edge, plain: against the edge",
         {1000, 100},
         THintStyle::hsSimply,
         THintMousePos::mpLeftTop,
         {935, 100, 1024, 160},
         THintTail::TopRight},
        {"corner: above, then against the right edge",
         {1000, 740},
         THintStyle::hsComics,
         THintMousePos::mpLeftTop,
         {935, 680, 1024, 740},
         THintTail::BottomRight},
        {"off the top left",
         {-50, -30},
         THintStyle::hsEllipse,
         THintMousePos::mpLeftTop,
         {0, 0, 89, 60},
         THintTail::TopLeft},
        {"bottom-right corner at the mouse",
         {500, 400},
         THintStyle::hsComics,
         THintMousePos::mpRightBottom,
         {411, 340, 500, 400},
         THintTail::BottomRight},
    };
    for (const Case& c : cases) {
        const THintPlacement placed = PlaceHint(size, c.Anchor, monitor, c.Style, c.Corner);
        EXPECT_EQ(placed.Rect, c.Expected) << c.What;
        EXPECT_EQ(placed.Tail, c.Tail) << c.What;
    }
}

TEST(PlaceHint, MonitorAwayFromTheOrigin)
{
    // A second monitor left of the first: its edges, not the first's, count.
    const THintPlacement placed = PlaceHint({89, 60}, {-20, 1000}, {-1280, 0, 0, 1024}, THintStyle::hsComics,
                                            THintMousePos::mpLeftTop);
    EXPECT_EQ(placed.Rect, (TRect{-89, 940, 0, 1000}));
    EXPECT_EQ(placed.Tail, THintTail::BottomRight);
}

TEST(HintBodyRect, TailBandOnTheTailsSide)
{
    const THintLook look = PresetLook(THintPredefinitions::shComicsGradient);
    EXPECT_EQ(HintBodyRect({89, 60}, look, THintTail::TopLeft), (TRect{0, 24, 82, 53}));
    EXPECT_EQ(HintBodyRect({89, 60}, look, THintTail::BottomRight), (TRect{0, 0, 82, 29}));
    EXPECT_EQ(HintTailTip({89, 60}, THintTail::BottomRight).X, 86);
    EXPECT_EQ(HintTailTip({89, 60}, THintTail::BottomRight).Y, 57);
    const THintLook plain = PresetLook(THintPredefinitions::shSimply);
    EXPECT_EQ(HintBodyRect({89, 60}, plain, THintTail::TopLeft), (TRect{0, 0, 83, 54}));
}

TEST(HintOpacity, TransparencyInPercentOfFullOpacity)
{
    EXPECT_EQ(HintOpacity(8), 235); // 255 - 20.4
    EXPECT_EQ(HintOpacity(0), 255);
    EXPECT_EQ(HintOpacity(100), 0);
    EXPECT_EQ(HintOpacity(150), 0);
    EXPECT_EQ(HintOpacity(-5), 255);
}

TEST(HintFadeOpacity, RisesInEqualStepsToTheWindowsOpacity)
{
    EXPECT_EQ(HintFadeOpacity(0, 235), 0);
    EXPECT_EQ(HintFadeOpacity(1, 235), 8); // 7.58
    EXPECT_EQ(HintFadeOpacity(HintFadeFrames, 235), 235);
    for (int frame = 1; frame <= HintFadeFrames; ++frame)
        EXPECT_GE(HintFadeOpacity(frame, 235), HintFadeOpacity(frame - 1, 235));
}

} // namespace
} // namespace pp
