// Mouse enter and leave for windowless controls come from the message loop.
#include "MessageWatch.h"
#include "TestForm.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// Moves the cursor to a client point of the form and lets the loop see it.
void MoveMouseTo(TForm1& form, TPoint client)
{
    const TPoint screen = form.ClientToScreen(client);
    SetCursorPos(screen.X, screen.Y);
    PostMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.X, client.Y));
}

TEST(HoverTest, WindowlessControlsHearTheMouseEnterAndLeave)
{
    TForm1 form(nullptr);
    form.Show();
    std::vector<std::string> log;
    form.Label1->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    form.Label1->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
    std::vector<LPARAM> parentHeard;
    TMessageWatch watch(form, [&](const TMessage& m) {
        if (m.Msg == CM_MOUSEENTER && m.LParam)
            parentHeard.push_back(m.LParam);
    });

    MoveMouseTo(form, {form.Label1->Left() + 2, form.Label1->Top() + 2});
    ASSERT_TRUE(PumpMessagesUntil([&] { return !log.empty(); }, 2s));
    EXPECT_EQ(Application->MouseControl(), form.Label1);
    EXPECT_EQ(parentHeard, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(form.Label1)}));

    MoveMouseTo(form, {form.Label1->Left() + 4, form.Label1->Top() + 3});
    MoveMouseTo(form, {300, 120});
    ASSERT_TRUE(PumpMessagesUntil([&] { return log.size() >= 2; }, 2s));
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(Application->MouseControl(), &form);
}

// A form that hides or minimizes under a still pointer gets no mouse-leave
// from the platform; a control left hot would keep its hover look and glow
// where the window was.
TEST(HoverTest, HidingOrMinimizingTheFormEndsTheHover)
{
    for (const int how : {SW_HIDE, SW_MINIMIZE}) {
        SCOPED_TRACE(how == SW_HIDE ? "hide" : "minimize");
        TForm1 form(nullptr);
        form.Show();
        int leaves = 0;
        form.Label1->OnMouseLeave = [&](TObject*) { ++leaves; };
        MoveMouseTo(form, {form.Label1->Left() + 2, form.Label1->Top() + 2});
        ASSERT_TRUE(PumpMessagesUntil([&] { return Application->MouseControl() == form.Label1; }, 2s));
        ShowWindow(form.Handle(), how);
        EXPECT_EQ(leaves, 1);
        EXPECT_EQ(Application->MouseControl(), nullptr);
    }
}

} // namespace
} // namespace pp::test

namespace pp::test {
namespace {

TEST(MouseTest, WindowlessControlsAreClickedThroughTheirParent)
{
    TForm1 form(nullptr);
    form.Show();
    int clicks = 0;
    form.Label1->OnClick = [&](TObject*) { ++clicks; };
    const LPARAM onLabel = MAKELPARAM(form.Label1->Left() + 3, form.Label1->Top() + 3);
    const LPARAM offLabel = MAKELPARAM(300, 120);
    SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, onLabel);
    EXPECT_EQ(clicks, 1);
    // Pressed on the label, released elsewhere: no click.
    SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, offLabel);
    EXPECT_EQ(clicks, 1);
    // A disabled label is not clicked.
    form.Label1->SetEnabled(false);
    SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, onLabel);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace pp::test
