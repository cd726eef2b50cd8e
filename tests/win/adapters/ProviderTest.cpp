// The form's skin provider: made only for forms, at most one active per
// form, in the list of provider forms while it lives, and giving the form
// and its controls back when it goes.
#include "AdapterFixture.h"

#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/Label.h"

#include <algorithm>

namespace pp::test {
namespace {

bool Listed(const TCustomForm* form)
{
    const auto& forms = ProviderForms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

TsSkinProvider* ProviderOf(TForm* form)
{
    return reinterpret_cast<TsSkinProvider*>(SendSkinCommand(form, SkinMsgGetProvider));
}

TEST_F(AdapterTest, ProviderForAnythingButAFormFailsQuietly)
{
    TButton* button = Button(form, 8, 8);
    try {
        TsSkinProvider provider(button);
        FAIL() << "a provider was made for a button";
    } catch (const EAbort& error) {
        EXPECT_STREQ(error.what(), "TsSkinProvider component may be used with forms only!");
    }
}

TEST_F(AdapterTest, AttachedProviderAnswersForTheFormUntilItGoes)
{
    TButton* button = Button(form, 8, 8, "Go");
    ASSERT_NE(Skin(), nullptr);
    EXPECT_EQ(ProviderOf(form), provider);
    EXPECT_EQ(SendSkinCommand(form, SkinMsgIsSkinned), 1);
    EXPECT_TRUE(Listed(form));
    EXPECT_EQ(AttachSkinProvider(*form), nullptr) << "a second attachment";

    delete provider;
    EXPECT_EQ(SendSkinCommand(form, SkinMsgIsSkinned), 0);
    EXPECT_EQ(ProviderOf(form), nullptr);
    EXPECT_FALSE(Listed(form));
    EXPECT_FALSE(AnswersSkinned(button));
    EXPECT_EQ(GetPropW(button->Handle(), AdapterProperty), nullptr);
}

TEST_F(AdapterTest, ProviderAnswersIsSkinnedAndGetProviderWithNoSkinLoaded)
{
    ASSERT_NE(Skin(), nullptr);
    manager->Skin().SkinData.Active = false;
    EXPECT_EQ(SendSkinCommand(form, SkinMsgIsSkinned), 1);
    EXPECT_EQ(ProviderOf(form), provider);
}

TEST_F(AdapterTest, OnTheFlyProviderReplacesOneThatHasNotStarted)
{
    ShowForm();
    auto* waiting = new TsSkinProvider(form, true);
    ASSERT_EQ(ProviderOf(form), waiting);
    auto* replacing = new TsSkinProvider(form, true);
    EXPECT_FALSE(replacing->Inert());
    EXPECT_EQ(ProviderOf(form), replacing);
    EXPECT_EQ(std::count(ProviderForms().begin(), ProviderForms().end(), form), 1);
}

TEST_F(AdapterTest, ProviderMadeBesideAStartedOneStaysInert)
{
    TButton* button = Button(form, 8, 8, "Go");
    ASSERT_NE(Skin(), nullptr);
    auto* late = new TsSkinProvider(form, true);
    EXPECT_TRUE(late->Inert());
    EXPECT_EQ(ProviderOf(form), provider);
    delete late;
    EXPECT_EQ(ProviderOf(form), provider);
    EXPECT_TRUE(AnswersSkinned(button));
}

TEST_F(AdapterTest, DeferredProviderAdaptsOnTheFormsFirstNonClientPaint)
{
    TButton* button = Button(form, 8, 8, "Go");
    ShowForm();
    provider = new TsSkinProvider(form, true);
    EXPECT_EQ(provider->Adapter(), nullptr);
    SendMessageW(form->Handle(), WM_NCPAINT, 1, 0);
    EXPECT_FALSE(provider->DeferredInit);
    EXPECT_TRUE(Adapted(button));
}

TEST_F(AdapterTest, ProviderFormListGivesAFreedSlotToTheLastEntry)
{
    TForm second(Application);
    TForm third(Application);
    RegisterProviderForm(*form);
    RegisterProviderForm(second);
    RegisterProviderForm(third);
    UnregisterProviderForm(*form);
    const auto& forms = ProviderForms();
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0], &third);
    EXPECT_EQ(forms[1], &second);
    UnregisterProviderForm(second);
    UnregisterProviderForm(third);
    UnregisterProviderForm(third);
    EXPECT_TRUE(forms.empty());
}

TEST_F(AdapterTest, RemovingTheSkinGivesLabelsTheWindowTextColourAndKeepsButtonsAdapted)
{
    TButton* button = Button(form, 8, 8, "Go");
    auto* label = new TLabel(form);
    label->SetCaption("2");
    label->SetParent(form);
    ASSERT_NE(Skin(), nullptr);
    ASSERT_EQ(label->Font().Color(), SkinFontColor);

    SendSkinCommand(form, SkinMsgRemoveSkin, reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_EQ(label->Font().Color(), clWindowText);
    EXPECT_TRUE(Adapted(button));

    SendSkinCommand(form, SkinMsgSetSkin, reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_EQ(label->Font().Color(), SkinFontColor);
    EXPECT_EQ(Adapter().Count(), 1);
    Unfocus();
    EXPECT_EQ(PrintedPixel(button->Handle(), 2, 2), ButtonNormalColor);
}

} // namespace
} // namespace pp::test
