// Fades and glows through a real control skin binding: the binding's mouse
// enter and leave start and remove the glow, and a fade runs on the
// binding's cache.
#include "animation/AnimationFixture.h"
#include "skin/paint/BindingAnimationWin32.h"
#include "skin/paint/GlowWin32.h"
#include "skin/paint/SkinBindingWin32.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// A control of a kind that glows, bound to "BUTTON", that takes the fade's
// frames and stops its fade when told.
class TBoundControl : public TWinControl {
public:
    TBoundControl(TWinControl* parent, TsSkinManager& manager) : TWinControl(nullptr)
    {
        SkinData.ControlKind = 0;
        SkinData.SetSkinManager(&manager);
        SkinData.SetSkinSection("BUTTON");
        SetParent(parent);
        SetBounds(30, 20, 20, 10);
        HandleNeeded();
    }
    ~TBoundControl() override { StopFade(Fade); }

    void WndProc(TMessage& message) override
    {
        if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SkinMsgFadeFrame) {
            Frames.push_back(*reinterpret_cast<const TBitmap*>(message.LParam));
            message.Result = 1;
            return;
        }
        if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SkinMsgStopFading) {
            StopFade(Fade);
            return;
        }
        if (!SkinData.HandleControlMessage(message))
            TWinControl::WndProc(message);
    }

    TsCtrlSkinData SkinData{this, true};
    TsBindingAnimation Animation{SkinData};
    TsFadeTimer* Fade = nullptr;
    std::vector<TBitmap> Frames;
};

constexpr int FormLeft = 240, FormTop = 160;

TEST(BindingConnection, MouseEnterAndLeaveStartAndRemoveTheGlow)
{
    TLayeredRecorder layered;
    auto form = ShownForm(FormLeft, FormTop, 100, 60);
    auto manager = MakeManager({.Glow = 1}, true);
    TBoundControl control(form.get(), *manager);
    ASSERT_TRUE(control.SkinData.IsSkinned());
    SetCursorPos(FormLeft + 35, FormTop + 25);

    control.Perform(CM_MOUSEENTER);
    ASSERT_GE(control.SkinData.GlowHandle, 0);
    ASSERT_EQ(layered.Pushes.size(), 1u);
    EXPECT_EQ(layered.Pushes[0].Size, (TSize{22, 12}));

    control.Perform(CM_MOUSELEAVE);
    EXPECT_EQ(control.SkinData.GlowHandle, -1);
    EXPECT_TRUE(TacGlowEffects().empty());
    PumpMessagesFor(20ms);
}

TEST(BindingConnection, AFadeEndsInTheLookTheBindingComposes)
{
    auto form = ShownForm(FormLeft, FormTop, 100, 60);
    auto manager = MakeManager({}, false);
    TBoundControl control(form.get(), *manager);
    ASSERT_TRUE(control.SkinData.ComposeItem(0));
    // The look the fade starts from: something the section never paints.
    control.SkinData.CacheBitmap->Fill(TBGRA{1, 2, 3, 255});
    control.SkinData.BackgroundStale = false;

    FadeOnStateChange(control.Fade, control.Animation, fdIn, false, true);
    ASSERT_TRUE(PumpMessagesUntil([&] { return control.Fade == nullptr; }));

    ASSERT_EQ(control.Frames.size(), 5u);
    const TBitmap& cache = *control.SkinData.CacheBitmap;
    const TBitmap& last = control.Frames.back();
    ASSERT_EQ(last.Size(), cache.Size());
    EXPECT_EQ(last.PixelColor(5, 5), cache.PixelColor(5, 5));
    EXPECT_NE(control.Frames.front().PixelColor(5, 5), cache.PixelColor(5, 5));
}

} // namespace
} // namespace pp::test
