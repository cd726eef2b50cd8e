// Fades, glows and window animations give back every handle they take.
#include "animation/AnimationFixture.h"
#include "skin/paint/AnimationPlayerWin32.h"
#include "skin/paint/GlowWin32.h"
#include "skin/paint/HideTimerWin32.h"
#include "skin/paint/ShowAnimationWin32.h"
#include "support/WinTestSupport.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <array>

namespace pp::test {
namespace {

std::array<long, 3> Counts()
{
    return {LiveHandleCount(THandleKind::Window), LiveHandleCount(THandleKind::DC),
            LiveHandleCount(THandleKind::Bitmap)};
}

TEST(AnimationHandles, StayFlatOverFadesGlowsAndWindowAnimations)
{
    auto form = ShownForm(300, 200, 100, 60);
    auto manager = MakeManager({.Glow = 1}, true);
    // The process-wide timers are made once; make them before counting.
    std::vector<int> hidden;
    AnimateWindowHide(
        {form->Handle(), TBitmap(100, 60), 24, atAero, 255, [&](int v) { hidden.push_back(v); }});
    ASSERT_TRUE(PumpMessagesUntil([&] { return !hidden.empty(); }));
    TFormShowRequest warmUp{form->Handle(), TBitmap(100, 60), 24};
    AnimateFormShow(std::move(warmUp));
    ASSERT_TRUE(PumpMessagesUntil([] { return RunningAnimations() == 0; }));
    PumpMessagesFor(20ms);
    const auto before = Counts();

    for (int round = 0; round < 3; ++round) {
        TAnimatedButton button(form.get(), *manager);
        button.SetLookNow({1, 2, 3, 255});
        button.Look = {200, 100, 50, 255};
        FadeOnStateChange(button.Fade, button, fdIn, false, true);
        ASSERT_TRUE(PumpMessagesUntil([&] { return button.Fade == nullptr; }));
        int glow = CreateGlow({300, 200, 320, 210}, {0, 0, 20, 10}, "BUTTON", *manager, form->Handle(), 255,
                              0);
        RemoveGlow(glow);
        AnimateWindowHide(
            {form->Handle(), TBitmap(100, 60), 36, atAero, 255, [&](int v) { hidden.push_back(v); }});
        AnimateFormShow({form->Handle(), TBitmap(100, 60), 36, 255, atAero});
        ASSERT_TRUE(PumpMessagesUntil([&] { return RunningAnimations() == 0 && !HideTimer()->Running(); }));
    }
    PumpMessagesFor(30ms);
    EXPECT_EQ(Counts(), before);
}

} // namespace
} // namespace pp::test
