// A form of 26 adapted push buttons, painted, hovered over and freed again
// and again, gives back every handle it took.
#include "AdapterFixture.h"

#include "skin/controls/AdapterHotWindowWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"

#include <array>

namespace pp::test {
namespace {

void PaintAndHoverAll(const std::vector<TButton*>& buttons, TsSkinManager* manager)
{
    for (TButton* button : buttons) {
        SetAdapterHotWindow(manager, button->Handle());
        RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PrintedPixel(button->Handle(), 2, 2);
    }
    SetAdapterHotWindow(manager, nullptr);
}

TEST_F(AdapterTest, FullFormOfAdaptedButtonsGivesBackEveryHandle)
{
    constexpr int Rounds = 5;
    delete form;
    std::array<long, static_cast<int>(THandleKind::Count)> before{};
    for (int round = 0; round < Rounds; ++round) {
        // The first round fills what is made once for the process.
        if (round == 1)
            for (int kind = 0; kind < static_cast<int>(THandleKind::Count); ++kind)
                before[kind] = LiveHandleCount(static_cast<THandleKind>(kind));
        form = new TForm(Application);
        form->SetClientSize(400, 200);
        std::vector<TButton*> buttons;
        for (int i = 0; i < 26; ++i)
            buttons.push_back(Button(form, 8 + 48 * (i % 8), 8 + 28 * (i / 8), "D" + std::to_string(i)));
        ASSERT_NE(Skin(), nullptr);
        ASSERT_EQ(Adapter().Count(), 26);
        PaintAndHoverAll(buttons, manager.get());
        delete form;
        form = nullptr;
        PumpMessagesFor(10ms);
    }
    for (int kind = 0; kind < static_cast<int>(THandleKind::Count); ++kind)
        EXPECT_EQ(LiveHandleCount(static_cast<THandleKind>(kind)), before[kind])
            << HandleKindName(static_cast<THandleKind>(kind));
}

} // namespace
} // namespace pp::test
