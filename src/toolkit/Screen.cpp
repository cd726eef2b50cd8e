#include "toolkit/Screen.h"

#include "toolkit/Form.h"

#include <algorithm>

namespace pp {

TCustomForm* TScreen::ActiveForm() const
{
    HWND active = GetActiveWindow();
    for (TCustomForm* form : forms_)
        if (form->HandleAllocated() && form->HandleValue() == active)
            return form;
    return nullptr;
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::RemoveForm(TCustomForm* form) { std::erase(forms_, form); }

} // namespace pp
