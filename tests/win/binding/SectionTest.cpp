// Which section a binding paints with, and what setting its properties does.
#include "BindingFixture.h"

#include "toolkit/Button.h"

namespace pp::test {
namespace {

TEST_F(BindingTest, SectionNameIsStoredUpperCaseAndTheSameNameChangesNothing)
{
    ShowForm();
    TSkinnedPanel* panel = Panel(form, "PLAIN", {10, 10, 40, 30});
    panel->Received.Commands.clear();

    panel->SkinData.SetSkinSection("button");
    EXPECT_EQ(panel->SkinData.SkinSection(), "BUTTON");
    EXPECT_EQ(panel->SkinData.SectionIndex, SectionIndex("BUTTON"));
    EXPECT_EQ(panel->Received.Count(SkinMsgRefresh), 1) << "a skinned owner is refreshed";

    panel->SkinData.BackgroundStale = false;
    panel->SkinData.SetSkinSection("Button");
    EXPECT_EQ(panel->Received.Count(SkinMsgRefresh), 1) << "same name: no message";
    EXPECT_FALSE(panel->SkinData.BackgroundStale) << "same name: not resolved again";

    panel->SkinData.SetSkinSection("nosuchsection");
    EXPECT_EQ(panel->SkinData.SectionIndex, -1);
    EXPECT_FALSE(panel->SkinData.IsSkinned());
    EXPECT_EQ(panel->Received.Count(SkinMsgRemoveSkin), 1) << "an unbound owner loses its skin";

    panel->SkinData.SetSkinSection("");
    EXPECT_EQ(panel->SkinData.SkinSection(), "UNKNOWN");
}

TEST_F(BindingTest, SuspendedOwnerIsNotToldOfASectionChange)
{
    ShowForm();
    TSkinnedPanel* panel = Panel(form, "PLAIN", {10, 10, 40, 30});
    panel->SkinData.PaintSuspended = true;
    panel->Received.Commands.clear();
    panel->SkinData.SetSkinSection("GAUGE");
    EXPECT_EQ(panel->SkinData.SectionIndex, SectionIndex("GAUGE"));
    EXPECT_TRUE(panel->Received.Commands.empty());
}

TEST_F(BindingTest, DefaultSectionComesFromTheKindElseFromTheClassName)
{
    struct Case {
        TControlKind kind;
        const char* section;
    };
    const Case cases[] = {
        {161, "GAUGE"},   {93, "BUTTON"},    {94, "BUTTON"},           {10, "EDIT"},       {2, "EDIT"},
        {13, "COMBOBOX"}, {52, "PANEL_LOW"}, {226, "GROUPBOX"},        {151, "STATUSBAR"}, {0, "TBUTTON"},
        {9, "TBUTTON"},   {999, "TBUTTON"},  {0x100 + 161, "TBUTTON"},
    };
    for (const Case& c : cases) {
        auto* button = new TButton(form);
        TsCtrlSkinData binding(button, false);
        binding.ControlKind = c.kind;
        binding.ApplyDefaultSection();
        EXPECT_EQ(binding.SkinSection(), c.section) << "kind " << c.kind;
        delete button;
    }
}

TEST_F(BindingTest, NamedSectionIsKeptByTheDefaultChoice)
{
    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {0, 0, 10, 10}, 161);
    graphic->SkinData.ApplyDefaultSection();
    EXPECT_EQ(graphic->SkinData.SkinSection(), "PLAIN");
    EXPECT_EQ(graphic->SkinData.SectionIndex, SectionIndex("PLAIN"));
}

TEST_F(BindingTest, ResolvingReadsTheImagesAndTheBackgroundShape)
{
    TSkinnedGraphic* plain = Graphic(form, "PLAIN", {0, 0, 10, 10});
    EXPECT_EQ(plain->SkinData.BorderImageIndex, 0);
    EXPECT_EQ(plain->SkinData.PatternIndex, -1);
    EXPECT_EQ(plain->SkinData.BackgroundShape, 0);
    EXPECT_EQ(plain->SkinData.MaxBorderWidth(), BorderRight);

    TSkinnedGraphic* gradient = Graphic(form, "GRADIENT", {0, 0, 10, 10});
    EXPECT_EQ(gradient->SkinData.BackgroundShape, bsTriangleGradient) << "first segment's mode 2";
    EXPECT_EQ(gradient->SkinData.BorderImageIndex, -1);
    EXPECT_EQ(gradient->SkinData.MaxBorderWidth(), 0);
}

TEST_F(BindingTest, BorderHiddenInStateZeroHasNoBorderWidth)
{
    manager->Skin().MaskAt(0).DrawFlags = 2;
    TSkinnedGraphic* plain = Graphic(form, "PLAIN", {0, 0, 10, 10});
    EXPECT_EQ(plain->SkinData.MaxBorderWidth(), 0);
}

TEST_F(BindingTest, SkinnedNeedsASectionAnIndexAndALiveManager)
{
    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {0, 0, 10, 10});
    EXPECT_TRUE(graphic->SkinData.IsSkinned());
    EXPECT_TRUE(graphic->SkinData.IsSkinned(true));

    // The skin data is inactive while the new skin is being announced, and
    // the announcement is what makes the bindings look their sections up.
    manager->Skin().SkinData.Active = false;
    EXPECT_TRUE(graphic->SkinData.IsSkinned()) << "the index is still valid";
    EXPECT_FALSE(graphic->SkinData.IsSkinned(true)) << "but the skin is not active";
    graphic->SkinData.ResolveSection();
    EXPECT_EQ(graphic->SkinData.SectionIndex, SectionIndex("PLAIN")) << "the skin being announced resolves";

    manager->SetActive(false);
    graphic->SkinData.ResolveSection();
    EXPECT_EQ(graphic->SkinData.SectionIndex, -1) << "a manager switched off resolves nothing";
    EXPECT_FALSE(graphic->SkinData.IsSkinned());
}

TEST_F(BindingTest, ManagerChangeResolvesAgainAndTellsTheOwner)
{
    ShowForm();
    TSkinnedPanel* panel = Panel(form, "PLAIN", {0, 0, 10, 10});
    TsSkinManager second(nullptr); // holds no skin
    panel->Received.Commands.clear();
    panel->SkinData.SetSkinManager(&second);
    EXPECT_EQ(panel->SkinData.SectionIndex, -1);
    EXPECT_EQ(panel->Received.Count(SkinMsgRemoveSkin), 1);

    panel->SkinData.SetSkinManager(manager.get()); // the default: stored as none
    EXPECT_FALSE(panel->SkinData.HasExplicitManager());
    EXPECT_EQ(panel->SkinData.SectionIndex, SectionIndex("PLAIN"));
    EXPECT_EQ(panel->Received.Count(SkinMsgRefresh), 1);
}

TEST_F(BindingTest, ColourKindsTakeTheSectionColoursUnlessCustom)
{
    ShowForm();
    TSkinnedPanel* panel = Panel(form, "HOTEDIT", {0, 0, 30, 20}, 5);
    panel->SkinData.ApplySkinColors(false);
    EXPECT_EQ(panel->Color(), EditColor);
    EXPECT_EQ(panel->Font().Color(), EditFontColor);

    panel->SetColor(clRed);
    panel->SkinData.SetCustomColor(true);
    EXPECT_EQ(panel->Color(), clRed) << "custom colour is kept";
    panel->SkinData.SetCustomColor(false);
    EXPECT_EQ(panel->Color(), EditColor) << "clearing it re-applies the skin";

    TSkinnedPanel* edit = Panel(form, "HOTEDIT", {0, 30, 30, 20}, ckEdit);
    edit->Font().SetColor(clRed);
    edit->SkinData.ApplySkinColors(false);
    EXPECT_EQ(edit->Color(), EditColor);
    EXPECT_EQ(edit->Font().Color(), clRed) << "kind 10 keeps its font colour";

    TSkinnedPanel* notColourKind = Panel(form, "HOTEDIT", {0, 60, 30, 20}, 51);
    notColourKind->SetColor(clRed);
    notColourKind->SkinData.ApplySkinColors(false);
    EXPECT_EQ(notColourKind->Color(), clRed);
}

TEST_F(BindingTest, HueAndSaturationReachTheItemBinding)
{
    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {0, 0, 10, 10});
    graphic->SkinData.SetHUEOffset(120);
    graphic->SkinData.SetSaturation(-20);
    const TsItemBinding item = graphic->SkinData.ItemBinding();
    EXPECT_EQ(item.HueOffset, 120);
    EXPECT_EQ(item.Saturation, -20);
    EXPECT_EQ(item.SectionIndex, SectionIndex("PLAIN"));
    EXPECT_EQ(item.BorderImageIndex, 0);
    EXPECT_EQ(item.CustomColor, clKeyColor);

    graphic->SetColor(0x010203);
    graphic->SkinData.SetCustomColor(true);
    EXPECT_EQ(graphic->SkinData.ItemBinding().CustomColor, 0x010203u);
}

TEST_F(BindingTest, CacheFollowsTheOwnerSize)
{
    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {0, 0, 17, 9});
    graphic->SkinData.FitCacheBitmap();
    EXPECT_EQ(graphic->SkinData.CacheBitmap->Size(), (TSize{17, 9}));
    EXPECT_EQ(graphic->SkinData.CacheBitmap->Format(), TPixelFormat::pf32bit);
    graphic->SetBounds(0, 0, 5, 0);
    graphic->SkinData.FitCacheBitmap();
    EXPECT_TRUE(graphic->SkinData.CacheBitmap->Empty());
}

} // namespace
} // namespace pp::test
