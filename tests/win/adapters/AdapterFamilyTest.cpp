// Every list's adapter can be put on a window and taken off again, leaving
// the control as it was; the graphic-button list has no adapter.
#include "AdapterFixture.h"

#include "skin/controls/AdapterChoiceWin32.h"
#include "skin/loading/ThirdPartyList.h"
#include "skin/paint/SkinCommandsWin32.h"

namespace pp::test {
namespace {

// The sections the lists' adapters take when none is given, in list order;
// the up-down list leaves the binding's own, and panels here have no bevels.
const char* const ExpectedSections[ThirdPartyListCount] = {
    "EDIT",      "BUTTON", "BUTTON",    "CHECKBOX", "EDIT",     "EDIT",        "GROUPBOX",    "EDIT",
    "CHECKBOX",  "EDIT",   "EDIT",      "EDIT",     "EDIT",     "PAGECONTROL", "PAGECONTROL", "TOOLBAR",
    "STATUSBAR", "",       "PANEL_LOW", "",         "CHECKBOX", "CHECKBOX"};

TEST_F(AdapterTest, EveryListsAdapterTakesOverTheWindowAndGivesItBack)
{
    TButton* button = Button(form, 8, 8, "Any");
    ShowForm();
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    const LONG_PTR procedure = GetWindowLongPtrW(button->Handle(), GWLP_WNDPROC);
    for (int kind = 0; kind < ThirdPartyListCount; ++kind) {
        SCOPED_TRACE(ThirdPartyList::PropertyName(kind));
        TsCtrlSkinData binding(button, true);
        std::unique_ptr<TacMainWnd> adapter = CreateWindowAdapter(kind, *button, binding, manager.get());
        if (kind == ThirdSpeedButton) {
            EXPECT_EQ(adapter, nullptr);
            continue;
        }
        ASSERT_NE(adapter, nullptr);
        EXPECT_EQ(TacMainWnd::FromWindow(button->Handle()), adapter.get());
        EXPECT_EQ(SendSkinCommandToWindow(button->Handle(), SkinMsgIsSkinned), 1);
        EXPECT_EQ(binding.SkinSection(), ExpectedSections[kind]);
        adapter.reset();
        EXPECT_EQ(TacMainWnd::FromWindow(button->Handle()), nullptr);
        EXPECT_EQ(SendSkinCommandToWindow(button->Handle(), SkinMsgIsSkinned), 0);
        EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWLP_WNDPROC), procedure);
    }
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace pp::test
