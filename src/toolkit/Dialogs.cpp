#include "toolkit/Dialogs.h"

#include "toolkit/Application.h"
#include "toolkit/Screen.h"
#include "win/Text.h"

#include <algorithm>

namespace pp {

namespace {
int Units(int count, int unitBase, int divisor) { return MulDiv(count, unitBase, divisor); }

// A dialog-framed form centred on the screen, captioned `caption`.
void SetUpDialog(TForm& form, const std::string& caption)
{
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.Position = TPosition::poScreenCenter;
    form.SetCaption(caption);
}
} // namespace

TSize DialogUnitsOf(const TFont& font)
{
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    TCanvas canvas(dc.Get());
    canvas.Font.Assign(font);
    const TSize letters = canvas.TextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {letters.Width / 52, letters.Height};
}

TInputBoxLayout ComputeInputBoxLayout(int averageCharWidth, int textHeight, int promptHeight, int editHeight)
{
    const int x = averageCharWidth, y = textHeight;
    TInputBoxLayout layout;
    layout.Prompt = TRect::FromBounds(Units(8, x, 4), Units(8, y, 8), Units(164, x, 4), promptHeight);
    layout.Edit = TRect::FromBounds(layout.Prompt.Left, layout.Prompt.Bottom + 5, Units(164, x, 4),
                                    editHeight);
    const int buttonTop = layout.Edit.Bottom + 15;
    const int buttonWidth = Units(50, x, 4), buttonHeight = Units(14, y, 8);
    layout.OkButton = TRect::FromBounds(Units(38, x, 4), buttonTop, buttonWidth, buttonHeight);
    layout.CancelButton = TRect::FromBounds(Units(92, x, 4), buttonTop, buttonWidth, buttonHeight);
    layout.ClientWidth = Units(180, x, 4);
    layout.ClientHeight = layout.OkButton.Bottom + 13;
    return layout;
}

TInputForm::TInputForm(const std::string& caption, const std::string& prompt, const std::string& value)
    : TForm(nullptr)
{
    SetUpDialog(*this, caption);
    const TSize units = DialogUnitsOf(Font());
    const int promptWidth = Units(164, units.Width, 4);

    PromptLabel = new TLabel(this);
    PromptLabel->SetParent(this);
    PromptLabel->MaxWidth = promptWidth;
    PromptLabel->SetWidth(promptWidth);
    PromptLabel->SetWordWrap(true);
    PromptLabel->SetCaption(prompt);

    Edit = new TEdit(this);
    Edit->SetParent(this);
    Edit->SetMaxLength(255);
    Edit->SetText(value);

    OkButton = new TButton(this);
    OkButton->SetParent(this);
    OkButton->SetCaption("OK");
    OkButton->ModalResult = mrOk;
    OkButton->SetDefault(true);

    CancelButton = new TButton(this);
    CancelButton->SetParent(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->ModalResult = mrCancel;
    CancelButton->Cancel = true;

    // The edit box is as tall as its text plus its sunken border.
    const int editHeight = units.Height + 8;
    const TInputBoxLayout layout = ComputeInputBoxLayout(units.Width, units.Height, PromptLabel->Height(),
                                                         editHeight);
    PromptLabel->SetBounds(layout.Prompt.Left, layout.Prompt.Top, PromptLabel->Width(),
                           PromptLabel->Height());
    Edit->SetBounds(layout.Edit.Left, layout.Edit.Top, layout.Edit.Width(), layout.Edit.Height());
    OkButton->SetBounds(layout.OkButton.Left, layout.OkButton.Top, layout.OkButton.Width(),
                        layout.OkButton.Height());
    CancelButton->SetBounds(layout.CancelButton.Left, layout.CancelButton.Top, layout.CancelButton.Width(),
                            layout.CancelButton.Height());
    SetClientSize(layout.ClientWidth, layout.ClientHeight);
    SetActiveControl(Edit);
    OnShow = [this](TObject*) { Edit->SelectAll(); };
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    TInputForm form(caption, prompt, value);
    if (form.ShowModal() != mrOk)
        return false;
    value = form.Edit->Text();
    return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue)
{
    std::string value = defaultValue;
    InputQuery(caption, prompt, value);
    return value;
}

TMessageForm::TMessageForm(const std::string& text) : TForm(nullptr)
{
    SetUpDialog(*this, Application ? Application->Title() : "");
    const TSize units = DialogUnitsOf(Font());
    const int margin = Units(8, units.Width, 4), marginY = Units(8, units.Height, 8);
    const int spacingY = Units(10, units.Height, 8);
    const int buttonWidth = Units(50, units.Width, 4), buttonHeight = Units(14, units.Height, 8);

    Message = new TLabel(this);
    Message->SetParent(this);
    Message->MaxWidth = Screen ? Screen->Width() / 2 : 640;
    Message->SetWidth(Message->MaxWidth);
    Message->SetWordWrap(true);
    Message->SetCaption(text);
    Message->SetLeft(margin);
    Message->SetTop(marginY);

    const int clientWidth = std::max(Message->Width(), buttonWidth) + 2 * margin;
    OkButton = new TButton(this);
    OkButton->SetParent(this);
    OkButton->SetCaption("OK");
    OkButton->ModalResult = mrOk;
    OkButton->SetDefault(true);
    OkButton->Cancel = true;
    OkButton->SetBounds((clientWidth - buttonWidth) / 2, Message->Bottom() + spacingY, buttonWidth,
                        buttonHeight);
    SetClientSize(clientWidth, OkButton->Top() + buttonHeight + marginY);
    SetActiveControl(OkButton);
}

void ShowMessage(const std::string& text)
{
    TMessageForm form(text);
    form.ShowModal();
}

} // namespace pp
