// Bindings owned by something other than a test control: a form's skin
// provider (not a control), a standard edit, a container with labels.
#include "BindingFixture.h"

#include "toolkit/Edit.h"
#include "toolkit/Label.h"

namespace pp::test {
namespace {

// What a form's skin provider gives its binding.
class TFakeProvider : public TComponent, public TsBindingFormHost {
public:
    TFakeProvider(TWinControl& form, bool paintsItself)
        : TComponent(nullptr), form_(form), paintsItself_(paintsItself)
    {
    }
    TWinControl& HostForm() const override { return form_; }
    bool FormPaintsItself() const override { return paintsItself_; }

private:
    TWinControl& form_;
    bool paintsItself_;
};

TEST_F(BindingTest, FormProviderBindingWorksOnItsForm)
{
    form->SetColor(0x00123456);
    TFakeProvider provider(*form, false);
    TsCommonData binding(&provider, true);
    EXPECT_EQ(binding.HostControl, nullptr);
    EXPECT_EQ(binding.HostObject, &provider);
    EXPECT_EQ(binding.SurfaceControl(), form);

    binding.BackgroundStale = false;
    binding.SetSkinSection("plain");
    EXPECT_EQ(binding.SectionIndex, SectionIndex("PLAIN"));
    EXPECT_TRUE(binding.BackgroundStale);
    EXPECT_EQ(binding.PaintFlags, pfParentBackground) << "a plain form section: simple background";

    binding.FitCacheBitmap();
    EXPECT_EQ(binding.CacheBitmap->Size(), (TSize{form->Width(), form->Height()}));
    EXPECT_EQ(binding.ParentBackdrop().BackColor, PlainColor) << "a top-level form has no parent";

    binding.SetCustomColor(true);
    EXPECT_EQ(binding.ItemBinding().CustomColor, 0x00123456u);
    BackdropRequest request;
    binding.AnswerBackdropRequest(request, 0);
    EXPECT_EQ(request.Kind, bkColor);
    EXPECT_EQ(request.Color, 0x00123456u);
}

TEST_F(BindingTest, FormThatPaintsItselfHasNoSimpleBackground)
{
    TFakeProvider provider(*form, true);
    TsCommonData binding(&provider, true);
    binding.SetSkinSection("PLAIN");
    EXPECT_EQ(binding.PaintFlags, 0);
}

TEST_F(BindingTest, RemovingTheSkinGivesAnEditThePlatformColoursUnlessCustom)
{
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    ShowForm();
    struct Case {
        bool customColor, customFont;
        TColor color, font;
    };
    const Case cases[] = {
        {false, false, clWindow, clWindowText},
        {true, false, clRed, clWindowText},
        {false, true, clWindow, clRed},
    };
    for (const Case& c : cases) {
        TsCtrlSkinData binding(edit, false);
        binding.SetSkinSection("PLAIN");
        binding.SetCustomColor(c.customColor);
        binding.SetCustomFont(c.customFont);
        edit->SetColor(clRed);
        edit->Font().SetColor(clRed);
        TMessage message{SM_SKINCOMMAND, SkinCommandWParam(SkinMsgRemoveSkin),
                         reinterpret_cast<LPARAM>(manager.get()), 0};
        EXPECT_TRUE(binding.HandleSkinMessage(message));
        EXPECT_EQ(edit->Color(), c.color);
        EXPECT_EQ(edit->Font().Color(), c.font);
        EXPECT_FALSE(binding.IsSkinned());
    }
}

TEST_F(BindingTest, RemovingTheSkinGivesAContainersLabelsTheWindowTextColour)
{
    TSkinnedPanel* container = Panel(form, "PLAIN", {0, 0, 80, 40});
    auto* label = new TLabel(form);
    label->SetParent(container);
    label->Font().SetColor(clRed);
    ShowForm();
    SendSkinCommand(container, SkinMsgRemoveSkin, reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_EQ(label->Font().Color(), clWindowText);
}

} // namespace
} // namespace pp::test
