// The blend of a form into its new skin: with layered windows as a fade-in
// of the new look, without them through the frozen picture; either way on
// timer ticks, the form-animation flag set until the form takes over.
#include "animation/AnimationFixture.h"
#include "skin/paint/AnimationPlayerWin32.h"
#include "skin/paint/AnimationState.h"
#include "skin/paint/SkinChangeAnimationWin32.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TSkinChangeRequest Request(TForm& form, int& finished)
{
    TSkinChangeRequest request;
    request.Form = &form;
    request.NewLook = TBitmap(form.Width(), form.Height());
    request.NewLook.Fill(TBGRA{0, 0, 255, 255});
    request.TimeMs = 100;
    request.Finished = [&finished] { ++finished; };
    return request;
}

TEST(SkinChange, WithLayeredWindowsTheNewLookFadesInOverEightSteps)
{
    TLayeredRecorder layered;
    auto form = ShownForm(50, 50, 60, 30);
    int finished = 0;
    AnimateSkinChange(Request(*form, finished));
    EXPECT_TRUE(AnimationState.FormAnimation);
    ASSERT_TRUE(PumpMessagesUntil([&] { return finished > 0 && RunningAnimations() == 0; }));
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(AnimationState.FormAnimation);
    // 100 ms: 8 steps; the first picture at 0, then frames 0..8.
    ASSERT_EQ(layered.Pushes.size(), 10u);
    EXPECT_EQ(layered.Pushes.back().Alpha, 255);
    EXPECT_EQ(layered.Pushes.back().Picture.Pixel32(3, 3).R, 255);
}

TEST(SkinChange, WithoutLayeredWindowsTheFrozenPictureBlendsOnTimerTicks)
{
    TLayeredRecorder layered(false);
    auto form = ShownForm(50, 50, 60, 30);
    int finished = 0;
    TTimer other(nullptr);
    other.SetInterval(10);
    int ticks = 0;
    other.SetOnTimer([&](TObject*) { ++ticks; });
    AnimateSkinChange(Request(*form, finished));
    EXPECT_TRUE(AnimationState.FormAnimation);
    ASSERT_TRUE(PumpMessagesUntil([&] { return finished > 0; }));
    EXPECT_FALSE(AnimationState.FormAnimation);
    EXPECT_TRUE(layered.Pushes.empty());
    EXPECT_GE(ticks, 3) << "the message loop ran during the blend";
}

} // namespace
} // namespace pp::test
