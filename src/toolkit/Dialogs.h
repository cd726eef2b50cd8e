#pragma once
// The input box and the show-message window.
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

#include <memory>
#include <string>

namespace pp {

// Placement of the input box's parts, from the dialog font's average
// character width and text height (see ComputeInputBoxLayout).
struct TInputBoxLayout {
    int ClientWidth = 0;
    int ClientHeight = 0;
    TRect Prompt; // its width is the most the wrapped prompt may take
    TRect Edit;
    TRect OkButton;
    TRect CancelButton;
};
// `promptHeight` and `editHeight` are what the prompt and the edit box need.
TInputBoxLayout ComputeInputBoxLayout(int averageCharWidth, int textHeight, int promptHeight, int editHeight);
// Average character width (the 52 letters A-Z and a-z, rounded down) and
// text height of a font.
TSize DialogUnitsOf(const TFont& font);

// The input box form, not yet shown; InputQuery shows it modally.
class TInputForm : public TForm {
public:
    TInputForm(const std::string& caption, const std::string& prompt, const std::string& value);
    std::string ClassName() const override { return "TInputForm"; }
    TLabel* PromptLabel = nullptr;
    TEdit* Edit = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;
};

// Asks for a text: true and the typed text in `value` when OK was pressed;
// false with `value` untouched otherwise.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The typed text when OK was pressed, else `defaultValue`.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

// The show-message window: "TMessageForm", centred, titled with the
// application's title, the text and one "OK" button.
class TMessageForm : public TForm {
public:
    explicit TMessageForm(const std::string& text);
    std::string ClassName() const override { return "TMessageForm"; }
    TLabel* Message = nullptr;
    TButton* OkButton = nullptr;
};
void ShowMessage(const std::string& text);

} // namespace pp
