// Painting through the binding's cache: composed once, copied as often as
// the window needs it, and no handle left behind.
#include "BindingFixture.h"

#include "toolkit/Application.h"
#include "win/Handles.h"

namespace pp::test {
namespace {

constexpr THandleKind CountedKinds[] = {THandleKind::DC, THandleKind::Bitmap, THandleKind::Brush,
                                        THandleKind::Region};

TEST_F(BindingTest, PaintingTwiceWithNothingChangedComposesOnce)
{
    TSkinnedPanel* windowed = Panel(form, "PLAIN", {10, 10, 40, 30});
    TSkinnedGraphic* windowless = Graphic(form, "PLAIN", {60, 10, 40, 30});
    ShowForm();
    for (auto [control, compositions] : {std::pair<TControl*, int*>{windowed, &windowed->Compositions},
                                         std::pair<TControl*, int*>{windowless, &windowless->Compositions}}) {
        SCOPED_TRACE(control->ClassName());
        *compositions = 0;
        control->Repaint();
        EXPECT_EQ(*compositions, 0) << "the first paint already composed it";
        SendSkinCommand(control, SkinMsgMarkStale);
        control->Repaint();
        control->Repaint();
        EXPECT_EQ(*compositions, 1);
        control->SetBounds(control->Left(), control->Top(), 45, 30);
        control->Repaint();
        EXPECT_EQ(*compositions, 2) << "a new size composes again";
    }
}

TEST_F(BindingTest, CacheReachesTheScreen)
{
    TSkinnedPanel* windowed = Panel(form, "BUTTON", {10, 10, 40, 30});
    ShowForm();
    windowed->Repaint();
    const TWindowDCHandle dc(windowed->Handle());
    // The middle of a plain white section with no border.
    EXPECT_EQ(GetPixel(dc.Get(), 20, 15) & 0xFFFFFF, clWhite);
}

TEST_F(BindingTest, CopyLeavesOutWindowlessChildren)
{
    TSkinnedPanel* container = Panel(form, "BUTTON", {0, 0, 60, 40});
    TSkinnedGraphic* child = Graphic(container, "PLAIN", {10, 10, 20, 20});
    ShowForm();
    container->SkinData.ComposeItem(0);
    child->SkinData.ComposeItem(0);
    TBitmap target(60, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            target.Pixel32(x, y) = TBGRA{0, 0, 0, 0xFF};
    const TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    const TSelectObject selected(dc.Get(), static_cast<HGDIOBJ>(target.NativeHandle()));
    CopyCacheToWindow(*container, container->SkinData, {0, 0, 60, 40}, 0, 0, false, dc.Get(), {0, 0, 60, 40});
    GdiFlush();
    EXPECT_EQ(PixelAt(target, 5, 5), clWhite);
    EXPECT_EQ(PixelAt(target, 15, 15), clBlack) << "the child's rectangle is left for the child";
    EXPECT_EQ(PixelAt(target, 35, 35), clWhite);
}

TEST_F(BindingTest, CornerRefreshLetsTheParentsNewColourShowThroughTheBordersKeyCorners)
{
    TPlainPanel* parent = PlainPanel(form, {0, 0, 100, 100});
    parent->SetColor(0x00010101);
    TSkinnedGraphic* rounded = Graphic(parent, "ROUNDED", {10, 10, 20, 16});
    ShowForm();
    rounded->SkinData.ComposeItem(0);
    const TBitmap& cache = *rounded->SkinData.CacheBitmap;
    const TColor inside = PixelAt(cache, 1, 1);
    parent->SetColor(0x00204060);

    TPaintTarget target;
    CopyCacheToWindow(*rounded, rounded->SkinData, {0, 0, 20, 16}, 0, 0, true, target.DC(), {0, 0, 20, 16});
    for (const auto [x, y] : {std::pair{0, 0}, std::pair{19, 0}, std::pair{0, 15}, std::pair{19, 15}}) {
        EXPECT_EQ(PixelAt(cache, x, y), 0x00204060u) << x << "," << y;
        EXPECT_EQ(target.At(x, y), 0x00204060u) << x << "," << y;
    }
    EXPECT_EQ(PixelAt(cache, 1, 1), inside) << "only key pixels change";
    EXPECT_EQ(PixelAt(cache, 1, 0), 0x00808080u);
}

TEST_F(BindingTest, PaintingAndSkinChangesKeepHandleCountsFlat)
{
    TSkinnedPanel* windowed = Panel(form, "PLAIN", {10, 10, 40, 30});
    TSkinnedGraphic* windowless = Graphic(form, "GRADIENT", {60, 10, 40, 30});
    ShowForm();
    const auto round = [&] {
        const LPARAM skins = reinterpret_cast<LPARAM>(manager.get());
        SendSkinCommand(windowed, SkinMsgRemoveSkin, skins);
        SendSkinCommand(windowed, SkinMsgSetSkin, skins);
        SendSkinCommand(windowed, SkinMsgRefresh, skins);
        SendSkinCommand(windowless, SkinMsgDropCache);
        windowed->Repaint();
        windowless->Repaint();
        Application->ProcessMessages();
    };
    round();
    long before[std::size(CountedKinds)];
    for (std::size_t i = 0; i < std::size(CountedKinds); ++i)
        before[i] = LiveHandleCount(CountedKinds[i]);
    for (int i = 0; i < 5; ++i)
        round();
    for (std::size_t i = 0; i < std::size(CountedKinds); ++i)
        EXPECT_EQ(LiveHandleCount(CountedKinds[i]), before[i]) << HandleKindName(CountedKinds[i]);
}

} // namespace
} // namespace pp::test
