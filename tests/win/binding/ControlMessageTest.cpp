// How a binding reacts to the ordinary messages of its control.
#include "BindingFixture.h"

#include "support/WinTestSupport.h"

namespace pp::test {
namespace {

TEST_F(BindingTest, MouseEnterAndLeaveTurnAColourKindHotAndBack)
{
    TSkinnedPanel* edit = Panel(form, "HOTEDIT", {0, 0, 40, 20}, 5);
    ShowForm();
    edit->SkinData.ApplySkinColors(false);
    edit->SkinData.BackgroundStale = false;

    edit->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(edit->SkinData.MouseInside);
    EXPECT_TRUE(edit->SkinData.IsHot());
    EXPECT_TRUE(edit->SkinData.BackgroundStale);
    EXPECT_EQ(edit->Color(), EditHotColor);
    EXPECT_EQ(edit->Font().Color(), EditHotFontColor);

    edit->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(edit->SkinData.MouseInside);
    EXPECT_EQ(edit->Color(), EditColor);
    EXPECT_EQ(edit->Font().Color(), EditFontColor);
}

TEST_F(BindingTest, HoverBlindKindsNeverTurnHotUnderTheMouse)
{
    struct Case {
        TControlKind kind;
        bool hot;
    };
    const Case cases[] = {{51, false}, {161, false}, {19, false}, {93, true}, {5, true}, {0, true}};
    ShowForm();
    for (const Case& c : cases) {
        TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {0, 0, 10, 10}, c.kind);
        graphic->Perform(CM_MOUSEENTER);
        EXPECT_EQ(graphic->SkinData.MouseInside, c.hot) << "kind " << c.kind;
        EXPECT_EQ(graphic->SkinData.IsHot(), c.hot) << "kind " << c.kind;
        graphic->SetEnabled(false);
        EXPECT_FALSE(graphic->SkinData.IsHot()) << "disabled: never hot";
        EXPECT_FALSE(graphic->SkinData.MouseInside) << "enabled change forgets the mouse";
        delete graphic;
    }
}

TEST_F(BindingTest, MouseEnterClearsASiblingThatMissedItsLeave)
{
    ShowForm();
    TSkinnedPanel* first = Panel(form, "PLAIN", {0, 0, 20, 20}, 93);
    TSkinnedPanel* second = Panel(form, "PLAIN", {30, 0, 20, 20}, 93);
    first->Perform(CM_MOUSEENTER);
    ASSERT_TRUE(first->SkinData.MouseInside);
    second->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(first->SkinData.MouseInside);
    EXPECT_TRUE(second->SkinData.MouseInside);
}

TEST_F(BindingTest, FocusMakesAColourKindHotAndLosingItPutsTheColourBack)
{
    TSkinnedPanel* edit = Panel(form, "HOTEDIT", {0, 0, 40, 20}, 5);
    TSkinnedPanel* other = Panel(form, "PLAIN", {0, 30, 40, 20});
    edit->TabStop = other->TabStop = true;
    ShowForm();
    other->SetFocus();
    edit->SkinData.ApplySkinColors(false);
    ASSERT_EQ(edit->Color(), EditColor);
    edit->SetFocus();
    EXPECT_TRUE(edit->SkinData.HasFocus);
    EXPECT_EQ(edit->Color(), EditHotColor);
    other->SetFocus();
    EXPECT_FALSE(edit->SkinData.HasFocus);
    EXPECT_EQ(edit->Color(), EditColor);
}

TEST_F(BindingTest, GainingTheFocusRepaintsAnyControlInItsHotLook)
{
    TSkinnedPanel* button = Panel(form, "PLAIN", {0, 0, 40, 20}, 93);
    TSkinnedPanel* other = Panel(form, "PLAIN", {0, 30, 40, 20});
    button->TabStop = other->TabStop = true;
    ShowForm();
    other->SetFocus();
    PumpMessagesFor(50ms);
    button->Compositions = 0;
    button->SetFocus();
    EXPECT_TRUE(button->SkinData.IsHot());
    EXPECT_TRUE(PumpMessagesUntil([&] { return button->Compositions > 0; }, 2s));
}

TEST_F(BindingTest, UiStateUpdateIsConsumedForSkinnedControlsOnly)
{
    ShowForm();
    TSkinnedPanel* skinned = Panel(form, "PLAIN", {0, 0, 20, 20});
    TSkinnedPanel* unbound = Panel(form, "NOSUCH", {0, 0, 20, 20});
    TMessage message{WM_UPDATEUISTATE, 0, 0, 0};
    EXPECT_TRUE(skinned->SkinData.HandleControlMessage(message));
    EXPECT_EQ(message.Result, 1);
    message.Result = 0;
    EXPECT_FALSE(unbound->SkinData.HandleControlMessage(message));
}

TEST_F(BindingTest, HidingDropsTheCacheOfTheControlAndItsChildren)
{
    TSkinnedPanel* container = Panel(form, "PLAIN", {0, 0, 60, 40});
    TSkinnedGraphic* child = Graphic(container, "PLAIN", {5, 5, 10, 10});
    ShowForm();
    container->SkinData.ComposeItem(0);
    child->SkinData.ComposeItem(0);
    container->Hide();
    EXPECT_TRUE(container->SkinData.CacheBitmap->Empty());
    EXPECT_TRUE(child->SkinData.CacheBitmap->Empty());
    EXPECT_TRUE(child->SkinData.BackgroundStale);
    container->SkinData.PaintSuspended = true;
    container->Show();
    EXPECT_FALSE(container->SkinData.PaintSuspended);
}

TEST_F(BindingTest, ResizingAGradientContainerTellsItsChildren)
{
    struct Case {
        const char* section;
        int notified;
    };
    ShowForm();
    for (const Case& c : {Case{"GRADIENT", 1}, Case{"PLAIN", 0}}) {
        TSkinnedPanel* container = Panel(form, c.section, {0, 0, 80, 60});
        TSkinnedGraphic* child = Graphic(container, "CLEAR", {5, 5, 10, 10});
        container->SetBounds(0, 0, 90, 70);
        EXPECT_EQ(child->Received.Count(SkinMsgParentChanged), c.notified) << c.section;
        EXPECT_TRUE(container->SkinData.BackgroundStale);
        delete container;
    }
}

TEST_F(BindingTest, MovingATransparentControlTellsItsChildren)
{
    ShowForm();
    TSkinnedPanel* root = Panel(form, "GRADIENT", {0, 0, 150, 120});
    TSkinnedPanel* clear = Panel(root, "CLEAR", {5, 5, 100, 80});
    TSkinnedGraphic* leaf = Graphic(clear, "CLEAR", {5, 5, 10, 10});
    TSkinnedPanel* opaque = Panel(form, "PLAIN", {0, 0, 50, 40});
    clear->Received.Commands.clear();
    opaque->Received.Commands.clear();
    clear->SetBounds(9, 9, 100, 80);
    opaque->SetBounds(3, 3, 50, 40);
    EXPECT_GE(clear->Received.Count(SkinMsgParentChanged), 1);
    EXPECT_GE(leaf->Received.Count(SkinMsgParentChanged), 1);
    EXPECT_EQ(opaque->Received.Count(SkinMsgParentChanged), 0);
}

} // namespace
} // namespace pp::test
