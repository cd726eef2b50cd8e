// Steps, alphas and pictures of the window animations, worked by hand.
#include "skin/paint/WindowAnimationSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp {
namespace {

TEST(WindowAnimationSteps, StepsAreTimeDivTwelve)
{
    EXPECT_EQ(AnimationStepCount(0), 0);
    EXPECT_EQ(AnimationStepCount(11), 0);
    EXPECT_EQ(AnimationStepCount(120), 10);
    EXPECT_EQ(AnimationStepCount(100), 8);
    EXPECT_EQ(AnimationStepCount(-24), 0);
}

// 120 ms: 10 steps, frames 0..10. The alpha rises by 25.5 and is pushed to
// the nearest integer; the eleventh frame stays at 255.
TEST(WindowAnimationSteps, ShowFadesInOverElevenFrames)
{
    std::vector<int> alphas;
    for (int i = 0; i <= 10; ++i)
        alphas.push_back(ShowAnimationFrame(i, 10, 255, {160, 80}, atFading).Alpha);
    EXPECT_EQ(alphas, (std::vector<int>{26, 51, 77, 102, 128, 153, 179, 204, 230, 255, 255}));
}

TEST(WindowAnimationSteps, ShowStopsAtTheFormsOwnAlpha)
{
    EXPECT_EQ(ShowAnimationFrame(10, 10, 200, {160, 80}, atFading).Alpha, 200);
    EXPECT_EQ(ShowAnimationFrame(0, 0, 200, {160, 80}, atAero).Alpha, 200) << "no steps: at once";
}

struct TPictureCase {
    const char* Name;
    bool Show;
    int Step;
    TRect Picture;
};

class AeroPictureTest : public testing::TestWithParam<TPictureCase> { };

// 160 x 80, 10 steps: an eighth is 20 x 10, one step 2 x 1 per side.
TEST_P(AeroPictureTest, GrowsOrShrinksByAnEighth)
{
    const TPictureCase& c = GetParam();
    const TAnimationFrame frame = c.Show ? ShowAnimationFrame(c.Step, 10, 255, {160, 80}, atAero)
                                         : HideAnimationFrame(c.Step, 10, 255, {160, 80}, atAero);
    EXPECT_TRUE(frame.Cleared);
    EXPECT_EQ(frame.Picture, c.Picture);
}

INSTANTIATE_TEST_SUITE_P(Cases, AeroPictureTest,
                         testing::Values(TPictureCase{"ShowStartsInset", true, 0, {20, 10, 140, 70}},
                                         TPictureCase{"ShowStepFour", true, 4, {12, 6, 148, 74}},
                                         TPictureCase{"ShowEndsWhole", true, 10, {0, 0, 160, 80}},
                                         TPictureCase{"HideStartsWhole", false, 0, {0, 0, 160, 80}},
                                         TPictureCase{"HideEndsInset", false, 10, {20, 10, 140, 70}}),
                         [](const auto& info) { return info.param.Name; });

TEST(WindowAnimationSteps, FadingKeepsTheWholePicture)
{
    const TAnimationFrame frame = ShowAnimationFrame(0, 10, 255, {160, 80}, atFading);
    EXPECT_FALSE(frame.Cleared);
    EXPECT_EQ(frame.Picture, (TRect{0, 0, 160, 80}));
}

TEST(WindowAnimationSteps, HideFadesOutToZero)
{
    EXPECT_EQ(HideAnimationFrame(0, 10, 255, {160, 80}, atFading).Alpha, 230); // 229.5
    EXPECT_EQ(HideAnimationFrame(9, 10, 255, {160, 80}, atFading).Alpha, 0);
    EXPECT_EQ(HideAnimationFrame(10, 10, 255, {160, 80}, atFading).Alpha, 0) << "never below 0";
}

// Aero frames start transparent black with the snapshot stretched into
// the frame's rectangle; fading frames are the snapshot itself.
TEST(WindowAnimationSteps, AeroPictureIsTheSnapshotInsideTransparentBlack)
{
    TBitmap snapshot(8, 8);
    snapshot.Fill(TBGRA{10, 20, 30, 255});
    TAnimationFrame frame;
    frame.Cleared = true;
    frame.Picture = {1, 1, 7, 7};
    const TBitmap picture = AnimationFramePicture(snapshot, frame);
    EXPECT_EQ(picture.Pixel32(0, 0).A, 0);
    EXPECT_EQ(picture.Pixel32(7, 7).A, 0);
    EXPECT_EQ(picture.Pixel32(1, 1).R, 30);
    EXPECT_EQ(picture.Pixel32(6, 6).A, 255);

    frame.Cleared = false;
    EXPECT_EQ(AnimationFramePicture(snapshot, frame).Pixel32(0, 0).R, 30);
}

// Time 100: 8 steps, 255 div 8 = 31 per step.
TEST(WindowAnimationSteps, SkinChangeOldWeightFallsByWholeSteps)
{
    EXPECT_EQ(SkinChangeOldWeight(0, 8), 255);
    EXPECT_EQ(SkinChangeOldWeight(1, 8), 224);
    EXPECT_EQ(SkinChangeOldWeight(8, 8), 7);
    EXPECT_EQ(SkinChangeOldWeight(0, 0), 0);
}

} // namespace
} // namespace pp
