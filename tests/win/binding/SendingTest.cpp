// Sending and broadcasting the skin command message, and the questions
// built on it.
#include "BindingFixture.h"

#include "toolkit/Button.h"

namespace pp::test {
namespace {

TEST_F(BindingTest, NothingIsSentToAControlWithoutAWindowOrBeingDestroyed)
{
    TSkinnedPanel* noWindow = Panel(form, "PLAIN", {0, 0, 10, 10}); // the form has no window yet
    EXPECT_FALSE(noWindow->HandleAllocated());
    EXPECT_EQ(QuerySkinCommand(noWindow, SkinMsgIsSkinned), 0);
    EXPECT_FALSE(noWindow->HandleAllocated()) << "asking does not make the window";
    EXPECT_TRUE(noWindow->Received.Commands.empty());

    ShowForm();
    EXPECT_EQ(QuerySkinCommand(noWindow, SkinMsgIsSkinned), 1);
    noWindow->Destroying();
    EXPECT_EQ(QuerySkinCommand(noWindow, SkinMsgIsSkinned), 0);
    EXPECT_EQ(QuerySkinCommand(nullptr, SkinMsgIsSkinned), 0);
    EXPECT_EQ(SendSkinCommandToWindow(nullptr, SkinMsgIsSkinned), 0);
}

TEST_F(BindingTest, BroadcastPassesAnUnskinnedPanelByAndReachesWhatIsInside)
{
    TPlainPanel* plain = PlainPanel(form, {0, 0, 100, 100});
    TSkinnedPanel* inner = Panel(plain, "PLAIN", {5, 5, 20, 20});
    TSkinnedGraphic* innerGraphic = Graphic(plain, "PLAIN", {30, 5, 20, 20});
    TSkinnedPanel* direct = Panel(form, "PLAIN", {120, 5, 20, 20});
    ShowForm();
    for (TSkinnedPanel* p : {inner, direct})
        p->Received.Commands.clear();
    plain->Received.Commands.clear();

    BroadcastToControls(*form, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgMarkStale), 0);
    EXPECT_EQ(plain->Received.Count(SkinMsgMarkStale), 0);
    EXPECT_EQ(inner->Received.Count(SkinMsgMarkStale), 1);
    EXPECT_EQ(innerGraphic->Received.Count(SkinMsgMarkStale), 1);
    EXPECT_EQ(direct->Received.Count(SkinMsgMarkStale), 1);

    inner->Received.Commands.clear();
    BroadcastToControls(*form, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgMarkStale), 0,
                        [](TWinControl&) { return true; });
    EXPECT_EQ(inner->Received.Count(SkinMsgMarkStale), 0) << "the skip test keeps it out";
}

TEST_F(BindingTest, ChildWindowsAndRepaintAfterUpdateReachDirectChildren)
{
    TPlainPanel* plain = PlainPanel(form, {0, 0, 100, 100});
    TSkinnedPanel* grandchild = Panel(plain, "PLAIN", {5, 5, 20, 20});
    TSkinnedPanel* child = Panel(form, "PLAIN", {120, 5, 20, 20});
    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {150, 5, 20, 20});
    ShowForm();

    BroadcastToChildWindows(form->Handle(), SM_SKINCOMMAND, SkinCommandWParam(SkinMsgMarkStale), 0);
    EXPECT_EQ(plain->Received.Count(SkinMsgMarkStale), 1);
    EXPECT_EQ(child->Received.Count(SkinMsgMarkStale), 1);
    EXPECT_EQ(grandchild->Received.Count(SkinMsgMarkStale), 0);

    ChildrenRepaintAfterUpdate(*form);
    EXPECT_EQ(child->Received.Count(SkinMsgRepaintAfterUpdate), 1);
    EXPECT_EQ(graphic->Received.Count(SkinMsgRepaintAfterUpdate), 1);
    EXPECT_EQ(grandchild->Received.Count(SkinMsgRepaintAfterUpdate), 0);

    WindowChildrenRepaintAfterUpdate(form->Handle());
    EXPECT_EQ(child->Received.Count(SkinMsgRepaintAfterUpdate), 2);
    EXPECT_EQ(graphic->Received.Count(SkinMsgRepaintAfterUpdate), 1) << "no window, not reached";
}

TEST_F(BindingTest, BackgroundColoursOfControlsAndWindows)
{
    TPlainPanel* plain = PlainPanel(form, {0, 0, 100, 100});
    plain->SetColor(0x00ABCDEF);
    TSkinnedPanel* skinned = Panel(form, "PLAIN", {120, 5, 20, 20});
    skinned->SetColor(clRed);
    ShowForm();
    EXPECT_EQ(ControlBackgroundColor(nullptr), clKeyColor);
    EXPECT_EQ(ControlBackgroundColor(plain), 0x00ABCDEFu);
    EXPECT_EQ(ControlBackgroundColor(skinned), PlainColor) << "a skinned control shows its section";
    EXPECT_EQ(WindowBackgroundColor(nullptr), clKeyColor);
    EXPECT_EQ(WindowBackgroundColor(skinned->Handle()), PlainColor);
    EXPECT_EQ(WindowBackgroundColor(plain->Handle()), clKeyColor) << "no answer is no colour, not black";
}

TEST_F(BindingTest, CanPaintNowNeedsAParentAWindowAndNoLoading)
{
    TSkinnedPanel* panel = Panel(form, "PLAIN", {0, 0, 10, 10});
    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {0, 0, 10, 10});
    TSkinnedGraphic orphan(nullptr, "PLAIN");
    EXPECT_FALSE(CanPaintNow(nullptr));
    EXPECT_FALSE(CanPaintNow(&orphan)) << "no parent";
    EXPECT_FALSE(CanPaintNow(panel)) << "no window yet";
    EXPECT_TRUE(CanPaintNow(graphic));
    ShowForm();
    EXPECT_TRUE(CanPaintNow(panel));
    graphic->BeginLoading();
    EXPECT_FALSE(CanPaintNow(graphic));
    graphic->Loaded();
    graphic->ControlState |= csReadingState;
    EXPECT_FALSE(CanPaintNow(graphic));
}

} // namespace
} // namespace pp::test
