#include "toolkit/Button.h"

#include "toolkit/Form.h"
#include "win/Text.h"

namespace pp {

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    TabStop = true;
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = L"BUTTON";
    params.Style |= active_ || default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool on)
{
    if (on == default_)
        return;
    default_ = on;
    if (!HandleAllocated())
        return;
    // With the focus on no other button, the default one looks default.
    TCustomForm* form = TCustomForm::GetParentForm(this);
    const TWinControl* focused = form ? form->ActiveControl() : nullptr;
    if (!dynamic_cast<const TButton*>(focused))
        SetButtonStyle(on);
}

void TButton::Click()
{
    if (TCustomForm* form = TCustomForm::GetParentForm(this); form && ModalResult != mrNone)
        form->SetModalResult(ModalResult);
    TWinControl::Click();
}

void TButton::SetButtonStyle(bool isDefault)
{
    if (!HandleAllocated())
        return;
    const LONG style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((GetWindowLongW(HandleValue(), GWL_STYLE) & 0xF) != style)
        SendMessageW(HandleValue(), BM_SETSTYLE, static_cast<WPARAM>(style), 1);
    Perform(CM_BUTTONSTYLE, isDefault ? 1 : 0);
}

bool IsAccelerator(wchar_t key, const std::string& caption)
{
    const std::wstring text = WideFromUtf8(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] == L'&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        wchar_t a[2] = {text[i + 1], 0}, b[2] = {key, 0};
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, 1, b, 1) == CSTR_EQUAL;
    }
    return false;
}

void TButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccelerator(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
            Click();
            message.Result = 1;
        }
        return;
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED)
            Click();
        message.Result = 1;
        return;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
        active_ = dynamic_cast<TButton*>(focused) ? focused == this : default_;
        SetButtonStyle(active_);
        return;
    }
    }
    TWinControl::WndProc(message);
}

} // namespace pp
