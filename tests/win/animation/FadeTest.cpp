// A button's fade: its frames, how it ends (finished, on a disabled
// control, at the end of a session) and when it does not start.
#include "animation/AnimationFixture.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/paint/AnimationState.h"
#include "skin/paint/FadeTimerWin32.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// Old look blue 200, green 100, red 0; new look 100, 200, 255.
constexpr TBGRA OldLook{200, 100, 0, 255};
constexpr TBGRA NewLook{100, 200, 255, 255};

class FadeTest : public testing::Test {
protected:
    void SetUp() override
    {
        form_ = ShownForm(0, 0, 100, 60);
        manager_ = MakeManager(values_, false);
        button_ = std::make_unique<TAnimatedButton>(form_.get(), *manager_);
        button_->SetLookNow(OldLook);
    }
    void TearDown() override
    {
        button_.reset();
        EXPECT_EQ(LiveFadeTimers(), 0);
        AnimationState.ShutdownPending = false;
    }
    // The look changes (the mouse came in) and the fade starts.
    void FadeToNewLook(bool halve = false)
    {
        button_->Look = NewLook;
        FadeOnStateChange(button_->Fade, *button_, fdIn, halve, true);
    }
    bool FadeGone() const { return button_->Fade == nullptr; }

    TSectionValues values_;
    std::unique_ptr<TForm> form_;
    std::unique_ptr<TsSkinManager> manager_;
    std::unique_ptr<TAnimatedButton> button_;
};

// Blue: ((255 - b) * (200 - 100) + 100 * 256) >> 8 for b = 51, 102, 153,
// 204, 255: 46000 >> 8 = 179, 40900 >> 8 = 159, 35800 >> 8 = 139,
// 30700 >> 8 = 119, 25600 >> 8 = 100. Red from 0 to 255:
// ((255 - b) * -255 + 255 * 256) >> 8: 13260 >> 8 = 51, 26265 >> 8 = 102,
// 39270 >> 8 = 153, 52275 >> 8 = 204, 65280 >> 8 = 255.
TEST_F(FadeTest, FiveIterationsOfferFiveBlendsEndingInTheNewLook)
{
    FadeToNewLook();
    ASSERT_TRUE(button_->Fade);
    ASSERT_TRUE(PumpMessagesUntil([&] { return FadeGone(); }));

    ASSERT_EQ(button_->Frames.size(), 5u);
    const int blue[] = {179, 159, 139, 119, 100};
    const int red[] = {51, 102, 153, 204, 255};
    for (std::size_t i = 0; i < 5; ++i) {
        const TBitmap& frame = button_->Frames[i];
        ASSERT_EQ(frame.Size(), (TSize{4, 2}));
        EXPECT_EQ(frame.Pixel32(0, 0).B, blue[i]) << "frame " << i;
        EXPECT_EQ(frame.Pixel32(3, 1).R, red[i]) << "frame " << i;
    }
    EXPECT_EQ(button_->StopFadingCount, 1);
}

TEST_F(FadeTest, PressAndReleaseFadeInHalfTheIterations)
{
    FadeToNewLook(true);
    ASSERT_TRUE(PumpMessagesUntil([&] { return FadeGone(); }));
    // 5 / 2 = 2 frames: b = 127 and 255.
    ASSERT_EQ(button_->Frames.size(), 2u);
    EXPECT_EQ(button_->Frames[1].Pixel32(0, 0).B, 100);
}

TEST_F(FadeTest, FadeOnADisabledControlEndsAtOnceWithARepaint)
{
    FadeToNewLook();
    button_->SetEnabled(false);
    ASSERT_TRUE(PumpMessagesUntil([&] { return FadeGone(); }));
    EXPECT_TRUE(button_->Frames.empty());
    EXPECT_GE(button_->Invalidations, 1);
    EXPECT_EQ(button_->StopFadingCount, 1);
}

TEST_F(FadeTest, AControlThatIgnoresStopFadingStillLosesItsTimer)
{
    button_->IgnoresStopFading = true;
    FadeToNewLook();
    ASSERT_TRUE(PumpMessagesUntil([&] { return FadeGone(); }));
    EXPECT_EQ(button_->StopFadingCount, 1);
    EXPECT_EQ(LiveFadeTimers(), 0);
}

struct TNoFadeCase {
    const char* Name;
    bool Wanted;
    bool SectionFades;
    bool CacheStale;
    bool SkinLoading;
};

class NoFadeTest : public FadeTest, public testing::WithParamInterface<TNoFadeCase> { };

TEST_P(NoFadeTest, RepaintsAtOnceInstead)
{
    const TNoFadeCase& c = GetParam();
    manager_->Skin().SectionAt(0).FadingEnabled = c.SectionFades;
    button_->SetBackgroundStale(c.CacheStale);
    const TFlagScope loading(SkinEngine.SkinLoading, c.SkinLoading);
    const int repaintsBefore = button_->Repaints;
    button_->Look = NewLook;
    FadeOnStateChange(button_->Fade, *button_, fdIn, false, c.Wanted);
    EXPECT_TRUE(FadeGone());
    EXPECT_TRUE(button_->BackgroundStale());
    EXPECT_GT(button_->Repaints, repaintsBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoFadeTest,
                         testing::Values(TNoFadeCase{"NotWanted", false, true, false, false},
                                         TNoFadeCase{"SectionDoesNotFade", true, false, false, false},
                                         TNoFadeCase{"CacheStale", true, true, true, false},
                                         TNoFadeCase{"SkinLoading", true, true, false, true}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(FadeTest, SessionEndAskedOfASkinnedFormIsAnsweredOnceTheFadesEnded)
{
    new TsSkinProvider(form_.get());
    FadeToNewLook();
    ASSERT_EQ(LiveFadeTimers(), 1);

    const LRESULT answer = SendMessageW(form_->HandleValue(), WM_QUERYENDSESSION, 0, 0);

    EXPECT_EQ(answer, TRUE) << "the session may end";
    EXPECT_EQ(LiveFadeTimers(), 0);
    EXPECT_TRUE(AnimationState.ShutdownPending);
}

TEST_F(FadeTest, SessionEndWhileFadesRunEndsThemAll)
{
    TAnimatedButton second(form_.get(), *manager_);
    second.SetLookNow(OldLook);
    FadeToNewLook();
    second.Look = NewLook;
    FadeOnStateChange(second.Fade, second, fdIn, false, true);
    // A third timer stands disabled: a fade started without a direction.
    TAnimatedButton third(form_.get(), *manager_);
    StartFade(third.Fade, third, false, fdNone);
    ASSERT_EQ(LiveFadeTimers(), 3);

    EndFadesForSessionEnd();

    EXPECT_EQ(LiveFadeTimers(), 0);
    EXPECT_TRUE(button_->Frames.empty());
    EXPECT_TRUE(second.Frames.empty());
    // And no new fade starts meanwhile.
    FadeOnStateChange(button_->Fade, *button_, fdOut, false, true);
    EXPECT_TRUE(FadeGone());
}

TEST_F(FadeTest, AFadeReversedMidwayRunsBackOnTheSameTimer)
{
    FadeToNewLook();
    ASSERT_TRUE(PumpMessagesUntil([&] { return !button_->Frames.empty(); }));
    TsFadeTimer* timer = button_->Fade;
    // The mouse leaves during the fade: the same timer runs the other way,
    // from the look the cache shows now, all five frames.
    const std::size_t framesBefore = button_->Frames.size();
    button_->Look = OldLook;
    FadeOnStateChange(button_->Fade, *button_, fdOut, false, true);
    EXPECT_EQ(button_->Fade, timer);
    ASSERT_TRUE(PumpMessagesUntil([&] { return FadeGone(); }));
    EXPECT_EQ(button_->Frames.size(), framesBefore + 5);
    EXPECT_EQ(button_->Frames.back().Pixel32(0, 0).B, OldLook.B);
    EXPECT_EQ(button_->StopFadingCount, 1);
}

} // namespace
} // namespace pp::test
