// The input box and the show-message window.
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "win/Text.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// n units of size unit/divisor, rounded to the nearest pixel.
int Scaled(int n, int unit, int divisor) { return (n * unit + divisor / 2) / divisor; }

TSize MeasuredDialogUnits(const TFont& font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    SIZE size{};
    const wchar_t letters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(dc, letters, 52, &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {size.cx / 52, size.cy};
}

TEST(DialogTest, InputBoxIsLaidOutInDialogUnitsOfItsFont)
{
    TInputForm form("Мигалка", "Интервал, мс", "500");
    const TSize units = MeasuredDialogUnits(form.Font());
    ASSERT_GT(units.Width, 0);
    const int x = units.Width, y = units.Height;
    RECT client{};
    GetClientRect(form.Handle(), &client);

    EXPECT_EQ(form.PromptLabel->Left(), Scaled(8, x, 4));
    EXPECT_EQ(form.PromptLabel->Top(), Scaled(8, y, 8));
    EXPECT_LE(form.PromptLabel->Width(), Scaled(164, x, 4));
    EXPECT_EQ(form.Edit->Left(), Scaled(8, x, 4));
    EXPECT_EQ(form.Edit->Top(), form.PromptLabel->Bottom() + 5);
    EXPECT_EQ(form.Edit->Width(), Scaled(164, x, 4));
    const int buttonTop = form.Edit->Bottom() + 15;
    const TRect ok = TRect::FromBounds(Scaled(38, x, 4), buttonTop, Scaled(50, x, 4), Scaled(14, y, 8));
    const TRect cancel = TRect::FromBounds(Scaled(92, x, 4), buttonTop, Scaled(50, x, 4), Scaled(14, y, 8));
    EXPECT_EQ(form.OkButton->BoundsRect(), ok);
    EXPECT_EQ(form.CancelButton->BoundsRect(), cancel);
    EXPECT_EQ(client.right, Scaled(180, x, 4));
    EXPECT_EQ(client.bottom, ok.Bottom + 13);

    EXPECT_EQ(form.Caption(), "Мигалка");
    EXPECT_EQ(form.Edit->Text(), "500");
    EXPECT_EQ(SendMessageW(form.Edit->Handle(), EM_GETLIMITTEXT, 0, 0), 255);
    EXPECT_TRUE(form.OkButton->Default());
    EXPECT_TRUE(form.CancelButton->Cancel);
    EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_STYLE) & WS_THICKFRAME);
}

TEST(DialogTest, LayoutFormulaRoundsToNearest)
{
    // X = 6, Y = 13: 8 * 6 / 4 = 12; 8 * 13 / 8 = 13; 14 * 13 / 8 = 22.75 -> 23.
    const TInputBoxLayout layout = ComputeInputBoxLayout(6, 13, 13, 21);
    EXPECT_EQ(layout.Prompt.Left, 12);
    EXPECT_EQ(layout.Prompt.Top, 13);
    EXPECT_EQ(layout.Edit.Top, 13 + 13 + 5);
    EXPECT_EQ(layout.OkButton, TRect::FromBounds(57, 31 + 21 + 15, 75, 23));
    EXPECT_EQ(layout.CancelButton.Left, 138);
    EXPECT_EQ(layout.ClientWidth, 270);
    EXPECT_EQ(layout.ClientHeight, 67 + 23 + 13);
}

// Finds the toolkit form shown modally, sets its edit text and presses a button.
bool AnswerInputBox(HWND window, const char* text, bool pressOk)
{
    auto* form = dynamic_cast<TInputForm*>(TWinControl::FromHandle(window));
    if (!form)
        return false;
    if (text)
        form->Edit->SetText(text);
    PostMessageW((pressOk ? form->OkButton : form->CancelButton)->Handle(), BM_CLICK, 0, 0);
    return true;
}

TEST(DialogTest, InputQueryTellsOkFromCancel)
{
    std::string value = "500";
    {
        TModalWatcher watcher([](HWND w) { return AnswerInputBox(w, "250", true); });
        EXPECT_TRUE(InputQuery("Мигалка", "Интервал, мс", value));
    }
    EXPECT_EQ(value, "250");
    {
        TModalWatcher watcher([](HWND w) { return AnswerInputBox(w, "999", false); });
        EXPECT_FALSE(InputQuery("Мигалка", "Интервал, мс", value));
    }
    EXPECT_EQ(value, "250") << "Cancel must leave the value alone";
    {
        TModalWatcher watcher([](HWND w) { return AnswerInputBox(w, "7", false); });
        EXPECT_EQ(InputBox("Мигалка", "Интервал, мс", "100"), "100");
    }
}

TEST(DialogTest, EscapeAndCloseBoxCancelTheInputBox)
{
    std::string value = "1";
    TModalWatcher watcher([](HWND w) {
        if (!dynamic_cast<TInputForm*>(TWinControl::FromHandle(w)))
            return false;
        PostMessageW(w, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_FALSE(InputQuery("c", "p", value));
    EXPECT_EQ(value, "1");
}

TEST(DialogTest, ShowMessageIsATitledCentredMessageFormWithOneOkButton)
{
    std::wstring className, caption;
    TRect bounds;
    int buttons = 0;
    std::string buttonCaption;
    TModalWatcher watcher([&](HWND w) {
        auto* form = dynamic_cast<TMessageForm*>(TWinControl::FromHandle(w));
        if (!form)
            return false;
        className = WindowClassName(w);
        caption = WindowText(w);
        bounds = form->BoundsRect();
        for (int i = 0; i < form->ControlCount(); ++i)
            buttons += dynamic_cast<TButton*>(form->Controls(i)) != nullptr;
        buttonCaption = form->OkButton->Caption();
        EXPECT_EQ(form->Message->Caption(), "8");
        PostMessageW(form->OkButton->Handle(), BM_CLICK, 0, 0);
        return true;
    });
    ShowMessage("8");
    ASSERT_EQ(watcher.Handled(), 1);
    EXPECT_EQ(className, L"TMessageForm");
    EXPECT_EQ(caption, WideFromUtf8(Application->Title()));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(buttonCaption, "OK");
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((bounds.Left + bounds.Right) / 2, (work.left + work.right) / 2, 1);
}

} // namespace
} // namespace pp::test
