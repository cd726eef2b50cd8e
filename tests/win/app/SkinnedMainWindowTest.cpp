// The main window skinned the way the program starts it: the skin
// broadcast installed before the window is built (its skin manager
// announces the skin while the description is read), then a provider made
// on the fly. The controls that paint themselves must come out of that
// announcement bound to their sections and show the skin's art on screen,
// not the platform's look.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/controls/sBitBtnWin32.h"
#include "skin/controls/sGaugeWin32.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinAnnouncerWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/pixels/PixelMath.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

class SkinnedMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        port::InitializePort("sim", "");
        InstallSkinBroadcast();
        Screen->OnFormWindowCreated = [](TCustomForm& created) { AttachSkinProvider(created); };
        form = new TForm1(Application);
        // The refresh tick would move the gauge with the port's byte.
        form->Timer1->SetEnabled(false);
        provider = AttachSkinProvider(*form);
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        delete form;
        Screen->OnFormWindowCreated = nullptr;
        SkinAnnouncer = {};
        port::ShutdownPort();
    }
    // What the form's window shows at a point of one of its controls.
    COLORREF OnScreen(const TControl& control, int x, int y) const
    {
        const TWindowDCHandle dc(form->HandleValue());
        return GetPixel(dc.Get(), control.Left() + x, control.Top() + y);
    }
    static COLORREF AsColorRef(TBGRA pixel) { return RGB(pixel.R, pixel.G, pixel.B); }

    TForm1* form = nullptr;
    TsSkinProvider* provider = nullptr;
};

TEST_F(SkinnedMainWindow, TheProviderSkinsTheFormAndItsPushButtons)
{
    ASSERT_NE(provider, nullptr);
    EXPECT_TRUE(provider->SkinData().IsSkinned());
    ASSERT_NE(provider->Adapter(), nullptr);
    EXPECT_TRUE(form->sSkinManager1->SkinData().Active);
}

TEST_F(SkinnedMainWindow, TheGaugeShowsTheSkinsGauge)
{
    TsGauge& gauge = *form->sGauge1;
    gauge.LightTimer().SetEnabled(false);
    gauge.SetAnimated(false);
    gauge.SetProgress(72);
    Application->ProcessMessages();
    ASSERT_TRUE(gauge.SkinData.IsSkinned());
    EXPECT_EQ(gauge.SkinData.SkinSection(), "GAUGE");
    ASSERT_TRUE(gauge.SkinData.CacheBitmap);
    ASSERT_EQ(gauge.SkinData.CacheBitmap->Size(), (TSize{25, 25}));
    // The filled part and the empty part, as the cache composed them from
    // the skin, are what the window shows.
    for (const TPoint at : {TPoint{6, 12}, TPoint{22, 12}, TPoint{12, 3}}) {
        const COLORREF cached = AsColorRef(gauge.SkinData.CacheBitmap->Pixel32(at.X, at.Y));
        EXPECT_EQ(OnScreen(gauge, at.X, at.Y), cached) << at.X << "," << at.Y;
        EXPECT_NE(cached, RGB(0, 0, 0)) << at.X << "," << at.Y;
    }
}

TEST_F(SkinnedMainWindow, TheBitmapButtonsShowTheSkinsButton)
{
    for (TsBitBtn* button : {form->sBitBtn1, form->sBitBtn2}) {
        SCOPED_TRACE(button->Name());
        RedrawWindow(button->HandleValue(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Application->ProcessMessages();
        ASSERT_TRUE(button->PaintsSkinned());
        EXPECT_EQ(button->SkinData.SkinSection(), "BUTTON");
        ASSERT_TRUE(button->SkinData.CacheBitmap);
        // The border's top edge, away from the caption and glyph.
        const TBGRA edge = button->SkinData.CacheBitmap->Pixel32(button->Width() / 2, 1);
        const TWindowDCHandle dc(button->HandleValue());
        EXPECT_EQ(GetPixel(dc.Get(), button->Width() / 2, 1), AsColorRef(edge));
        EXPECT_NE(AsColorRef(edge), ColorToRGB(clBtnFace));
    }
}

// A form with a provider answers "skinned" and so is passed by in the walk
// over the application's forms; the announcements must still reach it and
// its controls through the provider's registration.
TEST_F(SkinnedMainWindow, LaterAnnouncementsReachTheProvidersForm)
{
    TsGauge& gauge = *form->sGauge1;
    gauge.LightTimer().SetEnabled(false);
    ASSERT_TRUE(gauge.SkinData.IsSkinned());
    form->sSkinManager1->SetActive(false);
    Application->ProcessMessages();
    EXPECT_FALSE(provider->SkinData().IsSkinned());
    EXPECT_EQ(gauge.SkinData.SectionIndex, -1);
    EXPECT_EQ(form->sBitBtn1->SkinData.SectionIndex, -1);
    form->sSkinManager1->SetActive(true);
    Application->ProcessMessages();
    EXPECT_TRUE(provider->SkinData().IsSkinned());
    EXPECT_TRUE(gauge.SkinData.IsSkinned());
    EXPECT_TRUE(form->sBitBtn1->SkinData.IsSkinned());
}

// A hue change while the program runs reaches the gauge's pixels, and
// turning it back gives exactly the look the skin was loaded with.
TEST_F(SkinnedMainWindow, HueOffsetTurnsTheGaugeAndZeroRestoresIt)
{
    TsGauge& gauge = *form->sGauge1;
    gauge.LightTimer().SetEnabled(false);
    gauge.SetAnimated(false);
    gauge.SetProgress(64);
    const auto cachedLook = [&] {
        RedrawWindow(form->HandleValue(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Application->ProcessMessages();
        return *gauge.SkinData.CacheBitmap;
    };
    ASSERT_TRUE(gauge.SkinData.CacheBitmap);
    const TBitmap loaded = cachedLook();
    form->sSkinManager1->SetHueOffset(120);
    const TBitmap turned = cachedLook();
    int changed = 0;
    for (int y = 0; y < loaded.Height(); ++y)
        for (int x = 0; x < loaded.Width(); ++x)
            changed += AsColorRef(loaded.Pixel32(x, y)) != AsColorRef(turned.Pixel32(x, y));
    EXPECT_GT(changed, loaded.Width() * loaded.Height() / 2);
    form->sSkinManager1->SetHueOffset(0);
    const TBitmap back = cachedLook();
    for (int y = 0; y < loaded.Height(); ++y)
        for (int x = 0; x < loaded.Width(); ++x)
            ASSERT_EQ(AsColorRef(back.Pixel32(x, y)), AsColorRef(loaded.Pixel32(x, y))) << x << "," << y;
}

} // namespace
} // namespace pp::test
