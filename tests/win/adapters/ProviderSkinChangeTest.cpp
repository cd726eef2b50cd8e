// The provider when the skin changes under a shown form: removed at run
// time, the form gets the platform's frame back; changed with animation,
// the form is frozen while it takes the new skin and shown whole after.
#include "AdapterFixture.h"

#include "skin/paint/AnimationPlayerWin32.h"
#include "skin/paint/AnimationState.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"

#include "toolkit/MessageWatch.h"

namespace pp::test {
namespace {

LONG StyleOf(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

// The middle of the platform's close button of a captioned, framed window.
POINT CloseButtonPoint(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    const int frame = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    return {r.right - frame - GetSystemMetrics(SM_CXSIZE) / 2,
            r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
}

TEST_F(AdapterTest, RemovingTheSkinAtRunTimeLeavesTheFormAPlatformFrame)
{
    ASSERT_NE(Skin(), nullptr);
    const HWND window = form->Handle();
    ASSERT_EQ(StyleOf(window) & WS_SYSMENU, 0) << "the skin draws the caption buttons";

    SendSkinCommand(form, SkinMsgRemoveSkin, reinterpret_cast<LPARAM>(manager.get()));
    Application->ProcessMessages();
    EXPECT_NE(StyleOf(window) & WS_SYSMENU, 0);
    EXPECT_EQ(GetWindowRgn(window, CreateRectRgn(0, 0, 0, 0)), ERROR) << "no region left";
    EXPECT_EQ(provider->SkinData().CacheBitmap, nullptr) << "no frame image kept";
    const POINT close = CloseButtonPoint(window);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
    // Painting the frame is the platform's again.
    const int rebuilds = provider->Frame().Rebuilds;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(provider->Frame().Rebuilds, rebuilds);
    // The provider still answers for the form.
    EXPECT_EQ(SendSkinCommand(form, SkinMsgIsSkinned), 1);
    EXPECT_EQ(SendSkinCommand(form, SkinMsgGetProvider), reinterpret_cast<LRESULT>(provider));
}

TEST_F(AdapterTest, AnimatedRefreshFreezesTheFormAndShowsItWholeAfterwards)
{
    for (const bool blend : {false, true}) {
        ASSERT_TRUE(provider || Skin());
        manager->AnimEffects.SkinChanging.Active = blend;
        const HWND window = form->Handle();
        bool frozenWhileRefreshed = false;
        int refreshes = 0;
        {
            TMessageWatch watch(*form, [&](const TMessage& m) {
                if (m.Msg == SM_SKINCOMMAND && SkinCommandOf(m.WParam) == SkinMsgRefresh) {
                    ++refreshes;
                    // WM_SETREDRAW false takes the visible bit without hiding.
                    frozenWhileRefreshed = (StyleOf(window) & WS_VISIBLE) == 0;
                }
            });
            const int rebuilds = provider->Frame().Rebuilds;
            manager->BroadcastRefresh(true);
            EXPECT_EQ(refreshes, 1);
            EXPECT_TRUE(frozenWhileRefreshed) << "blend " << blend;
            EXPECT_NE(StyleOf(window) & WS_VISIBLE, 0) << "thawed after";
            EXPECT_EQ(provider->StateBits & ProviderFrozen, 0u);
            EXPECT_FALSE(provider->Animating);
            if (!blend) {
                EXPECT_EQ(RunningAnimations(), 0) << "no blend";
                EXPECT_FALSE(AnimationState.FormAnimation);
            }
            ASSERT_TRUE(PumpMessagesUntil([] { return RunningAnimations() == 0; }));
            Application->ProcessMessages();
            EXPECT_FALSE(AnimationState.FormAnimation);
            EXPECT_GT(provider->Frame().Rebuilds, rebuilds) << "the frame is redrawn, blend " << blend;
        }
    }
}

TEST_F(AdapterTest, FormThatTakesNoPartInTheSkinChangeIsNotFrozen)
{
    ASSERT_NE(Skin(), nullptr);
    form->Hide();
    bool frozen = false;
    TMessageWatch watch(*form, [&](const TMessage& m) {
        if (m.Msg == WM_SETREDRAW && m.WParam == FALSE)
            frozen = true;
    });
    manager->BroadcastRefresh(true);
    EXPECT_FALSE(frozen);
    EXPECT_EQ(provider->StateBits & ProviderFrozen, 0u);
}

} // namespace
} // namespace pp::test
