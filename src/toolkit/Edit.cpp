#include "toolkit/Edit.h"

namespace pp {

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    TabStop = true;
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | ES_LEFT;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::InitializeWindow()
{
    SendMessageW(HandleValue(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SetMaxLength(int length)
{
    if (length == maxLength_)
        return;
    maxLength_ = length;
    if (HandleAllocated())
        SendMessageW(HandleValue(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TEdit::GetSelection(int& start, int& end)
{
    DWORD s = 0, e = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

} // namespace pp
