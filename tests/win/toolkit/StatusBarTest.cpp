#include "MessageWatch.h"
#include "TestForm.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(StatusBarTest, PanelTextRepaintsOnlyWhenItDiffers)
{
    TForm1 form(nullptr);
    int setTexts = 0;
    TStatusPanel& panel = form.StatusBar1->Panels()[1];
    {
        TMessageWatch watch(*form.StatusBar1, [&](const TMessage& m) { setTexts += m.Msg == SB_SETTEXTW; });
        panel.SetText("8");
        panel.SetText("8");
        panel.SetText("8");
        EXPECT_EQ(setTexts, 1);
        panel.SetText("0");
        EXPECT_EQ(setTexts, 2);
    }

    wchar_t text[32] = {};
    SendMessageW(form.StatusBar1->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"0");
}

TEST(StatusBarTest, PanelsTakeTheirWidthsInOrder)
{
    TForm1 form(nullptr);
    int edges[4] = {};
    const LRESULT parts = SendMessageW(form.StatusBar1->Handle(), SB_GETPARTS, 4,
                                       reinterpret_cast<LPARAM>(edges));
    ASSERT_EQ(parts, 2);
    EXPECT_EQ(edges[0], 80);
    wchar_t text[32] = {};
    SendMessageW(form.StatusBar1->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Порт 888");
}

} // namespace
} // namespace pp::test
