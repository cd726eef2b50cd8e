// Which of a form's controls the control adapter adapts, and what it does
// to labels.
#include "AdapterFixture.h"

#include "toolkit/Edit.h"
#include "toolkit/Label.h"

namespace pp::test {
namespace {

TEST_F(AdapterTest, ButtonIsAdaptedAndEditIsNotUnderTheMainWindowsLists)
{
    TButton* button = Button(form, 8, 8, "Go");
    auto* edit = new TEdit(form);
    edit->SetBounds(8, 40, 80, 20);
    edit->SetParent(form);
    ASSERT_NE(Skin(), nullptr);

    EXPECT_EQ(Adapter().Count(), 1);
    EXPECT_TRUE(Adapted(button));
    EXPECT_TRUE(dynamic_cast<TacBtnWnd*>(Adapter().GetItem(0)->WindowAdapter.get()));
    EXPECT_EQ(Adapter().GetItem(0)->SkinData->ControlKind, COC_TacAdapterItem);
    EXPECT_EQ(Adapter().GetItem(0)->SkinData->SkinSection(), "BUTTON");
    EXPECT_TRUE(AnswersSkinned(button));
    EXPECT_FALSE(AnswersSkinned(edit));
    EXPECT_EQ(Adapter().GetItem(1), nullptr);
    EXPECT_EQ(Adapter().GetItem(-1), nullptr);
}

TEST_F(AdapterTest, NeverSkinnedTagKeepsTheControlAndEverythingInsideItUnadapted)
{
    TButton* tagged = Button(form, 8, 8);
    tagged->Tag = NeverSkinnedTag;
    auto* box = new TPlainBox(form);
    box->SetBounds(100, 8, 120, 80);
    box->SetParent(form);
    box->Tag = NeverSkinnedTag;
    // Owned by the box, so that only going through the box reaches it.
    auto* inside = new TButton(box);
    inside->SetBounds(4, 4, 41, 20);
    inside->SetParent(box);
    TButton* plain = Button(form, 8, 40);
    ASSERT_NE(Skin(), nullptr);

    EXPECT_FALSE(Adapted(tagged));
    EXPECT_FALSE(Adapted(inside));
    EXPECT_TRUE(Adapted(plain));
    Adapter().AddNewItem(tagged, "BUTTON");
    EXPECT_FALSE(Adapted(tagged));
    EXPECT_EQ(Adapter().Count(), 1);
}

TEST_F(AdapterTest, ButtonsInsideAnUntaggedContainerAreAdapted)
{
    auto* box = new TPlainBox(form);
    box->SetBounds(100, 8, 120, 80);
    box->SetParent(form);
    auto* inside = new TButton(box);
    inside->SetBounds(4, 4, 41, 20);
    inside->SetParent(box);
    ASSERT_NE(Skin(), nullptr);
    EXPECT_TRUE(Adapted(inside));
}

TEST_F(AdapterTest, LabelsTakeTheSkinsFontColourAndTurnTransparentUnlessTagged98)
{
    struct Case {
        std::intptr_t Tag;
        TColor Expected;
        bool Transparent;
    };
    const Case cases[] = {
        {0, SkinFontColor, true}, {KeepLabelColorTag, clRed, false}, {5, SkinFontColor, true}};
    std::vector<TLabel*> labels;
    for (const Case& c : cases) {
        auto* label = new TLabel(form);
        label->SetCaption("2 3 4");
        label->SetParent(form);
        label->Font().SetColor(clRed);
        label->Tag = c.Tag;
        labels.push_back(label);
    }
    ASSERT_NE(Skin(), nullptr);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(cases[i].Tag);
        EXPECT_EQ(labels[i]->Font().Color(), cases[i].Expected);
        EXPECT_EQ(labels[i]->Transparent(), cases[i].Transparent);
    }
    EXPECT_EQ(Adapter().Count(), 0);
}

TEST_F(AdapterTest, OnSkinItemMayForbidOrRenameTheSection)
{
    TButton* forbidden = Button(form, 8, 8);
    TButton* renamed = Button(form, 8, 40);
    ShowForm();
    provider = new TsSkinProvider(form, true);
    provider->OnSkinItem = [&](TControl* control, bool& allowed, std::string& section) {
        if (control == forbidden)
            allowed = false;
        if (control == renamed)
            section = "FORM";
    };
    provider->Initialize();

    EXPECT_FALSE(Adapted(forbidden));
    ASSERT_TRUE(Adapted(renamed));
    EXPECT_EQ(Adapter().GetItem(Adapter().IndexOf(renamed))->SkinData->SkinSection(), "FORM");
}

TEST_F(AdapterTest, WithoutTheThirdPartyRuleNothingIsAdapted)
{
    TButton* button = Button(form, 8, 8);
    manager->SkinningRules &= ~srThirdParty;
    ASSERT_NE(Skin(), nullptr);
    EXPECT_FALSE(provider->Adapter() && Adapted(button));
    EXPECT_FALSE(AnswersSkinned(button));
}

TEST_F(AdapterTest, ExaminingAgainAddsNoSecondItemAndFreedControlsLeaveTheirItem)
{
    TButton* first = Button(form, 8, 8);
    TButton* second = Button(form, 8, 40);
    ASSERT_NE(Skin(), nullptr);
    ASSERT_EQ(Adapter().Count(), 2);
    Adapter().AddAllItems();
    EXPECT_EQ(Adapter().Count(), 2);

    delete first;
    ASSERT_EQ(Adapter().Count(), 1);
    EXPECT_EQ(Adapter().GetItem(0)->Control, second);
    // The survivor still paints skinned after the swap of items.
    Unfocus();
    EXPECT_EQ(PrintedPixel(second->Handle(), 2, 2), ButtonNormalColor);
}

TEST_F(AdapterTest, RemoveItemMovesTheLastItemIntoTheFreedSlot)
{
    TButton* a = Button(form, 8, 8);
    TButton* b = Button(form, 8, 40);
    TButton* c = Button(form, 8, 72);
    ASSERT_NE(Skin(), nullptr);
    ASSERT_EQ(Adapter().Count(), 3);
    ASSERT_EQ(Adapter().IndexOf(a), 0);
    Adapter().RemoveItem(0);
    EXPECT_EQ(Adapter().Count(), 2);
    EXPECT_EQ(Adapter().IndexOf(a), -1);
    EXPECT_EQ(Adapter().IndexOf(c), 0);
    EXPECT_EQ(Adapter().IndexOf(b), 1);
    EXPECT_FALSE(AnswersSkinned(a));
    EXPECT_TRUE(Adapted(b));
    EXPECT_TRUE(Adapted(c));
    Adapter().RemoveItem(7);
    EXPECT_EQ(Adapter().Count(), 2);
}

} // namespace
} // namespace pp::test
