// What a binding answers a child that asks for the background behind it,
// and what it gets from its own parent.
#include "BindingFixture.h"

#include "skin/paint/BackdropParentWin32.h"

namespace pp::test {
namespace {

BackdropRequest Ask(TControl* parent)
{
    BackdropRequest request;
    request.OffsetX = request.OffsetY = -99; // whatever the requester left there
    SendSkinCommand(parent, SkinMsgGetBackground, reinterpret_cast<LPARAM>(&request));
    return request;
}

TEST_F(BindingTest, CustomColourParentAnswersItsOwnColourAndNoImage)
{
    ShowForm();
    TSkinnedPanel* parent = Panel(form, "GRADIENT", {0, 0, 50, 40});
    parent->SkinData.ComposeItem(0);
    parent->SetColor(0x0000AA);
    parent->SkinData.SetCustomColor(true);
    const BackdropRequest answer = Ask(parent);
    EXPECT_EQ(answer.Kind, bkColor);
    EXPECT_EQ(answer.Color, 0x0000AAu);
    EXPECT_EQ(answer.Image, nullptr);
}

TEST_F(BindingTest, OpaqueBorderedContainerAnswersColourWithItsCacheAndBorderMargins)
{
    ShowForm();
    TSkinnedPanel* container = Panel(form, "PLAIN", {0, 0, 50, 40});
    container->SkinData.ComposeItem(0);
    const BackdropRequest answer = Ask(container);
    EXPECT_EQ(answer.Kind, bkColor);
    EXPECT_EQ(answer.Color, PlainColor);
    EXPECT_EQ(answer.Image, container->SkinData.CacheBitmap.get());
    EXPECT_EQ(answer.OffsetX, 0);
    EXPECT_EQ(answer.OffsetY, 0);
    const std::int32_t margins[4] = {BorderLeft, BorderTop, BorderRight, BorderBottom};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(answer.Margins[i], margins[i]) << "margin " << i;
}

TEST_F(BindingTest, OpaqueContainerWithoutBorderAnswersItsColourOnly)
{
    ShowForm();
    TSkinnedGraphic* container = Graphic(form, "BUTTON", {0, 0, 20, 20});
    const BackdropRequest answer = Ask(container);
    EXPECT_EQ(answer.Kind, bkColor);
    EXPECT_EQ(answer.Color, clWhite);
    EXPECT_EQ(answer.Image, nullptr);
}

TEST_F(BindingTest, GradientContainerIsNotReadyUntilItsCacheIsBuilt)
{
    ShowForm();
    TSkinnedPanel* container = Panel(form, "GRADIENT", {0, 0, 50, 40});
    container->SkinData.CacheBitmap->SetSize(0, 0);
    BackdropRequest answer = Ask(container);
    EXPECT_EQ(answer.Kind, bkNotReady);
    EXPECT_EQ(answer.Color, GlobalColor);

    container->SkinData.ComposeItem(0);
    answer = Ask(container);
    EXPECT_EQ(answer.Kind, bkImage);
    EXPECT_EQ(answer.Image, container->SkinData.CacheBitmap.get());
    EXPECT_EQ(answer.OffsetX, 0);
    EXPECT_EQ(answer.OffsetY, 0);
}

TEST_F(BindingTest, TransparentPanelTakingItsParentsBackgroundPassesRequestsOnWithItsPosition)
{
    ShowForm();
    TSkinnedPanel* container = Panel(form, "GRADIENT", {0, 0, 120, 100});
    container->SkinData.ComposeItem(0);
    TSkinnedPanel* panel = Panel(container, "CLEAR", {7, 5, 60, 50});
    panel->SkinData.PaintFlags |= pfParentBackground;
    const BackdropRequest answer = Ask(panel);
    EXPECT_EQ(answer.Kind, bkImage);
    EXPECT_EQ(answer.Image, container->SkinData.CacheBitmap.get());
    EXPECT_EQ(answer.OffsetX, 7);
    EXPECT_EQ(answer.OffsetY, 5);
}

TEST_F(BindingTest, HalfTransparentPanelWithoutCacheGivesNoColourAndWithAnEmptyOneIsNotReady)
{
    ShowForm();
    TSkinnedGraphic* half = Graphic(form, "HALF", {0, 0, 20, 20});
    half->SkinData.CacheBitmap.reset();
    BackdropRequest answer = Ask(half);
    EXPECT_EQ(answer.Kind, bkColor);
    EXPECT_EQ(answer.Color, clKeyColor);

    half->SkinData.FitCacheBitmap();
    half->SkinData.CacheBitmap->SetSize(0, 0);
    half->SkinData.PaintSuspended = false;
    answer = Ask(half);
    EXPECT_EQ(answer.Kind, bkNotReady);
    EXPECT_TRUE(half->SkinData.PaintSuspended);
}

TEST_F(BindingTest, EffectiveColourMixesTheParentAndTheSectionByTransparency)
{
    // 30 % white over black: nearest(0.3 * 255) = nearest(76.5) = 76 (halves to even).
    const TColor expected = 0x4C4C4C;
    TPlainPanel* parent = PlainPanel(form, {0, 0, 100, 100});
    parent->SetColor(clWhite);
    TSkinnedGraphic* half = Graphic(parent, "HALF", {0, 0, 20, 20});
    EXPECT_EQ(half->SkinData.EffectiveColor(0), expected);
    EXPECT_EQ(static_cast<TColor>(SendSkinCommand(half, SkinMsgGetColor)), expected);

    TSkinnedGraphic* clear = Graphic(parent, "CLEAR", {0, 0, 20, 20});
    EXPECT_EQ(clear->SkinData.EffectiveColor(0), clWhite) << "transparency 100: the parent's colour";
    TSkinnedGraphic* plain = Graphic(parent, "PLAIN", {0, 0, 20, 20});
    EXPECT_EQ(plain->SkinData.EffectiveColor(0), PlainColor);
}

TEST_F(BindingTest, EffectiveColourAsksASkinnedParentForItsColour)
{
    ShowForm(); // a windowed parent without a window is not asked
    TSkinnedPanel* parent = Panel(form, "PLAIN", {0, 0, 100, 100});
    TSkinnedGraphic* clear = Graphic(parent, "CLEAR", {0, 0, 20, 20});
    EXPECT_EQ(clear->SkinData.EffectiveColor(0), PlainColor);
    parent->SetColor(clRed); // the skinned parent's own colour does not count
    EXPECT_EQ(clear->SkinData.EffectiveColor(0), PlainColor);
}

TEST_F(BindingTest, ThreeLevelChainGivesTheButtonExactlyTheContainersPixels)
{
    ShowForm();
    TSkinnedPanel* container = Panel(form, "GRADIENT", {3, 4, 150, 120});
    TSkinnedPanel* panel = Panel(container, "CLEAR", {11, 9, 100, 80});
    panel->SkinData.PaintFlags |= pfParentBackground;
    TSkinnedPanel* windowed = Panel(panel, "CLEAR", {5, 6, 30, 20}, 93);
    TSkinnedGraphic* windowless = Graphic(panel, "CLEAR", {40, 30, 25, 15}, 93);
    container->SkinData.ComposeItem(0);
    // A picture in which every pixel differs from its neighbours, so that
    // any offset error shows.
    TBitmap& picture = *container->SkinData.CacheBitmap;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.Pixel32(x, y) = TBGRA{std::uint8_t(x * 7), std::uint8_t(y * 5), std::uint8_t(x + y),
                                          0xFF};

    for (TsCommonData* binding : {&windowed->SkinData, &windowless->SkinData}) {
        const TControl& button = *binding->HostControl;
        ASSERT_TRUE(binding->ComposeItem(0));
        const TBitmap& behind = *container->SkinData.CacheBitmap;
        const TBitmap& cache = *binding->CacheBitmap;
        ASSERT_EQ(cache.Size(), (TSize{button.Width(), button.Height()}));
        const int dx = 11 + button.Left(), dy = 9 + button.Top();
        int mismatches = 0;
        for (int y = 0; y < cache.Height(); ++y)
            for (int x = 0; x < cache.Width(); ++x)
                mismatches += PixelAt(cache, x, y) != PixelAt(behind, x + dx, y + dy);
        EXPECT_EQ(mismatches, 0) << button.ClassName();
    }
}

TEST_F(BindingTest, ParentBackdropOfATopLevelOwnerIsItsOwnColour)
{
    TSkinnedPanel lonely(nullptr, "PLAIN");
    lonely.SetBounds(0, 0, 10, 10);
    const BackdropInfo info = lonely.SkinData.ParentBackdrop();
    EXPECT_FALSE(info.HasImage);
    EXPECT_EQ(info.OffsetX, 0);
    EXPECT_EQ(info.BackColor, PlainColor);
}

TEST_F(BindingTest, NotReadyParentLeavesTheChildStaleWithNoBackdrop)
{
    ShowForm();
    TSkinnedPanel* container = Panel(form, "GRADIENT", {0, 0, 80, 60});
    container->SkinData.CacheBitmap->SetSize(0, 0);
    TSkinnedGraphic* child = Graphic(container, "CLEAR", {5, 5, 10, 10});
    const BackdropInfo info = child->SkinData.ParentBackdrop();
    EXPECT_FALSE(info.HasImage);
    EXPECT_EQ(info.BackColor, clKeyColor);
    child->SkinData.ComposeItem(0);
    EXPECT_TRUE(child->SkinData.BackgroundStale) << "composed again once the parent is ready";
}

BackdropRequest PaintNowRequest(const TPaintTarget& target, int offsetX, int offsetY)
{
    BackdropRequest request;
    request.TargetDC = target.DC();
    request.OffsetX = offsetX;
    request.OffsetY = offsetY;
    request.Area = {0, 0, 10, 10};
    return request;
}

TEST_F(BindingTest, UnansweredPaintNowRequestHasTheParentPaintItselfIntoTheTarget)
{
    TPlainPanel* parent = PlainPanel(form, {0, 0, 100, 100});
    parent->SetColor(0x00205080);
    ShowForm();
    TPaintTarget target;
    BackdropRequest request = PaintNowRequest(target, 5, 5);
    RequestParentBackdrop(request, parent, nullptr, true);
    EXPECT_EQ(request.Kind, bkNoAnswer);
    EXPECT_EQ(target.At(0, 0), 0x00205080u);
    EXPECT_EQ(target.At(9, 9), 0x00205080u);
    EXPECT_EQ(target.At(15, 15), clBlack) << "outside the area";
}

TEST_F(BindingTest, UnansweredRequestFallsBackToTheParentsColour)
{
    TPlainPanel* parent = PlainPanel(form, {0, 0, 100, 100});
    parent->SetColor(0x00205080);
    TSkinnedGraphic* child = Graphic(parent, "CLEAR", {12, 8, 20, 20});
    ShowForm();
    const BackdropInfo info = child->SkinData.ParentBackdrop();
    EXPECT_FALSE(info.HasImage);
    EXPECT_EQ(info.BackColor, 0x00205080u);
    EXPECT_EQ(info.OffsetX, 12);
    EXPECT_EQ(info.OffsetY, 8);
}

TEST_F(BindingTest, PaintNowAnswersPaintTheColourOrTheCacheIntoTheTarget)
{
    ShowForm();
    TSkinnedGraphic* opaque = Graphic(form, "BUTTON", {0, 0, 30, 30});
    TPaintTarget colourTarget;
    BackdropRequest request = PaintNowRequest(colourTarget, 0, 0);
    request.PaintNow = 1;
    SendSkinCommand(opaque, SkinMsgGetBackground, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.Kind, bkColor);
    EXPECT_EQ(colourTarget.At(5, 5), clWhite);
    EXPECT_EQ(colourTarget.At(15, 15), clBlack);

    TSkinnedPanel* gradient = Panel(form, "GRADIENT", {40, 0, 40, 40});
    gradient->SkinData.ComposeItem(0);
    TBitmap& cache = *gradient->SkinData.CacheBitmap;
    cache.Pixel32(7, 6) = TBGRA{0x11, 0x22, 0x33, 0xFF};
    TPaintTarget imageTarget;
    request = PaintNowRequest(imageTarget, 5, 4);
    request.PaintNow = 1;
    SendSkinCommand(gradient, SkinMsgGetBackground, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.Kind, bkImage);
    EXPECT_EQ(request.Image, nullptr) << "painted, not described";
    EXPECT_EQ(imageTarget.At(2, 2), 0x00112233u) << "cache pixel (7, 6) lands at (7 - 5, 6 - 4)";
}

} // namespace
} // namespace pp::test
