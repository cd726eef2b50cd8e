// Which section's colours a control's text is drawn in.
#include "BindingFixture.h"

namespace pp::test {
namespace {

TEST_F(BindingTest, TransparentGraphicControlTakesItsTextSectionFromAnOpaqueParent)
{
    ShowForm();
    TSkinnedPanel* ownFont = Panel(form, "OWNFONT", {0, 0, 60, 40});
    TSkinnedPanel* plain = Panel(form, "PLAIN", {60, 0, 60, 40});
    TSkinnedGraphic* overOwnFont = Graphic(ownFont, "CLEAR", {5, 5, 20, 10});
    TSkinnedGraphic* overPlain = Graphic(plain, "CLEAR", {5, 5, 20, 10});
    TSkinnedGraphic* opaque = Graphic(ownFont, "BUTTON", {5, 20, 20, 10});
    EXPECT_EQ(overOwnFont->SkinData.TextSource(false).SectionIndex, SectionIndex("OWNFONT"));
    EXPECT_EQ(overPlain->SkinData.TextSource(false).SectionIndex, SectionIndex("CLEAR"))
        << "the parent does not give its own font";
    EXPECT_EQ(opaque->SkinData.TextSource(false).SectionIndex, SectionIndex("BUTTON"))
        << "an opaque control keeps its own";
}

TEST_F(BindingTest, TextSectionQuestionPassesThroughTransparentParents)
{
    ShowForm();
    TSkinnedPanel* ownFont = Panel(form, "OWNFONT", {0, 0, 100, 80});
    TSkinnedPanel* clear = Panel(ownFont, "CLEAR", {5, 5, 80, 60});
    TSkinnedGraphic* label = Graphic(clear, "CLEAR", {5, 5, 20, 10});
    EXPECT_EQ(label->SkinData.TextSource(false).SectionIndex, SectionIndex("OWNFONT"));
}

TEST_F(BindingTest, WindowedKindsDrawingOverTheirParentFollowTheRuleOthersKeepTheirSection)
{
    ShowForm();
    TSkinnedPanel* ownFont = Panel(form, "OWNFONT", {0, 0, 100, 80});
    TSkinnedPanel* checkBox = Panel(ownFont, "CLEAR", {5, 5, 40, 10}, ckCheckBox);
    TSkinnedPanel* panel = Panel(ownFont, "CLEAR", {5, 25, 40, 10}, 51);
    EXPECT_EQ(checkBox->SkinData.TextSource(false).SectionIndex, SectionIndex("OWNFONT"));
    EXPECT_EQ(panel->SkinData.TextSource(false).SectionIndex, SectionIndex("CLEAR"));
}

TEST_F(BindingTest, TextSourceCarriesTheBindingsSettings)
{
    ShowForm();
    TSkinnedGraphic* web = Graphic(form, "WEBBUTTON", {0, 0, 40, 10});
    web->SkinData.SetHUEOffset(30);
    web->SkinData.ComposeItem(0);
    const TItemTextSource source = web->SkinData.TextSource(true);
    EXPECT_EQ(source.Skin, &manager->Skin());
    EXPECT_TRUE(source.IsWebButton);
    EXPECT_EQ(source.HueOffset, 30);
    EXPECT_EQ(source.GlowTarget, web->SkinData.CacheBitmap.get());
    EXPECT_FALSE(Graphic(form, "PLAIN", {0, 0, 5, 5})->SkinData.TextSource(true).IsWebButton);

    TSkinnedGraphic* unbound = Graphic(form, "NOSUCH", {0, 0, 5, 5});
    EXPECT_EQ(unbound->SkinData.TextSource(false).Skin, nullptr);
    EXPECT_EQ(unbound->SkinData.TextSource(false).SectionIndex, -1);
}

} // namespace
} // namespace pp::test
